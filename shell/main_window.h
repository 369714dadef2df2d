// The main window: its class, the window itself with the control strip, its procedure, and the
// message loop. The entry point runs these steps in order through runTrovel.
#pragma once

#include <windows.h>

extern const char mainWindowClass[];
extern const char mainWindowCaption[];
constexpr int mainWindowWidth = 420;  // outer size, caption and border included
constexpr int mainWindowHeight = 400;

// Hands every message to the active screen's handler, then always to DefWindowProcA.
LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

bool registerMainWindowClass(HINSTANCE instance);

// Fixed size, not resizable, shown at once through WS_VISIBLE. Null on failure.
HWND createMainWindow(HINSTANCE instance);

// The twelve buttons, in id order, into buttonHandles; a failed button is left out.
void createControlStrip(HWND window, HINSTANCE instance);

// Runs until the quit message and returns its exit value.
int runMessageLoop();

// The whole program: -1 when the class or the main window cannot be set up, else the exit value.
int runTrovel(HINSTANCE instance);
