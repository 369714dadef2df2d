// Helpers shared by the rules tests.
#include "board_fixture.h"

#include "random_source.h"

void loadBoard(const BoardPicture& picture) {
    for (int row = 0; row < boardRows; ++row) {
        const char* line = picture[boardRows - 1 - row];
        for (int column = 0; column < boardColumns; ++column) {
            const char square = line[column];
            gameState.cells[cellIndex(column, row)].owner = square == '.' ? 0 : square - '0';
        }
    }
}

void RulesTest::SetUp() {
    gameState = GameState{};
    seedRandom(1);
}
