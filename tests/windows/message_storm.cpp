// The message storm's step and the way back to a fresh game afterwards.
#include "message_storm.h"

#include "control_strip.h"
#include "game_state.h"
#include "screen_switch.h"

// Pieces stack without gaps, and the last move is a piece of a player in the game.
bool MessageStormTest::soundBoard(int step) {
    for (int column = 0; column < boardColumns; ++column) {
        for (int row = 1; row < boardRows; ++row) {
            if (gameState.cells[cellIndex(column, row)].owner != 0 &&
                gameState.cells[cellIndex(column, row - 1)].owner == 0) {
                ADD_FAILURE() << "gap in column " << column << " at step " << step;
                return false;
            }
        }
    }
    if (gameState.lastMove &&
        (gameState.lastMove->owner < 1 || gameState.lastMove->owner > gameState.playerCount)) {
        ADD_FAILURE() << "last move of player " << gameState.lastMove->owner << " at step " << step;
        return false;
    }
    return true;
}

void MessageStormTest::stormStep(std::mt19937& storm, StormCounts& counts) {
    const int kind = static_cast<int>(storm() % 10);
    if (kind < 7) {
        press(static_cast<int>(storm() % 14));  // 12 and 13 are no control
    } else if (kind < 9) {
        tick(storm() % 3);
    } else {
        paint();
    }
    takeQuitMessage();  // control 11 asked to quit; the storm goes on
    const int step = counts.steps++;
    if (activeScreen < titleScreen || activeScreen > gameScreen) {
        ADD_FAILURE() << "screen " << activeScreen << " at step " << step;
        ++counts.soundnessBreaks;
        activeScreen = titleScreen;
    }
    const bool finished = gameState.inProgress && gameState.result != 0;
    if (gameState.inProgress) {
        counts.soundnessBreaks += !soundBoard(step);
        ++counts.stepsInGame;
        counts.stepsAfterAnEnd += finished;
    }
    counts.gamesFinished += finished && !finishedBefore;
    finishedBefore = finished;
}

void MessageStormTest::walkBackAndPlay() {
    for (int step = 0; step < 8; ++step) {
        tick();
        paint();
    }
    for (int back = 0; back < 4 && activeScreen != titleScreen; ++back) {
        press(infoControl);
        paint();
    }
    ASSERT_EQ(activeScreen, titleScreen);
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
