// The long soak: the window tests' message storm for as many steps and seeds as asked, with the
// same checks after every step, the GDI object count every 1,000 steps, and the process's memory,
// which must not grow once the first 10,000 steps have warmed everything up.
//   soak.exe [--steps N (per seed, 20000)] [--seeds N (10)] [--allowance-kib N (512)]
#include <windows.h>

#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "control_strip.h"
#include "message_storm.h"

namespace {

int stepsPerSeed = 20000;
int seedCount = 10;
long allowanceKib = 512;
constexpr int gdiCheckInterval = 1000;
constexpr int memoryWarmUpSteps = 10000;

// Private bytes: the commit charge, which Windows and Wine both report as PagefileUsage (Wine
// leaves PrivateUsage at zero).
long privateKib() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<long>(counters.PagefileUsage / 1024);
}

class SoakTest : public MessageStormTest {};

TEST_F(SoakTest, LongStormLeavesAPlayableGame) {
    paint();
    watchInformationBox(window, [&] { press(infoControl); });
    const int gdiObjects = countGdiObjects();
    int worstGdiDrift = 0;
    long memoryAtWarmUp = 0;
    long memoryHighest = 0;
    StormCounts counts;
    const InformationBox boxes = watchInformationBox(window, [&] {
        for (int seed = 1; seed <= seedCount; ++seed) {
            std::mt19937 storm(static_cast<unsigned>(seed));
            for (int step = 0; step < stepsPerSeed; ++step) {
                stormStep(storm, counts);
                if (counts.steps % gdiCheckInterval == 0) {
                    const int drift = countGdiObjects() - gdiObjects;
                    if (std::abs(drift) > std::abs(worstGdiDrift)) {
                        worstGdiDrift = drift;
                        ADD_FAILURE()
                            << "GDI objects drifted by " << drift << " at step " << counts.steps;
                    }
                    const long memory = privateKib();
                    if (counts.steps == memoryWarmUpSteps) {
                        memoryAtWarmUp = memory;
                    }
                    memoryHighest = std::max(memoryHighest, memory);
                }
            }
            std::printf("soak: seed %d done, %d steps, %d games finished\n", seed, counts.steps,
                        counts.gamesFinished);
            std::fflush(stdout);
        }
    });
    walkBackAndPlay();
    const int finalGdiDrift = countGdiObjects() - gdiObjects;
    const long memoryAtEnd = privateKib();
    const long memoryDrift =
        memoryAtWarmUp ? std::max(memoryHighest, memoryAtEnd) - memoryAtWarmUp : 0;

    std::printf("soak: steps %d over %d seeds\n", counts.steps, seedCount);
    std::printf("soak: steps in games %d, games finished %d, information boxes opened %d\n",
                counts.stepsInGame, counts.gamesFinished, boxes.count);
    std::printf("soak: invariant breaks %d\n", counts.soundnessBreaks);
    std::printf("soak: GDI objects %d at the start, drift %d (worst during the storm %d)\n",
                gdiObjects, finalGdiDrift, worstGdiDrift);
    std::printf(
        "soak: private memory %ld KiB after %d steps, highest %ld KiB, at the end %ld KiB: "
        "drift %ld KiB (allowed %ld)\n",
        memoryAtWarmUp, memoryWarmUpSteps, memoryHighest, memoryAtEnd, memoryDrift, allowanceKib);
    std::printf("soak: a new C1 game from the title screen %s\n",
                HasFailure() ? "FAILED" : "played");

    EXPECT_EQ(counts.soundnessBreaks, 0);
    EXPECT_EQ(finalGdiDrift, 0) << "regions or brushes leaked";
    EXPECT_EQ(worstGdiDrift, 0);
    EXPECT_LE(memoryDrift, allowanceKib) << "memory grew after the warm-up";
    if (counts.steps > memoryWarmUpSteps) {
        EXPECT_GT(memoryAtWarmUp, 0) << "no memory reading";
    }
}

bool numberArgument(int& index, int count, char** arguments, const char* name, long& value) {
    if (std::strcmp(arguments[index], name) != 0 || index + 1 >= count) {
        return false;
    }
    value = std::strtol(arguments[++index], nullptr, 10);
    return true;
}

}  // namespace

int main(int count, char** arguments) {
    ::testing::InitGoogleTest(&count, arguments);
    for (int index = 1; index < count; ++index) {
        long value = 0;
        if (numberArgument(index, count, arguments, "--steps", value) && value > 0) {
            stepsPerSeed = static_cast<int>(value);
        } else if (numberArgument(index, count, arguments, "--seeds", value) && value > 0) {
            seedCount = static_cast<int>(value);
        } else if (numberArgument(index, count, arguments, "--allowance-kib", value)) {
            allowanceKib = value;
        } else {
            std::printf("usage: soak.exe [--steps N] [--seeds N] [--allowance-kib N]\n");
            return 2;
        }
    }
    return RUN_ALL_TESTS();
}
