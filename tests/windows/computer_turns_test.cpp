// The computer players' turns: the real 300 ms timer through a whole C3 cycle, stepped ticks, a
// computer's win and draw, and whole games in every mode on the real window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "control_strip.h"
#include "game_screen.h"
#include "game_state.h"
#include "lines.h"
#include "random_source.h"
#include "window_fixture.h"

namespace {

class ComputerTurnsTest : public WindowTest {
protected:
    bool columnControlsEnabled() {
        bool all = true;
        for (int control = 0; control < columnControlCount; ++control) {
            all = all && enabled(control);
        }
        return all;
    }
    bool columnControlsDisabled() {
        for (int control = 0; control < columnControlCount; ++control) {
            if (enabled(control)) {
                return false;
            }
        }
        return true;
    }
};

TEST_F(ComputerTurnsTest, RealTimerRunsACompleteC3TurnCycle) {
    startGame(3);
    press(4);
    ASSERT_TRUE(columnControlsDisabled());
    int computerMoves = 0;
    const DWORD deadline = GetTickCount() + 10000;
    while (!columnControlsEnabled() && GetTickCount() < deadline) {
        MSG message;
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            continue;
        }
        const Cell* before = gameState.lastMove;
        DispatchMessageA(&message);
        if (gameState.lastMove != before) {
            ++computerMoves;
            EXPECT_EQ(message.message, static_cast<UINT>(WM_TIMER));
        }
        if (gameState.currentPlayer != 1) {
            EXPECT_TRUE(columnControlsDisabled()) << "while player " << gameState.currentPlayer;
        }
    }
    EXPECT_TRUE(columnControlsEnabled()) << "the turn came back to player 1 within 10 s";
    EXPECT_EQ(computerMoves, 3);
    EXPECT_EQ(gameState.currentPlayer, 1);
    EXPECT_FALSE(computerTimerRunning());
    int owners[5] = {};
    for (const Cell& cell : gameState.cells) {
        ++owners[cell.owner];
    }
    EXPECT_EQ(owners[1], 1);
    EXPECT_EQ(owners[2], 1);
    EXPECT_EQ(owners[3], 1);
    EXPECT_EQ(owners[4], 1);
}

TEST_F(ComputerTurnsTest, EachTickMakesOneComputerMoveAndTheNextOneHandsBack) {
    startGame(1);
    press(5);
    seedRandom(3);
    tick();
    EXPECT_EQ(gameState.currentPlayer, 1);
    EXPECT_EQ(gameState.lastMove->owner, 2);
    const int column = columnOf(gameState.lastMove);
    EXPECT_GE(column, 0);
    EXPECT_LE(column, 9);
    EXPECT_TRUE(columnControlsDisabled()) << "the human waits one tick more";
    EXPECT_TRUE(repaintPending());
    paint();
    tick();
    EXPECT_TRUE(columnControlsEnabled());
    EXPECT_FALSE(computerTimerRunning());
    paint();
    EXPECT_TRUE(showsText(window, "１Ｐの手番です", 30, 315));
}

TEST_F(ComputerTurnsTest, AnyTimerIdActsAsTheComputersTick) {
    startGame(2);
    press(0);
    tick(7);
    EXPECT_EQ(gameState.currentPlayer, 3);
    tick(0);
    EXPECT_EQ(gameState.currentPlayer, 1);
    tick(12345);
    EXPECT_TRUE(columnControlsEnabled());
}

TEST_F(ComputerTurnsTest, ComputerWinStopsTheTurnsAtTheNextTick) {
    startGame(1);
    loadAlmostFullBoard(TopSquare::completesALine);
    ASSERT_EQ(checkLines(), resultGoingOn);
    press(9);
    tick();
    ASSERT_EQ(gameState.result, resultWon);
    EXPECT_EQ(gameState.currentPlayer, 2);
    EXPECT_TRUE(columnControlsDisabled());
    tick();
    EXPECT_TRUE(columnControlsEnabled());
    EXPECT_FALSE(computerTimerRunning());
    paint();
    EXPECT_TRUE(showsText(window, "勝者：２Ｐ", 30, 315));
    EXPECT_EQ(pixel(20 + 38 * 9, 15), RGB(255, 0, 102)) << "player 2's frame on the winning square";
}

TEST_F(ComputerTurnsTest, ComputerDrawStopsTheTurnsAtTheNextTick) {
    startGame(1);
    loadAlmostFullBoard(TopSquare::fillsTheBoard);
    ASSERT_EQ(checkLines(), resultGoingOn);
    press(9);
    tick();
    ASSERT_EQ(gameState.result, resultDrawn);
    tick();
    EXPECT_TRUE(columnControlsEnabled());
    EXPECT_FALSE(computerTimerRunning());
    paint();
    EXPECT_TRUE(showsText(window, "引き分けです", 30, 315));
}

// Whole games on the real window: the human presses the first column with room after a seeded
// start, the computers move on stepped ticks, until a win or a draw shows on the status line.
class WholeGameOnWindowTest : public ComputerTurnsTest,
                              public ::testing::WithParamInterface<int> {};

TEST_P(WholeGameOnWindowTest, RunsToAWinOrADraw) {
    const int modeControl = GetParam();
    startGame(modeControl);
    seedRandom(100 + modeControl);
    int column = 0;
    for (int step = 0; gameState.result == resultGoingOn; ++step) {
        ASSERT_LT(step, 1000);
        if (columnControlsEnabled()) {
            ASSERT_TRUE(modeControl == 0 || gameState.currentPlayer == 1);
            column = (column + 3) % boardColumns;
            while (gameState.cells[cellIndex(column, boardRows - 1)].owner != 0) {
                column = (column + 1) % boardColumns;
            }
            press(column);
        } else {
            tick();
        }
        paint();
    }
    if (modeControl != 0) {
        tick();
        EXPECT_TRUE(columnControlsEnabled());
    }
    paint();
    const char* const winners[] = {"勝者：１Ｐ", "勝者：２Ｐ", "勝者：３Ｐ", "勝者：４Ｐ"};
    const char* expected =
        gameState.result == resultDrawn ? "引き分けです" : winners[gameState.currentPlayer - 1];
    EXPECT_TRUE(showsText(window, expected, 30, 315)) << expected;
    EXPECT_EQ(label(infoControl), "崩");
}

std::string modeName(const ::testing::TestParamInfo<int>& info) {
    const char* const names[] = {"PL", "C1", "C2", "C3"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Modes, WholeGameOnWindowTest, ::testing::Values(0, 1, 2, 3), modeName);

}  // namespace
