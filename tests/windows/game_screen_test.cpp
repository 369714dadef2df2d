// The game screen's controls in each phase: starting, human moves, full columns, abandoning,
// the over phase's reminder, and leaving for the mode screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "control_strip.h"
#include "game_screen.h"
#include "game_state.h"
#include "lines.h"
#include "screen_switch.h"
#include "window_fixture.h"

namespace {

class GameScreenTest : public WindowTest {
protected:
    int piecesOnBoard() {
        int pieces = 0;
        for (const Cell& cell : gameState.cells) {
            pieces += cell.owner != 0;
        }
        return pieces;
    }
    void expectColumnControlsEnabled(bool expected) {
        for (int control = 0; control < columnControlCount; ++control) {
            EXPECT_EQ(enabled(control), expected) << "control " << control;
        }
        EXPECT_TRUE(enabled(infoControl));
        EXPECT_TRUE(enabled(quitControl));
    }
};

class StartControlTest : public GameScreenTest, public ::testing::WithParamInterface<int> {};

TEST_P(StartControlTest, StartsAGameOnTheResetBoard) {
    openGameScreen(1);
    EXPECT_FALSE(gameState.inProgress);
    gameState.result = resultWon;  // left from an earlier game
    press(GetParam());
    EXPECT_TRUE(gameState.inProgress);
    EXPECT_EQ(gameState.result, resultGoingOn);
    EXPECT_EQ(gameState.currentPlayer, 1);
    EXPECT_EQ(piecesOnBoard(), 0) << "starting places no piece";
    EXPECT_TRUE(repaintPending());
    paint();
    EXPECT_EQ(label(9), "9");
    EXPECT_EQ(label(infoControl), "崩");
}

INSTANTIATE_TEST_SUITE_P(Controls0To8, StartControlTest, ::testing::Range(0, 9));

TEST_F(GameScreenTest, StartPressedBeforeThePreGameRepaintStillStartsFromAResetBoard) {
    paint();
    press(0);
    paint();
    press(1);  // C1, and at once ...
    press(4);  // ... a start, before the game screen has painted once
    EXPECT_TRUE(gameState.inProgress);
    EXPECT_EQ(gameState.currentPlayer, 1) << "not player 0 of the first run";
    EXPECT_EQ(gameState.lastMove, nullptr);
    press(4);
    EXPECT_EQ(gameState.cells[cellIndex(4, 0)].owner, 1);
}

TEST_F(GameScreenTest, QuickStartAfterAnEarlierGameDoesNotKeepItsPieces) {
    startGame(0);
    for (int column : {0, 0, 1, 1}) {
        press(column);
    }
    press(infoControl);  // abandon
    paint();
    press(infoControl);  // to the mode screen
    paint();
    press(0);  // PL, and a start before the repaint
    press(8);
    EXPECT_EQ(piecesOnBoard(), 0);
    EXPECT_EQ(gameState.currentPlayer, 1);
}

TEST_F(GameScreenTest, ColourControlOnlyRepaints) {
    openGameScreen(0);
    press(9);
    EXPECT_FALSE(gameState.inProgress);
    EXPECT_EQ(activeScreen, gameScreen);
    EXPECT_TRUE(repaintPending());
}

TEST_F(GameScreenTest, BackControlOnThePreGameBoardOpensTheModeScreen) {
    openGameScreen(2);
    press(infoControl);
    EXPECT_EQ(activeScreen, modeScreen);
    paint();
    EXPECT_EQ(label(0), "PL");
}

TEST_F(GameScreenTest, QuitControlQuitsInEveryPhase) {
    openGameScreen(0);
    press(quitControl);  // pre-game
    EXPECT_TRUE(takeQuitMessage());
    press(0);
    paint();
    press(quitControl);  // playing
    EXPECT_TRUE(takeQuitMessage());
    for (int column : {0, 1, 0, 1, 0, 1, 0, 1, 0}) {
        press(column);
    }
    ASSERT_EQ(gameState.result, resultWon);
    press(quitControl);  // over
    WPARAM exitValue = 99;
    EXPECT_TRUE(takeQuitMessage(&exitValue));
    EXPECT_EQ(exitValue, 0u);
}

TEST_F(GameScreenTest, HumanMoveInModePlPassesTheTurnAndKeepsControlsEnabled) {
    startGame(0);
    press(3);
    EXPECT_EQ(gameState.cells[cellIndex(3, 0)].owner, 1);
    EXPECT_EQ(gameState.lastMove, &gameState.cells[cellIndex(3, 0)]);
    EXPECT_EQ(gameState.currentPlayer, 2);
    EXPECT_TRUE(repaintPending());
    expectColumnControlsEnabled(true);
    EXPECT_FALSE(computerTimerRunning());
    paint();
    EXPECT_TRUE(showsText(window, "２Ｐの手番です", 30, 315));
    press(3);
    EXPECT_EQ(gameState.cells[cellIndex(3, 1)].owner, 2);
    EXPECT_EQ(gameState.currentPlayer, 1);
}

TEST_F(GameScreenTest, HumanMoveAgainstComputersDisablesColumnsAndStartsTheTimer) {
    startGame(3);
    press(5);
    EXPECT_EQ(gameState.currentPlayer, 2);
    expectColumnControlsEnabled(false);
    EXPECT_TRUE(computerTimerRunning());
}

TEST_F(GameScreenTest, FullColumnPressChangesNothingAndDoesNotRepaint) {
    startGame(0);
    for (int move = 0; move < boardRows; ++move) {
        press(7);
    }
    paint();
    const Cell* last = gameState.lastMove;
    const int mover = gameState.currentPlayer;
    press(7);
    EXPECT_EQ(gameState.lastMove, last);
    EXPECT_EQ(gameState.currentPlayer, mover);
    EXPECT_EQ(piecesOnBoard(), boardRows);
    EXPECT_FALSE(repaintPending());
}

TEST_F(GameScreenTest, WinningMoveKeepsTheTurnAndNamesTheWinner) {
    startGame(0);
    for (int column : {2, 2, 3, 3, 4, 4, 5, 5, 6}) {
        press(column);
    }
    EXPECT_EQ(gameState.result, resultWon);
    EXPECT_EQ(gameState.currentPlayer, 1);
    paint();
    EXPECT_TRUE(showsText(window, "勝者：１Ｐ", 30, 315));
}

TEST_F(GameScreenTest, ColumnControlsAfterTheGameShowTheReminderAndChangeNothing) {
    startGame(0);
    for (int column : {0, 1, 0, 1, 0, 1, 0, 1, 0}) {
        press(column);
    }
    paint();
    ASSERT_EQ(gameState.result, resultWon);
    for (int control : {0, 9}) {
        const GameState before = gameState;
        const InformationBox box = watchInformationBox(window, [&] { press(control); });
        ASSERT_TRUE(box.seen) << "control " << control;
        EXPECT_EQ(box.title, "お疲れ様です");
        EXPECT_EQ(box.text, "「崩」を押してください");
        EXPECT_TRUE(box.ownerDisabled) << "the box is modal to the main window";
        for (int index = 0; index < boardSquares; ++index) {
            EXPECT_EQ(gameState.cells[index].owner, before.cells[index].owner);
        }
        EXPECT_EQ(gameState.lastMove, before.lastMove);
        EXPECT_EQ(gameState.result, resultWon);
        EXPECT_EQ(gameState.currentPlayer, 1);
    }
}

TEST_F(GameScreenTest, CollapseAfterTheGameReturnsToThePreGameBoard) {
    startGame(0);
    for (int column : {0, 1, 0, 1, 0, 1, 0, 1, 0}) {
        press(column);
    }
    press(infoControl);
    EXPECT_FALSE(gameState.inProgress);
    paint();
    EXPECT_EQ(label(9), "色");
    EXPECT_EQ(label(infoControl), "戻");
    EXPECT_EQ(piecesOnBoard(), 0);
    EXPECT_EQ(gameState.currentPlayer, 1);
    EXPECT_EQ(gameState.result, resultWon) << "the outcome is cleared when a game starts";
}

TEST_F(GameScreenTest, AbandonWhileComputersWaitEnablesColumnsAtOnce) {
    startGame(2);
    press(4);
    expectColumnControlsEnabled(false);
    press(infoControl);
    EXPECT_FALSE(gameState.inProgress);
    expectColumnControlsEnabled(true);
    EXPECT_TRUE(repaintPending());
    paint();
    EXPECT_EQ(gameState.currentPlayer, 1) << "the pre-game repaint resets the board";
    EXPECT_EQ(piecesOnBoard(), 0);

    // The timer still runs; its next tick stops it and recolours the pre-game board.
    const COLORREF before = pixel(30, 245);
    tick();
    EXPECT_TRUE(repaintPending());
    paint();
    EXPECT_NE(pixel(30, 245), before);
    EXPECT_FALSE(computerTimerRunning());
    expectColumnControlsEnabled(true);
    EXPECT_EQ(piecesOnBoard(), 0);
}

TEST_F(GameScreenTest, LeavingTheGameScreenEndsPendingComputerTurns) {
    startGame(1);
    press(4);
    press(infoControl);  // abandon while the computer waits
    paint();
    press(infoControl);  // to the mode screen before the next tick
    paint();
    EXPECT_EQ(activeScreen, modeScreen);
    EXPECT_FALSE(computerTimerRunning());
    expectColumnControlsEnabled(true);
    press(2);  // a mode can be chosen
    EXPECT_EQ(activeScreen, gameScreen);
    EXPECT_EQ(gameState.playerCount, 3);
}

TEST_F(GameScreenTest, LeavingAfterAComputerWinBeforeTheNextTickLeavesTheMenusUsable) {
    startGame(1);
    loadAlmostFullBoard(TopSquare::completesALine);
    ASSERT_EQ(checkLines(), resultGoingOn);
    press(9);  // the human fills row 8; the computer can only complete the top row
    ASSERT_EQ(gameState.result, resultGoingOn);
    tick();
    ASSERT_EQ(gameState.result, resultWon);
    EXPECT_EQ(gameState.currentPlayer, 2);
    press(infoControl);  // collapse
    paint();
    press(infoControl);  // to the mode screen, before the tick that would end the turns
    paint();
    EXPECT_FALSE(computerTimerRunning());
    expectColumnControlsEnabled(true);
}

TEST_F(GameScreenTest, UnknownControlsAndNotificationsChangeNothing) {
    startGame(0);
    press(2);
    paint();
    const GameState before = gameState;
    for (int control : {12, 100, 0xFFFF}) {
        press(control);
    }
    // The control id is the low word alone: a notification code in the high word is not read.
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(3, BN_SETFOCUS),
                 reinterpret_cast<LPARAM>(buttonHandles[3]));
    EXPECT_EQ(gameState.cells[cellIndex(3, 0)].owner, 2);
    EXPECT_EQ(gameState.currentPlayer, 1);
    EXPECT_EQ(gameState.cells[cellIndex(2, 0)].owner, before.cells[cellIndex(2, 0)].owner);
    EXPECT_FALSE(takeQuitMessage());
}

TEST_F(GameScreenTest, DestroyingTheWindowQuitsWithZero) {
    startGame(3);
    press(0);
    DestroyWindow(window);
    WPARAM exitValue = 99;
    EXPECT_TRUE(takeQuitMessage(&exitValue));
    EXPECT_EQ(exitValue, 0u);
}

}  // namespace
