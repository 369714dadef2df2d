// The computer player: a random move, mostly near the last move.
#pragma once

// One attempt to move for currentPlayer. False, changing nothing, when the chosen column was full;
// callers repeat until it returns true, which they may only do while a square is empty.
bool cpMove();
