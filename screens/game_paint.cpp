// Painting the game screen. Every region and brush lives only for the repaint, or the single
// fill or frame, that uses it.
#include <type_traits>

#include "control_strip.h"
#include "game_screen.h"
#include "game_state.h"
#include "random_source.h"

// The game record stores regions under its own name for the platform's handle type.
static_assert(std::is_same_v<RegionHandle, HRGN>, "RegionHandle must be the platform's HRGN");

namespace {

struct PlayerColours {
    COLORREF piece;
    COLORREF lastMoveFrame;
};

// Indexed by owner - 1.
const PlayerColours playerColours[] = {
    {RGB(0, 255, 0), RGB(0, 102, 255)},
    {RGB(0, 0, 255), RGB(255, 0, 102)},
    {RGB(255, 0, 0), RGB(102, 255, 0)},
    {RGB(153, 153, 153), RGB(0, 0, 0)},
};

constexpr int statusX = 30;
constexpr int statusY = 315;

// Indexed by player - 1; any player beyond 3 reads as 4P.
const char* const winnerTexts[] = {"勝者：１Ｐ", "勝者：２Ｐ", "勝者：３Ｐ", "勝者：４Ｐ"};
const char* const turnTexts[] = {"１Ｐの手番です", "２Ｐの手番です", "３Ｐの手番です",
                                 "４Ｐの手番です"};

const ControlLabel columnLabels[] = {{0, "0"}, {1, "1"}, {2, "2"}, {3, "3"}};
const ControlLabel preGameLabels[] = {{9, "色"}, {infoControl, "戻"}};
const ControlLabel gameLabels[] = {{9, "9"}, {infoControl, "崩"}};

void textOut(HDC dc, int x, int y, const char* text) {
    TextOutA(dc, x, y, text, lstrlenA(text));
}

const char* statusText() {
    if (gameState.result == resultDrawn) {
        return "引き分けです";
    }
    const int player = gameState.currentPlayer;
    const int index = (player >= 1 && player <= 3) ? player - 1 : 3;
    return gameState.result == resultWon ? winnerTexts[index] : turnTexts[index];
}

const PlayerColours* coloursOf(int owner) {
    return (owner >= 1 && owner <= 4) ? &playerColours[owner - 1] : nullptr;
}

// Square c, r spans x 20 + 38c to 48 + 38c and y 240 - 25r to 260 - 25r, row 0 at the bottom.
void createSquareRegions() {
    for (int column = 0; column < boardColumns; ++column) {
        for (int row = 0; row < boardRows; ++row) {
            gameState.cells[cellIndex(column, row)].region =
                CreateRectRgn(20 + 38 * column, 240 - 25 * row, 48 + 38 * column, 260 - 25 * row);
        }
    }
}

void deleteSquareRegions() {
    for (Cell& cell : gameState.cells) {
        DeleteObject(cell.region);
        cell.region = nullptr;  // no stale handle survives the repaint
    }
}

void fillRegion(HDC dc, HRGN region, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRgn(dc, region, brush);
    DeleteObject(brush);
}

void frameRegion(HDC dc, HRGN region, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FrameRgn(dc, region, brush, 2, 2);
    DeleteObject(brush);
}

// Every square in new random colours; then the board is made ready for the next game.
void paintPreGameBoard(HDC dc) {
    setLabels(preGameLabels);
    textOut(dc, statusX, statusY, "0～8 : スタート");
    textOut(dc, 240, statusY, "←えんい～");
    for (Cell& cell : gameState.cells) {
        const int red = drawRandom() % 256;
        const int green = drawRandom() % 256;
        const int blue = drawRandom() % 256;
        fillRegion(dc, cell.region, RGB(red, green, blue));
    }
    resetBoard();
}

// Empty squares stay white; the last move gets a 2-pixel frame over its fill.
void paintGameBoard(HDC dc) {
    setLabels(gameLabels);
    textOut(dc, statusX, statusY, statusText());
    for (Cell& cell : gameState.cells) {
        if (const PlayerColours* colours = coloursOf(cell.owner)) {
            fillRegion(dc, cell.region, colours->piece);
        }
    }
    if (gameState.lastMove) {
        if (const PlayerColours* colours = coloursOf(gameState.lastMove->owner)) {
            frameRegion(dc, gameState.lastMove->region, colours->lastMoveFrame);
        }
    }
}

}  // namespace

void paintGameScreen(HWND window) {
    setLabels(columnLabels);  // the menus had replaced them
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    createSquareRegions();
    if (!gameState.inProgress) {
        paintPreGameBoard(dc);
    } else {
        paintGameBoard(dc);
    }
    EndPaint(window, &paint);
    deleteSquareRegions();
}
