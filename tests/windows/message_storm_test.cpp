// Whatever reaches the window, in whatever order: thousands of presses of any control id, ticks of
// any timer id and repaints, on every screen. Nothing may crash, wedge or leak, the board stays
// sound, and afterwards the user can still go back and play.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>

#include "control_strip.h"
#include "game_state.h"
#include "screen_switch.h"
#include "window_fixture.h"

namespace {

class MessageStormTest : public WindowTest, public ::testing::WithParamInterface<unsigned> {
protected:
    // Pieces stack without gaps, and the last move is a piece of a player in the game.
    void expectSoundBoard(int step) {
        for (int column = 0; column < boardColumns; ++column) {
            for (int row = 1; row < boardRows; ++row) {
                if (gameState.cells[cellIndex(column, row)].owner != 0) {
                    ASSERT_NE(gameState.cells[cellIndex(column, row - 1)].owner, 0)
                        << "gap in column " << column << " at step " << step;
                }
            }
        }
        if (gameState.lastMove) {
            ASSERT_GE(gameState.lastMove->owner, 1) << "step " << step;
            ASSERT_LE(gameState.lastMove->owner, gameState.playerCount) << "step " << step;
        }
    }
};

TEST_P(MessageStormTest, RandomMessagesLeaveAPlayableGame) {
    std::mt19937 storm(GetParam());
    paint();
    // The first information box of the process loads the platform's own icon and font for good.
    watchInformationBox(window, [&] { press(infoControl); });
    const int gdiObjects = countGdiObjects();
    int stepsInGame = 0;
    int stepsAfterAnEnd = 0;
    const InformationBox boxes = watchInformationBox(window, [&] {
        for (int step = 0; step < 1500; ++step) {
            const int kind = static_cast<int>(storm() % 10);
            if (kind < 7) {
                press(static_cast<int>(storm() % 14));  // 12 and 13 are no control
            } else if (kind < 9) {
                tick(storm() % 3);
            } else {
                paint();
            }
            takeQuitMessage();  // control 11 asked to quit; the storm goes on
            ASSERT_GE(activeScreen, titleScreen);
            ASSERT_LE(activeScreen, gameScreen);
            if (gameState.inProgress) {
                expectSoundBoard(step);
                ++stepsInGame;
                stepsAfterAnEnd += gameState.result != 0;
            }
        }
    });
    EXPECT_GT(boxes.count, 0) << "the storm reached the information boxes";
    EXPECT_GT(stepsInGame, 100) << "the storm played games";
    EXPECT_GT(stepsAfterAnEnd, 0) << "and finished some";
    RecordProperty("boxes", boxes.count);
    RecordProperty("stepsInGame", stepsInGame);
    RecordProperty("stepsAfterAnEnd", stepsAfterAnEnd);

    // Let any computer turns end, then go back to the title screen and play.
    for (int step = 0; step < 8; ++step) {
        tick();
        paint();
    }
    for (int back = 0; back < 4 && activeScreen != titleScreen; ++back) {
        press(infoControl);
        paint();
    }
    ASSERT_EQ(activeScreen, titleScreen);
    EXPECT_EQ(countGdiObjects(), gdiObjects) << "no region or brush leaked";
    startGame(1);
    for (int control = 0; control < columnControlCount; ++control) {
        ASSERT_TRUE(enabled(control)) << "control " << control;
    }
    press(4);
    EXPECT_EQ(gameState.cells[cellIndex(4, 0)].owner, 1);
    tick();
    tick();
    EXPECT_EQ(gameState.currentPlayer, 1);
    EXPECT_TRUE(enabled(4));
}

INSTANTIATE_TEST_SUITE_P(Seeds, MessageStormTest, ::testing::Values(1u, 2u, 3u));

}  // namespace
