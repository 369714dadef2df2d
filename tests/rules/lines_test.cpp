// Lines of five in every direction, at the first and last squares they can start from, and full
// boards with and without a line.
#include <gtest/gtest.h>

#include <ostream>

#include "board_fixture.h"
#include "lines.h"

namespace {

struct LineCase {
    const char* name;
    const char* rows[boardRows];  // top row first
    int32_t expected;
};

std::ostream& operator<<(std::ostream& out, const LineCase& lineCase) {
    out << lineCase.name << ":\n";
    for (const char* row : lineCase.rows) {
        out << "  " << row << "\n";
    }
    return out;
}

// Filled with four players so that no two neighbours in any line direction agree.
#define NO_LINE_ROWS_9_TO_1                                                             \
    "3412341234", "1234123412", "3412341234", "1234123412", "3412341234", "1234123412", \
        "3412341234", "1234123412", "3412341234"

const LineCase lineCases[] = {
    {"EmptyBoard",
     {"..........", "..........", "..........", "..........", "..........", "..........",
      "..........", "..........", "..........", ".........."},
     resultGoingOn},
    {"AcrossFromFirstStart",
     {"..........", "..........", "..........", "..........", "..........", "..........",
      "..........", "..........", "..........", "11111....."},
     resultWon},
    {"AcrossFromLastStartColumn",
     {"..........", "..........", "..........", "..........", "..........", "..........",
      "..........", "..........", "..........", ".....22222"},
     resultWon},
    {"AcrossOnTheTopRow",
     {"....33333.", "..........", "..........", "..........", "..........", "..........",
      "..........", "..........", "..........", ".........."},
     resultWon},
    {"UpwardFromFirstStart",
     {"..........", "..........", "..........", "..........", "..........", "4.........",
      "4.........", "4.........", "4.........", "4........."},
     resultWon},
    {"UpwardFromLastStartRow",
     {"1.........", "1.........", "1.........", "1.........", "1.........", "..........",
      "..........", "..........", "..........", ".........."},
     resultWon},
    {"UpwardInTheLastColumn",
     {"..........", "..........", "..........", "..........", "..........", ".........3",
      ".........3", ".........3", ".........3", ".........3"},
     resultWon},
    {"FallingDiagonalFromFirstStart",
     {"..........", "..........", "..........", "..........", "..........", "1.........",
      ".1........", "..1.......", "...1......", "....1....."},
     resultWon},
    {"FallingDiagonalFromLastStart",
     {".....2....", "......2...", ".......2..", "........2.", ".........2", "..........",
      "..........", "..........", "..........", ".........."},
     resultWon},
    {"RisingDiagonalFromFirstStart",
     {"..........", "..........", "..........", "..........", "..........", "....1.....",
      "...1......", "..1.......", ".1........", "1........."},
     resultWon},
    {"RisingDiagonalFromLastStart",
     {".........3", "........3.", ".......3..", "......3...", ".....3....", "..........",
      "..........", "..........", "..........", ".........."},
     resultWon},
    {"SixInARow",
     {"..........", "..........", "..........", "..........", "..........", "..........",
      "..........", "..........", "..........", "..222222.."},
     resultWon},
    {"FourAndAForeignFifth",
     {"..........", "..........", "..........", "..........", "..........", "..........",
      "..........", "..........", "..........", "11112....."},
     resultGoingOn},
    {"FourUpwardAndAForeignFifth",
     {"..........", "..........", "..........", "..........", "..........", "...2......",
      "...1......", "...1......", "...1......", "...1......"},
     resultGoingOn},
    {"FourOnADiagonal",
     {"..........", "..........", "..........", "..........", "..........", "..........",
      "...1......", "..1.......", ".1........", "1........."},
     resultGoingOn},
    {"FullBoardWithoutALine", {NO_LINE_ROWS_9_TO_1, "1234123412"}, resultDrawn},
    {"FullBoardWithFourAndAForeignFifth", {NO_LINE_ROWS_9_TO_1, "1111211112"}, resultDrawn},
    {"FullBoardWithALine", {NO_LINE_ROWS_9_TO_1, "1111122222"}, resultWon},
    {"FullBoardButOneSquare", {NO_LINE_ROWS_9_TO_1, "123412341."}, resultGoingOn},
};

class CheckLinesTest : public RulesTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(CheckLinesTest, FindsLinesOfFiveAndFullBoards) {
    loadBoard(GetParam().rows);
    EXPECT_EQ(checkLines(), GetParam().expected);
}

TEST_P(CheckLinesTest, ReadsTheBoardWithoutChangingIt) {
    loadBoard(GetParam().rows);
    gameState.currentPlayer = 2;
    gameState.result = resultGoingOn;
    const GameState before = gameState;
    checkLines();
    for (int index = 0; index < boardSquares; ++index) {
        EXPECT_EQ(gameState.cells[index].owner, before.cells[index].owner);
    }
    EXPECT_EQ(gameState.currentPlayer, 2);
    EXPECT_EQ(gameState.result, resultGoingOn);
}

INSTANTIATE_TEST_SUITE_P(Boards, CheckLinesTest, ::testing::ValuesIn(lineCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
