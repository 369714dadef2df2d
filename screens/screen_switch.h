// Which of the three screens the main window shows, and how a screen hands over to another.
#pragma once

#include <windows.h>

#include <cstdint>

constexpr int32_t titleScreen = 0;
constexpr int32_t modeScreen = 1;
constexpr int32_t gameScreen = 2;

// The screen whose handler receives the main window's messages.
extern int32_t activeScreen;

// Asks for a repaint of the whole window on the white background; the drawing, and every label
// change that goes with it, happens in the next WM_PAINT.
void repaint(HWND window);

// Switches screens; the new screen sets its labels and draws itself when the repaint arrives.
void changeScreen(HWND window, int32_t screen);
