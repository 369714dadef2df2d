// Line detection: four passes over the board (across, upward, falling and rising diagonals),
// each with its start squares, then the search for an empty square.
#include "lines.h"

#include <cassert>

#include "game_state.h"

namespace {

struct LinePass {
    int firstColumn, lastColumn;
    int firstRow, lastRow;
    int columnStep, rowStep;
};

// Start squares are exactly those whose five squares lie on the board.
constexpr LinePass linePasses[] = {
    {0, 5, 0, 9, 1, 0},   // across
    {0, 9, 0, 5, 0, 1},   // upward
    {0, 5, 4, 9, 1, -1},  // falling diagonal
    {0, 5, 0, 5, 1, 1},   // rising diagonal
};

// With index = column * 10 + row, a square past an edge is still an index: row 10 of a column is
// row 0 of the next one, and column 10 lies past the board. Every square a pass reads must be on
// the board, and debug builds stop at once when one is not.
int ownerAt(int column, int row) {
    assert(column >= 0 && column < boardColumns && row >= 0 && row < boardRows);
    return gameState.cells[cellIndex(column, row)].owner;
}

bool lineStartsAt(int column, int row, int columnStep, int rowStep) {
    const int owner = ownerAt(column, row);
    if (owner == 0) {
        return false;
    }
    for (int k = 1; k < 5; ++k) {
        if (ownerAt(column + k * columnStep, row + k * rowStep) != owner) {
            return false;
        }
    }
    return true;
}

}  // namespace

int32_t checkLines() {
    for (const LinePass& pass : linePasses) {
        for (int column = pass.firstColumn; column <= pass.lastColumn; ++column) {
            for (int row = pass.firstRow; row <= pass.lastRow; ++row) {
                if (lineStartsAt(column, row, pass.columnStep, pass.rowStep)) {
                    return resultWon;
                }
            }
        }
    }
    for (const Cell& cell : gameState.cells) {
        if (cell.owner == 0) {
            return resultGoingOn;
        }
    }
    return resultDrawn;
}
