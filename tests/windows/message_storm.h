// A storm of whatever can reach the window, in whatever order: presses of any control id (and of
// ids that are no control), ticks of any timer id and repaints, on every screen. The short storm
// of the window tests and the long soak (tools/soak.sh) share it.
#pragma once

#include <random>

#include "window_fixture.h"

struct StormCounts {
    int steps = 0;
    int stepsInGame = 0;
    int stepsAfterAnEnd = 0;
    int gamesFinished = 0;  // games that reached a win or a draw
    int soundnessBreaks = 0;
};

class MessageStormTest : public WindowTest {
protected:
    // One random message, then the checks every step must pass; a broken check is counted and
    // reported as a test failure.
    void stormStep(std::mt19937& storm, StormCounts& counts);
    // Lets any computer turns end, goes back to the title screen, plays a C1 move and checks that
    // the game answered as a fresh game does.
    void walkBackAndPlay();

private:
    bool soundBoard(int step);
    bool finishedBefore = false;
};
