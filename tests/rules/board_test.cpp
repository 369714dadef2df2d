// The game record as built, dropping pieces, passing the turn and resetting the board.
#include <gtest/gtest.h>

#include <cstddef>
#include <ctime>
#include <string>
#include <type_traits>

#include "board_fixture.h"
#include "random_source.h"

namespace {

using BoardTest = RulesTest;

TEST_F(BoardTest, RecordKeepsItsFieldsInOrderWithFixedWidths) {
    static_assert(std::is_same_v<decltype(GameState::cpCount), int32_t>);
    static_assert(std::is_same_v<decltype(GameState::playerCount), int32_t>);
    static_assert(sizeof(GameState::inProgress) == 1);
    static_assert(std::is_same_v<decltype(GameState::currentPlayer), int32_t>);
    static_assert(std::is_same_v<decltype(GameState::result), int32_t>);
    static_assert(std::is_same_v<decltype(Cell::owner), int32_t>);
    static_assert(offsetof(GameState, cpCount) < offsetof(GameState, playerCount));
    static_assert(offsetof(GameState, playerCount) < offsetof(GameState, inProgress));
    static_assert(offsetof(GameState, inProgress) < offsetof(GameState, currentPlayer));
    static_assert(offsetof(GameState, currentPlayer) < offsetof(GameState, result));
    static_assert(offsetof(GameState, result) < offsetof(GameState, cells));
    static_assert(offsetof(GameState, cells) < offsetof(GameState, lastMove));
    static_assert(offsetof(Cell, owner) < offsetof(Cell, region));
    EXPECT_EQ(std::size(gameState.cells), 100u);
}

TEST_F(BoardTest, NewRecordHasAnEmptyBoardAndNoGame) {
    for (const Cell& cell : gameState.cells) {
        EXPECT_EQ(cell.owner, 0);
        EXPECT_EQ(cell.region, nullptr);
    }
    EXPECT_FALSE(gameState.inProgress);
    EXPECT_EQ(gameState.result, resultGoingOn);
    EXPECT_EQ(gameState.lastMove, nullptr);
    EXPECT_EQ(gameState.cpCount, 0);
    EXPECT_EQ(gameState.playerCount, 0);
    EXPECT_EQ(gameState.currentPlayer, 0);
}

TEST_F(BoardTest, BuildingTheRecordSeedsTheRandomSourceWithTheTimeInSeconds) {
    const auto before = static_cast<uint32_t>(std::time(nullptr));
    GameState built;
    const int firstDraw = drawRandom();
    const auto after = static_cast<uint32_t>(std::time(nullptr));
    bool matched = false;
    for (uint32_t seconds = before; seconds <= after && !matched; ++seconds) {
        seedRandom(seconds);
        matched = drawRandom() == firstDraw;
    }
    EXPECT_TRUE(matched) << "the first draw after building is not seeded by the clock";
    EXPECT_EQ(built.lastMove, nullptr);
}

struct DropCase {
    int column;
    int piecesBefore;
    int expectedIndex;
};

class DropPieceTest : public RulesTest, public ::testing::WithParamInterface<DropCase> {};

TEST_P(DropPieceTest, FillsTheLowestEmptySquareAndMakesItTheLastMove) {
    const DropCase& drop = GetParam();
    gameState.currentPlayer = 3;
    for (int row = 0; row < drop.piecesBefore; ++row) {
        gameState.cells[cellIndex(drop.column, row)].owner = 1;
    }
    ASSERT_TRUE(dropPiece(drop.column));
    EXPECT_EQ(gameState.cells[drop.expectedIndex].owner, 3);
    EXPECT_EQ(gameState.lastMove, &gameState.cells[drop.expectedIndex]);
    EXPECT_EQ(gameState.currentPlayer, 3) << "dropping does not pass the turn";
}

std::string dropName(const ::testing::TestParamInfo<DropCase>& info) {
    return "Column" + std::to_string(info.param.column) + "With" +
           std::to_string(info.param.piecesBefore) + "Pieces";
}

INSTANTIATE_TEST_SUITE_P(Columns, DropPieceTest,
                         ::testing::Values(DropCase{0, 0, 0}, DropCase{3, 0, 30},
                                           DropCase{3, 4, 34}, DropCase{9, 0, 90},
                                           DropCase{9, 9, 99}),
                         dropName);

TEST_F(BoardTest, FullColumnChangesNothing) {
    gameState.currentPlayer = 2;
    for (int row = 0; row < boardRows; ++row) {
        gameState.cells[cellIndex(6, row)].owner = 1 + row % 2;
    }
    Cell* previous = &gameState.cells[cellIndex(2, 0)];
    gameState.lastMove = previous;
    const GameState before = gameState;

    EXPECT_FALSE(dropPiece(6));
    for (int index = 0; index < boardSquares; ++index) {
        EXPECT_EQ(gameState.cells[index].owner, before.cells[index].owner) << index;
    }
    EXPECT_EQ(gameState.lastMove, previous);
    EXPECT_EQ(gameState.currentPlayer, 2);
}

TEST_F(BoardTest, ColumnsOffTheBoardAreRefused) {
    gameState.currentPlayer = 1;
    for (int column : {-1, 10, 65535}) {
        EXPECT_FALSE(dropPiece(column)) << column;
    }
    EXPECT_EQ(gameState.lastMove, nullptr);
    for (const Cell& cell : gameState.cells) {
        EXPECT_EQ(cell.owner, 0);
    }
}

TEST_F(BoardTest, TurnCyclesThroughThePlayers) {
    const struct {
        int playerCount;
        int expected[5];
    } cycles[] = {
        {2, {2, 1, 2, 1, 2}},
        {3, {2, 3, 1, 2, 3}},
        {4, {2, 3, 4, 1, 2}},
    };
    for (const auto& cycle : cycles) {
        gameState.playerCount = cycle.playerCount;
        gameState.currentPlayer = 1;
        for (int expected : cycle.expected) {
            advanceTurn();
            EXPECT_EQ(gameState.currentPlayer, expected) << cycle.playerCount << " players";
        }
    }
}

TEST_F(BoardTest, ResetEmptiesTheBoardAndGivesPlayerOneTheTurn) {
    gameState.cpCount = 3;
    gameState.playerCount = 4;
    gameState.currentPlayer = 3;
    gameState.result = resultWon;
    gameState.inProgress = true;
    for (int column = 0; column < boardColumns; ++column) {
        dropPiece(column);
    }
    resetBoard();
    for (const Cell& cell : gameState.cells) {
        EXPECT_EQ(cell.owner, 0);
    }
    EXPECT_EQ(gameState.lastMove, nullptr);
    EXPECT_EQ(gameState.currentPlayer, 1);
    EXPECT_EQ(gameState.result, resultWon) << "the outcome is cleared when a game starts";
    EXPECT_EQ(gameState.cpCount, 3);
    EXPECT_EQ(gameState.playerCount, 4);
    EXPECT_TRUE(gameState.inProgress);
}

}  // namespace
