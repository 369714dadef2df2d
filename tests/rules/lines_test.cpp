// Lines of five in every direction, at the first and last squares they can start from and in every
// corner they reach; four against an edge, where the fifth square would lie off the board or where
// a board stored column by column would wrap into another column or row (no line); full boards
// with and without a line. Native debug builds also stop on any read off the board.
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
    {"AcrossInTheTopLeftCorner",
     {"33333.....", "..........", "..........", "..........", "..........", "..........",
      "..........", "..........", "..........", ".........."},
     resultWon},
    {"AcrossInTheTopRightCorner",
     {".....44444", "..........", "..........", "..........", "..........", "..........",
      "..........", "..........", "..........", ".........."},
     resultWon},
    {"AcrossFourAgainstTheRightEdge",
     {"..........", "..........", "..........", "..........", "..........", ".....21111",
      "..........", "..........", "..........", ".........."},
     resultGoingOn},
    {"AcrossWrappingFromTheRightEdgeToTheLeft",
     {"..........", "..........", "..........", "..........", "11.....111", "..........",
      "..........", "..........", "..........", ".........."},
     resultGoingOn},
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
    {"UpwardInTheTopRightCorner",
     {".........2", ".........2", ".........2", ".........2", ".........2", "..........",
      "..........", "..........", "..........", ".........."},
     resultWon},
    {"UpwardFourAtTheTopWrappingIntoTheNextColumn",
     {"...1......", "...1......", "...1......", "...1......", "...2......", "..........",
      "..........", "..........", "..........", "....1....."},
     resultGoingOn},
    {"FallingDiagonalFromFirstStart",
     {"..........", "..........", "..........", "..........", "..........", "1.........",
      ".1........", "..1.......", "...1......", "....1....."},
     resultWon},
    {"FallingDiagonalFromLastStart",
     {".....2....", "......2...", ".......2..", "........2.", ".........2", "..........",
      "..........", "..........", "..........", ".........."},
     resultWon},
    {"FallingDiagonalInTheTopLeftCorner",
     {"3.........", ".3........", "..3.......", "...3......", "....3.....", "..........",
      "..........", "..........", "..........", ".........."},
     resultWon},
    {"FallingDiagonalInTheBottomRightCorner",
     {"..........", "..........", "..........", "..........", "..........", ".....4....",
      "......4...", ".......4..", "........4.", ".........4"},
     resultWon},
    {"FallingDiagonalFourAgainstTheRightEdge",
     {"..........", "..........", "..........", "..........", ".....2....", "......1...",
      ".......1..", "........1.", ".........1", ".........."},
     resultGoingOn},
    {"FallingDiagonalFourAgainstTheBottomWrappingToATop",
     {"....1.....", "..........", "..........", "..........", "..........", "2.........",
      ".1........", "..1.......", "...1......", "....1....."},
     resultGoingOn},
    {"RisingDiagonalFromFirstStart",
     {"..........", "..........", "..........", "..........", "..........", "....1.....",
      "...1......", "..1.......", ".1........", "1........."},
     resultWon},
    {"RisingDiagonalFromLastStart",
     {".........3", "........3.", ".......3..", "......3...", ".....3....", "..........",
      "..........", "..........", "..........", ".........."},
     resultWon},
    {"RisingDiagonalFromTheLeftEdgeToTheTop",
     {"....2.....", "...2......", "..2.......", ".2........", "2.........", "..........",
      "..........", "..........", "..........", ".........."},
     resultWon},
    {"RisingDiagonalFromTheBottomToTheRightEdge",
     {"..........", "..........", "..........", "..........", "..........", ".........1",
      "........1.", ".......1..", "......1...", ".....1...."},
     resultWon},
    {"RisingDiagonalFourAgainstTheTopWrappingToTheBottom",
     {".....3....", "....3.....", "...3......", "..3.......", ".2........", "..........",
      "..........", "..........", "..........", ".......3.."},
     resultGoingOn},
    {"RisingDiagonalFourAgainstTheRightEdge",
     {"..........", "..........", "..........", "..........", "..........", ".........4",
      "........4.", ".......4..", "......4...", ".....1...."},
     resultGoingOn},
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
