// The one game record of the run: mode, players, turn, outcome, the board and the last move,
// with the board operations that human and computer moves share.
#pragma once

#include <cstdint>

// Each square keeps its on-screen region while one repaint of the game screen lasts. The rules
// never touch it, but the record must hold the platform's own handle type without pulling in the
// Windows headers. With STRICT handles, the default of the Windows SDK and of MinGW-w64, HRGN is
// a pointer to the incomplete struct HRGN__, so declaring that struct names the very same type;
// the painting code checks the equivalence at compile time.
struct HRGN__;
using RegionHandle = HRGN__*;

constexpr int boardColumns = 10;
constexpr int boardRows = 10;
constexpr int boardSquares = boardColumns * boardRows;

// Result codes of checkLines and GameState::result.
constexpr int32_t resultGoingOn = 0;
constexpr int32_t resultWon = 1;
constexpr int32_t resultDrawn = 2;

struct Cell {
    int32_t owner = 0;  // 0 empty, 1 to 4 the player whose piece fills the square
    RegionHandle region = nullptr;
};

struct GameState {
    int32_t cpCount = 0;      // computer players; only ever compared with zero
    int32_t playerCount = 0;  // players taking turns, 2 to 4
    bool inProgress = false;  // false: the game screen shows the pre-game board
    int32_t currentPlayer = 0;
    int32_t result = resultGoingOn;
    Cell cells[boardSquares];  // index = column * 10 + row, row 0 at the bottom
    Cell* lastMove = nullptr;

    GameState();
};

// Built during static initialisation, before any window exists, and never destroyed.
extern GameState gameState;

inline int cellIndex(int column, int row) {
    return column * boardRows + row;
}
inline int columnOf(const Cell* cell) {
    return static_cast<int>(cell - gameState.cells) / boardRows;
}

// Drops a piece of currentPlayer into the lowest empty square of the column and makes it the last
// move. Returns false, changing nothing, when the column is full or not on the board.
bool dropPiece(int column);

// Passes the turn to the next player, from the last one back to player 1.
void advanceTurn();

// Empties the board for the next game, with player 1 to move.
void resetBoard();
