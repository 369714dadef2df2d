// The title screen and the mode-selection screen.
#pragma once

#include <windows.h>

// Shown in the title screen's information box.
extern const char copyrightNotice[];

LRESULT CALLBACK titleScreenProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK modeScreenProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
