// What the game screen draws: the pre-game board's random colours and its reset, the pieces and
// the last move's frame where the board's geometry puts them, the status line, and no GDI leaks.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "control_strip.h"
#include "game_state.h"
#include "random_source.h"
#include "window_fixture.h"

namespace {

constexpr COLORREF white = RGB(255, 255, 255);

struct Square {
    int left, top, right, bottom;  // right and bottom excluded
};

Square squareOf(int column, int row) {
    return {20 + 38 * column, 240 - 25 * row, 48 + 38 * column, 260 - 25 * row};
}

class GamePaintTest : public WindowTest {
protected:
    COLORREF centreOf(int column, int row) {
        const Square square = squareOf(column, row);
        return pixel(square.left + 14, square.top + 10);
    }

    // A game position set directly, then painted as the user would see it.
    void showGame(int32_t result, int32_t currentPlayer) {
        gameState.inProgress = true;
        gameState.result = result;
        gameState.currentPlayer = currentPlayer;
        InvalidateRect(window, nullptr, TRUE);
        paint();
    }

    void place(int column, int row, int owner) {
        gameState.cells[cellIndex(column, row)].owner = owner;
    }
};

// The colours a pre-game repaint gives the squares after the source is seeded with this seed.
struct PreGameColours {
    COLORREF squares[boardSquares];
    explicit PreGameColours(uint32_t seed) {
        seedRandom(seed);
        for (COLORREF& colour : squares) {
            const int red = drawRandom() % 256;
            const int green = drawRandom() % 256;
            const int blue = drawRandom() % 256;
            colour = RGB(red, green, blue);
        }
    }
};

TEST_F(GamePaintTest, PreGameBoardPaintsEverySquareInTheNextRandomColours) {
    openGameScreen(0);
    const PreGameColours expected(4242);
    seedRandom(4242);
    press(9);
    paint();
    for (int column = 0; column < boardColumns; ++column) {
        for (int row = 0; row < boardRows; ++row) {
            SCOPED_TRACE("column " + std::to_string(column) + " row " + std::to_string(row));
            const COLORREF colour = expected.squares[cellIndex(column, row)];
            const Square square = squareOf(column, row);
            EXPECT_EQ(pixel(square.left, square.top), colour);
            EXPECT_EQ(pixel(square.right - 1, square.bottom - 1), colour);
            EXPECT_EQ(pixel(square.left - 1, square.top), white);
            EXPECT_EQ(pixel(square.left, square.bottom), white);
        }
    }
}

TEST_F(GamePaintTest, PreGameRepaintResetsTheBoard) {
    openGameScreen(3);
    place(2, 0, 3);
    place(2, 1, 4);
    gameState.lastMove = &gameState.cells[cellIndex(2, 1)];
    gameState.currentPlayer = 4;
    gameState.result = resultDrawn;
    InvalidateRect(window, nullptr, TRUE);
    paint();
    for (const Cell& cell : gameState.cells) {
        EXPECT_EQ(cell.owner, 0);
    }
    EXPECT_EQ(gameState.lastMove, nullptr);
    EXPECT_EQ(gameState.currentPlayer, 1);
    EXPECT_EQ(gameState.result, resultDrawn) << "kept until a game starts";
}

TEST_F(GamePaintTest, PreGameBoardShowsItsLinesAndLabels) {
    openGameScreen(1);
    EXPECT_TRUE(showsText(window, "0～8 : スタート", 30, 315));
    EXPECT_TRUE(showsText(window, "←えんい～", 240, 315));
    const char* const expected[controlCount] = {"0", "1", "2", "3",  "4",  "5",
                                                "6", "7", "8", "色", "戻", "\\e"};
    for (int control = 0; control < controlCount; ++control) {
        EXPECT_EQ(label(control), expected[control]) << "control " << control;
    }
}

TEST_F(GamePaintTest, UncoveringPartOfTheBoardRecoloursOnlyThatPartOnScreen) {
    openGameScreen(0);
    const PreGameColours expected(77);
    seedRandom(77);
    press(9);
    paint();
    const COLORREF untouched = centreOf(9, 9);

    const Square corner = squareOf(0, 0);
    const RECT uncovered = {corner.left, corner.top, corner.right, corner.bottom};
    InvalidateRect(window, &uncovered, TRUE);
    paint();

    // The second repaint's first square takes draws 300 to 302 after the seed.
    seedRandom(77);
    for (int draw = 0; draw < 3 * boardSquares; ++draw) {
        drawRandom();
    }
    const int red = drawRandom() % 256;
    const int green = drawRandom() % 256;
    const int blue = drawRandom() % 256;
    EXPECT_EQ(centreOf(0, 0), RGB(red, green, blue)) << "all 100 squares drew new colours";
    EXPECT_EQ(centreOf(9, 9), untouched) << "outside the uncovered part nothing changed";
    EXPECT_EQ(untouched, expected.squares[cellIndex(9, 9)]);
    EXPECT_EQ(gameState.currentPlayer, 1);
}

TEST_F(GamePaintTest, NewGameShowsAWhiteBoardWithoutFrameAndPlayerOnesTurn) {
    startGame(0);
    for (int column = 0; column < boardColumns; ++column) {
        for (int row = 0; row < boardRows; ++row) {
            const Square square = squareOf(column, row);
            EXPECT_EQ(pixel(square.left, square.top), white);
            EXPECT_EQ(centreOf(column, row), white);
        }
    }
    EXPECT_TRUE(showsText(window, "１Ｐの手番です", 30, 315));
    EXPECT_EQ(label(9), "9");
    EXPECT_EQ(label(infoControl), "崩");
    EXPECT_EQ(label(0), "0");
}

TEST_F(GamePaintTest, PiecesFillTheirSquaresExactly) {
    startGame(0);
    place(0, 0, 1);
    place(9, 9, 2);
    place(5, 0, 3);
    gameState.lastMove = &gameState.cells[cellIndex(5, 0)];
    showGame(resultGoingOn, 1);

    const struct {
        int column, row;
        COLORREF colour;
    } pieces[] = {{0, 0, RGB(0, 255, 0)}, {9, 9, RGB(0, 0, 255)}};
    for (const auto& piece : pieces) {
        const Square square = squareOf(piece.column, piece.row);
        EXPECT_EQ(pixel(square.left, square.top), piece.colour);
        EXPECT_EQ(pixel(square.right - 1, square.bottom - 1), piece.colour);
        EXPECT_EQ(pixel(square.left - 1, square.top), white);
        EXPECT_EQ(pixel(square.right, square.top), white);
        EXPECT_EQ(pixel(square.left, square.top - 1), white);
        EXPECT_EQ(pixel(square.left, square.bottom), white);
    }
    EXPECT_EQ(squareOf(0, 0).left, 20);
    EXPECT_EQ(squareOf(9, 9).top, 15);
    EXPECT_EQ(centreOf(1, 0), white) << "empty squares are not drawn";
}

struct PlayerLook {
    int owner;
    COLORREF piece;
    COLORREF frame;
};

class PlayerColoursTest : public GamePaintTest, public ::testing::WithParamInterface<PlayerLook> {};

TEST_P(PlayerColoursTest, PieceAndLastMoveFrameInThePlayersColours) {
    const PlayerLook& look = GetParam();
    startGame(3);
    place(6, 0, look.owner);
    place(4, 0, look.owner);
    gameState.lastMove = &gameState.cells[cellIndex(4, 0)];
    showGame(resultGoingOn, 1);

    const Square other = squareOf(6, 0);
    EXPECT_EQ(pixel(other.left, other.top), look.piece) << "no frame but on the last move";
    EXPECT_EQ(pixel(other.left + 14, other.top + 10), look.piece);

    const Square last = squareOf(4, 0);
    const POINT framePixels[] = {{last.left, last.top},
                                 {last.left + 1, last.top + 1},
                                 {last.right - 1, last.bottom - 1},
                                 {last.right - 2, last.bottom - 2},
                                 {last.left, last.top + 10},
                                 {last.left + 14, last.bottom - 1}};
    for (const POINT& at : framePixels) {
        EXPECT_EQ(pixel(at.x, at.y), look.frame) << at.x << ", " << at.y;
    }
    const POINT fillPixels[] = {{last.left + 2, last.top + 2},
                                {last.right - 3, last.bottom - 3},
                                {last.left + 14, last.top + 10}};
    for (const POINT& at : fillPixels) {
        EXPECT_EQ(pixel(at.x, at.y), look.piece) << at.x << ", " << at.y;
    }
    EXPECT_EQ(pixel(last.left - 1, last.top), white);
    EXPECT_EQ(pixel(last.right, last.bottom - 1), white);
}

INSTANTIATE_TEST_SUITE_P(Players, PlayerColoursTest,
                         ::testing::Values(PlayerLook{1, RGB(0, 255, 0), RGB(0, 102, 255)},
                                           PlayerLook{2, RGB(0, 0, 255), RGB(255, 0, 102)},
                                           PlayerLook{3, RGB(255, 0, 0), RGB(102, 255, 0)},
                                           PlayerLook{4, RGB(153, 153, 153), RGB(0, 0, 0)}),
                         [](const ::testing::TestParamInfo<PlayerLook>& info) {
                             return "Player" + std::to_string(info.param.owner);
                         });

struct StatusLine {
    int32_t result;
    int32_t currentPlayer;
    const char* text;
};

class StatusLineTest : public GamePaintTest, public ::testing::WithParamInterface<StatusLine> {};

TEST_P(StatusLineTest, NamesTheMoverTheWinnerOrTheDraw) {
    startGame(3);
    showGame(GetParam().result, GetParam().currentPlayer);
    EXPECT_TRUE(showsText(window, GetParam().text, 30, 315));
}

std::string statusName(const ::testing::TestParamInfo<StatusLine>& info) {
    return "Result" + std::to_string(info.param.result) + "Player" +
           std::to_string(info.param.currentPlayer);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StatusLineTest,
    ::testing::Values(StatusLine{0, 1, "１Ｐの手番です"}, StatusLine{0, 2, "２Ｐの手番です"},
                      StatusLine{0, 3, "３Ｐの手番です"}, StatusLine{0, 4, "４Ｐの手番です"},
                      StatusLine{0, 7, "４Ｐの手番です"}, StatusLine{1, 1, "勝者：１Ｐ"},
                      StatusLine{1, 2, "勝者：２Ｐ"}, StatusLine{1, 3, "勝者：３Ｐ"},
                      StatusLine{1, 4, "勝者：４Ｐ"}, StatusLine{1, 0, "勝者：４Ｐ"},
                      StatusLine{2, 1, "引き分けです"}, StatusLine{2, 3, "引き分けです"}),
    statusName);

TEST_F(GamePaintTest, WinByPlayerThreeFramesTheCompletingSquare) {
    startGame(2);
    for (int column = 1; column <= 5; ++column) {
        place(column, 0, 3);
    }
    gameState.lastMove = &gameState.cells[cellIndex(3, 0)];
    showGame(resultWon, 3);
    EXPECT_TRUE(showsText(window, "勝者：３Ｐ", 30, 315));
    EXPECT_EQ(pixel(squareOf(3, 0).left, squareOf(3, 0).top), RGB(102, 255, 0));
    EXPECT_EQ(pixel(squareOf(5, 0).left, squareOf(5, 0).top), RGB(255, 0, 0));
}

TEST_F(GamePaintTest, GdiObjectCounterSeesObjectsComeAndGo) {
    const int before = countGdiObjects();
    HBRUSH brushes[10];
    for (HBRUSH& brush : brushes) {
        brush = CreateSolidBrush(RGB(1, 2, 3));
    }
    EXPECT_EQ(countGdiObjects(), before + 10);
    for (HBRUSH brush : brushes) {
        DeleteObject(brush);
    }
    EXPECT_EQ(countGdiObjects(), before);
}

TEST_F(GamePaintTest, RepaintsLeaveNoRegionOrBrushBehind) {
    openGameScreen(1);
    const int before = countGdiObjects();
    for (int repaint = 0; repaint < 20; ++repaint) {
        press(9);
        paint();
    }
    EXPECT_EQ(countGdiObjects(), before) << "pre-game repaints";

    press(0);
    paint();
    for (int column = 0; column < boardColumns; ++column) {
        place(column, 0, 1 + column % 4);
    }
    gameState.lastMove = &gameState.cells[cellIndex(2, 0)];
    const int playing = countGdiObjects();
    for (int repaint = 0; repaint < 20; ++repaint) {
        showGame(resultGoingOn, 1);
    }
    EXPECT_EQ(countGdiObjects(), playing) << "game repaints with pieces and a frame";
    for (const Cell& cell : gameState.cells) {
        EXPECT_EQ(cell.region, nullptr) << "no region outlives its repaint";
    }
}

}  // namespace
