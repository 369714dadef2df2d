// Whatever reaches the window, in whatever order: nothing may crash, wedge or leak, the board
// stays sound, and afterwards the user can still go back and play. (tools/soak.sh runs the same
// storm for hundreds of thousands of steps.)
#include <windows.h>

#include <gtest/gtest.h>

#include "control_strip.h"
#include "message_storm.h"

namespace {

class ShortStormTest : public MessageStormTest, public ::testing::WithParamInterface<unsigned> {};

TEST_P(ShortStormTest, RandomMessagesLeaveAPlayableGame) {
    std::mt19937 storm(GetParam());
    paint();
    // The first information box of the process loads the platform's own icon and font for good.
    watchInformationBox(window, [&] { press(infoControl); });
    const int gdiObjects = countGdiObjects();
    StormCounts counts;
    const InformationBox boxes = watchInformationBox(window, [&] {
        while (counts.steps < 1500 && counts.soundnessBreaks == 0) {
            stormStep(storm, counts);
        }
    });
    EXPECT_EQ(counts.soundnessBreaks, 0);
    EXPECT_GT(boxes.count, 0) << "the storm reached the information boxes";
    EXPECT_GT(counts.stepsInGame, 100) << "the storm played games";
    EXPECT_GT(counts.stepsAfterAnEnd, 0) << "and finished some";
    RecordProperty("boxes", boxes.count);
    RecordProperty("stepsInGame", counts.stepsInGame);
    RecordProperty("stepsAfterAnEnd", counts.stepsAfterAnEnd);

    walkBackAndPlay();
    EXPECT_EQ(countGdiObjects(), gdiObjects) << "no region or brush leaked";
}

INSTANTIATE_TEST_SUITE_P(Seeds, ShortStormTest, ::testing::Values(1u, 2u, 3u));

}  // namespace
