// The computer player aims within two columns of the last move nine times in ten, and anywhere on
// the board the tenth time. It neither builds its own lines nor blocks anyone else's.
#include "computer_player.h"

#include "game_state.h"
#include "lines.h"
#include "random_source.h"

namespace {

constexpr int offBoard = -1;

// An aim off the board, next to an edge, is thrown away and the whole choice drawn again,
// the nine-in-ten test included. Without a last move the near aim never lands.
int chooseColumn() {
    int column = offBoard;
    while (column < 0 || column >= boardColumns) {
        if (drawRandom() % 10 != 0) {
            const int offset = drawRandom() % 5 - 2;
            column = gameState.lastMove ? columnOf(gameState.lastMove) + offset : offBoard;
        } else {
            column = drawRandom() % boardColumns;
        }
    }
    return column;
}

}  // namespace

bool cpMove() {
    if (!dropPiece(chooseColumn())) {
        return false;
    }
    gameState.result = checkLines();
    if (gameState.result == resultGoingOn) {
        advanceTurn();
    }
    return true;
}
