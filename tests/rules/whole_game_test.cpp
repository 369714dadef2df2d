// Whole games through the rules alone: two humans to a win and to a draw, and one human against
// one to three computer players to the end.
#include <gtest/gtest.h>

#include <string>

#include "board_fixture.h"
#include "computer_player.h"
#include "lines.h"
#include "random_source.h"

namespace {

class WholeGameTest : public RulesTest {
protected:
    void startGame(int cpCount, int playerCount) {
        gameState.cpCount = cpCount;
        gameState.playerCount = playerCount;
        resetBoard();
        gameState.inProgress = true;
        gameState.result = resultGoingOn;
    }

    // A human move in the order the game makes it.
    bool humanMove(int column) {
        if (!dropPiece(column)) {
            return false;
        }
        gameState.result = checkLines();
        if (gameState.result == resultGoingOn) {
            advanceTurn();
        }
        return true;
    }

    // Pieces stack from the bottom without gaps.
    void expectNoGaps() {
        for (int column = 0; column < boardColumns; ++column) {
            for (int row = 1; row < boardRows; ++row) {
                if (gameState.cells[cellIndex(column, row)].owner != 0) {
                    EXPECT_NE(gameState.cells[cellIndex(column, row - 1)].owner, 0)
                        << "gap under column " << column << " row " << row;
                }
            }
        }
    }
};

TEST_F(WholeGameTest, TwoHumansPlayToAWinAcrossTheBottom) {
    startGame(0, 2);
    const int columns[] = {0, 0, 1, 1, 2, 2, 3, 3};
    for (int column : columns) {
        const int mover = gameState.currentPlayer;
        ASSERT_TRUE(humanMove(column));
        EXPECT_EQ(gameState.result, resultGoingOn);
        EXPECT_EQ(gameState.currentPlayer, 3 - mover);
    }
    ASSERT_TRUE(humanMove(4));
    EXPECT_EQ(gameState.result, resultWon);
    EXPECT_EQ(gameState.currentPlayer, 1) << "the winner keeps the turn";
    EXPECT_EQ(gameState.lastMove, &gameState.cells[cellIndex(4, 0)]);
}

TEST_F(WholeGameTest, TwoHumansFillTheBoardToADraw) {
    // Pairs of columns alternate owners row by row, so no line of five ever forms.
    const int columns[boardSquares] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                       4, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3,
                                       3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5,
                                       8, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 7, 7, 7, 7, 7, 7, 7, 7, 7,
                                       7, 8, 8, 8, 8, 8, 8, 8, 8, 8, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
    startGame(0, 2);
    for (int move = 0; move < boardSquares - 1; ++move) {
        ASSERT_TRUE(humanMove(columns[move])) << "move " << move;
        ASSERT_EQ(gameState.result, resultGoingOn) << "move " << move;
    }
    EXPECT_EQ(gameState.currentPlayer, 2);
    ASSERT_TRUE(humanMove(columns[boardSquares - 1]));
    EXPECT_EQ(gameState.result, resultDrawn);
    EXPECT_EQ(gameState.currentPlayer, 2) << "the last mover keeps the turn";
    EXPECT_FALSE(humanMove(9)) << "the full board takes no more pieces";
    expectNoGaps();
}

struct ComputerGame {
    int cpCount;
    int playerCount;
    uint32_t seed;
};

class ComputerGameTest : public WholeGameTest,
                         public ::testing::WithParamInterface<ComputerGame> {};

// The human plays the first column with room, the computers play theirs, until the game is over.
TEST_P(ComputerGameTest, RunsToAWinOrADraw) {
    const ComputerGame& game = GetParam();
    seedRandom(game.seed);
    startGame(game.cpCount, game.playerCount);
    int moves = 0;
    while (gameState.result == resultGoingOn) {
        ASSERT_LE(++moves, boardSquares);
        if (gameState.currentPlayer == 1) {
            int column = static_cast<int>(drawRandom() % boardColumns);
            while (!humanMove(column)) {
                column = (column + 1) % boardColumns;
            }
        } else {
            const int mover = gameState.currentPlayer;
            while (!cpMove()) {
            }
            EXPECT_EQ(gameState.lastMove->owner, mover);
        }
    }
    expectNoGaps();
    EXPECT_EQ(checkLines(), gameState.result);
    if (gameState.result == resultWon) {
        EXPECT_EQ(gameState.lastMove->owner, gameState.currentPlayer)
            << "the winner made the last move";
    }
}

std::string gameName(const ::testing::TestParamInfo<ComputerGame>& info) {
    return "C" + std::to_string(info.param.cpCount) + "Seed" + std::to_string(info.param.seed);
}

INSTANTIATE_TEST_SUITE_P(Modes, ComputerGameTest,
                         ::testing::Values(ComputerGame{1, 2, 1}, ComputerGame{1, 2, 2},
                                           ComputerGame{2, 3, 3}, ComputerGame{2, 3, 4},
                                           ComputerGame{3, 4, 5}, ComputerGame{3, 4, 6}),
                         gameName);

}  // namespace
