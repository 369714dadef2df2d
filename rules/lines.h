// Finding a line of five and a full board.
#pragma once

#include <cstdint>

// resultWon when five equal pieces stand in a straight line anywhere on the board, else
// resultDrawn when no square is empty, else resultGoingOn. Reads the board only.
int32_t checkLines();
