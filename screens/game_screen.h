// The game screen: starting, playing and abandoning a game, the computer players' turns on the
// window timer, and the board's painting.
#pragma once

#include <windows.h>

// The computer players' turns: one move each tick of this window timer.
constexpr UINT_PTR computerTurnTimer = 1;
constexpr UINT computerTurnMilliseconds = 300;

LRESULT CALLBACK gameScreenProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// WM_PAINT of the game screen: the pre-game board in random colours (which also resets the board
// for the next game), or the pieces, the frame of the last move and the status line.
void paintGameScreen(HWND window);
