// The computer player's choice of column: its exact course for a seed, the board's edges, a
// missing last move, full columns, and the odds of each column over many choices.
#include <gtest/gtest.h>

#include <vector>

#include "board_fixture.h"
#include "computer_player.h"
#include "lines.h"
#include "random_source.h"

namespace {

class ComputerPlayerTest : public RulesTest {
protected:
    // One computer move after a lone piece in the given column; returns the column played.
    int moveAfterLonePieceIn(int column) {
        resetBoard();
        gameState.currentPlayer = 1;
        dropPiece(column);
        gameState.currentPlayer = 2;
        EXPECT_TRUE(cpMove());
        return columnOf(gameState.lastMove);
    }

    std::vector<double> columnShares(int lastColumn, int choices) {
        std::vector<double> shares(boardColumns, 0.0);
        for (int i = 0; i < choices; ++i) {
            shares[moveAfterLonePieceIn(lastColumn)] += 1.0 / choices;
        }
        return shares;
    }

    void SetUp() override {
        RulesTest::SetUp();
        gameState.playerCount = 2;
    }
};

TEST_F(ComputerPlayerTest, KnownSeedGivesKnownColumns) {
    const struct {
        uint32_t seed;
        int lastColumn;
        std::vector<int> expected;
    } courses[] = {
        {12345, 4, {3, 3, 6, 2, 6, 3, 2, 3, 4, 3, 2, 3}},
        {2026, 0, {5, 1, 2, 2, 1, 0, 2, 2, 2, 0, 0, 2}},
        {2026, 9, {5, 9, 9, 9, 9, 7, 9, 7, 7, 8, 9, 8}},
    };
    for (const auto& course : courses) {
        seedRandom(course.seed);
        std::vector<int> played;
        for (size_t i = 0; i < course.expected.size(); ++i) {
            played.push_back(moveAfterLonePieceIn(course.lastColumn));
        }
        EXPECT_EQ(played, course.expected) << "seed " << course.seed;
    }
}

TEST_F(ComputerPlayerTest, FollowsItsOwnLastMovesAcrossTurns) {
    gameState.playerCount = 4;
    gameState.currentPlayer = 1;
    dropPiece(4);
    advanceTurn();
    seedRandom(99);
    std::vector<int> played;
    for (int move = 0; move < 9; ++move) {
        ASSERT_TRUE(cpMove());
        played.push_back(columnOf(gameState.lastMove));
    }
    EXPECT_EQ(played, (std::vector<int>{2, 2, 0, 1, 0, 1, 2, 1, 3}));
    EXPECT_EQ(gameState.currentPlayer, 3) << "nine turns on from player 2 in a four-player game";
}

TEST_F(ComputerPlayerTest, NearTheEdgesOnlyColumnsOnTheBoardAreChosen) {
    const struct {
        int lastColumn;
        int lowestNear;
        int highestNear;
    } edges[] = {{0, 0, 2}, {1, 0, 3}, {8, 6, 9}, {9, 7, 9}};
    for (const auto& edge : edges) {
        const std::vector<double> shares = columnShares(edge.lastColumn, 20000);
        for (int column = 0; column < boardColumns; ++column) {
            const bool near = column >= edge.lowestNear && column <= edge.highestNear;
            if (near) {
                EXPECT_GT(shares[column], 0.15) << "last " << edge.lastColumn << " col " << column;
            } else {
                EXPECT_LT(shares[column], 0.03) << "last " << edge.lastColumn << " col " << column;
            }
        }
    }
}

TEST_F(ComputerPlayerTest, ColumnOddsAroundTheMiddle) {
    // Near columns: 0.9 / 5 + 0.1 / 10 = 0.19; the others 0.01.
    const std::vector<double> shares = columnShares(4, 200000);
    for (int column = 0; column < boardColumns; ++column) {
        const double expected = (column >= 2 && column <= 6) ? 0.19 : 0.01;
        EXPECT_NEAR(shares[column], expected, 0.006) << "column " << column;
    }
}

TEST_F(ComputerPlayerTest, ColumnOddsAtTheLeftEdge) {
    // Near aims at -2 and -1 are drawn again, so each round ends with 0.64: near columns get
    // 0.19 / 0.64 = 0.297, the others 0.01 / 0.64 = 0.0156.
    const std::vector<double> shares = columnShares(0, 200000);
    for (int column = 0; column < boardColumns; ++column) {
        const double expected = column <= 2 ? 0.19 / 0.64 : 0.01 / 0.64;
        EXPECT_NEAR(shares[column], expected, 0.006) << "column " << column;
    }
}

TEST_F(ComputerPlayerTest, WithoutALastMoveOnlyTheUniformAimLands) {
    seedRandom(777);
    std::vector<int> played;
    for (int move = 0; move < 12; ++move) {
        resetBoard();
        gameState.currentPlayer = 2;
        ASSERT_TRUE(cpMove());
        played.push_back(columnOf(gameState.lastMove));
    }
    EXPECT_EQ(played, (std::vector<int>{0, 8, 6, 6, 1, 1, 4, 6, 2, 1, 7, 2}));
}

TEST_F(ComputerPlayerTest, FullChosenColumnFailsAndChangesNothing) {
    // Fill every column but 0 and aim next to column 9: near aims land on full columns.
    for (int column = 1; column < boardColumns; ++column) {
        for (int row = 0; row < boardRows; ++row) {
            gameState.cells[cellIndex(column, row)].owner = 1 + (column + row / 4) % 2;
        }
    }
    Cell* previous = &gameState.cells[cellIndex(9, 9)];
    gameState.lastMove = previous;
    gameState.currentPlayer = 2;
    int failures = 0;
    for (int attempt = 0; attempt < 50 && !cpMove(); ++attempt) {
        ++failures;
        EXPECT_EQ(gameState.lastMove, previous);
        EXPECT_EQ(gameState.currentPlayer, 2);
        EXPECT_EQ(gameState.cells[cellIndex(0, 0)].owner, 0);
    }
    EXPECT_GT(failures, 0);
    EXPECT_EQ(gameState.lastMove, &gameState.cells[cellIndex(0, 0)])
        << "drawn afresh until it fits";
}

TEST_F(ComputerPlayerTest, MoveThatCompletesALineKeepsTheTurn) {
    loadBoard({"..........", "..........", "..........", "..........", "..........", "..........",
               "..........", "..........", "..........", "3333......"});
    gameState.playerCount = 4;
    gameState.currentPlayer = 3;
    gameState.lastMove = &gameState.cells[cellIndex(3, 0)];
    // Try seeds until the computer plays column 4 on its first attempt.
    for (uint32_t seed = 1;; ++seed) {
        ASSERT_LT(seed, 1000u) << "no seed plays column 4 first";
        seedRandom(seed);
        const GameState before = gameState;
        ASSERT_TRUE(cpMove());
        if (columnOf(gameState.lastMove) == 4) {
            break;
        }
        gameState = before;
    }
    EXPECT_EQ(gameState.result, resultWon);
    EXPECT_EQ(gameState.currentPlayer, 3);
}

TEST_F(ComputerPlayerTest, MoveThatFillsTheBoardKeepsTheTurn) {
    loadBoard({"341234123.", "1234123412", "3412341234", "1234123412", "3412341234", "1234123412",
               "3412341234", "1234123412", "3412341234", "1234123412"});
    gameState.playerCount = 4;
    gameState.currentPlayer = 4;
    gameState.lastMove = &gameState.cells[cellIndex(8, 9)];
    while (!cpMove()) {
    }
    EXPECT_EQ(gameState.lastMove, &gameState.cells[99]);
    EXPECT_EQ(gameState.result, resultDrawn);
    EXPECT_EQ(gameState.currentPlayer, 4);
}

}  // namespace
