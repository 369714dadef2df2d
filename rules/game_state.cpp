// The game record and the board operations shared by human and computer moves.
#include "game_state.h"

#include <ctime>

#include "random_source.h"

GameState gameState;

GameState::GameState() {
    // The only seeding of the run: every pre-game board and every computer move draws from here.
    seedRandom(static_cast<uint32_t>(std::time(nullptr)));
}

bool dropPiece(int column) {
    if (column < 0 || column >= boardColumns) {
        return false;
    }
    for (int row = 0; row < boardRows; ++row) {
        Cell& cell = gameState.cells[cellIndex(column, row)];
        if (cell.owner == 0) {
            cell.owner = gameState.currentPlayer;
            gameState.lastMove = &cell;
            return true;
        }
    }
    return false;
}

void advanceTurn() {
    if (gameState.currentPlayer == gameState.playerCount) {
        gameState.currentPlayer = 1;
    } else {
        gameState.currentPlayer += 1;
    }
}

void resetBoard() {
    for (Cell& cell : gameState.cells) {
        cell.owner = 0;
    }
    gameState.lastMove = nullptr;
    gameState.currentPlayer = 1;
}
