// The screen switch: one number, and a whole-window repaint whenever it changes.
#include "screen_switch.h"

int32_t activeScreen = titleScreen;

void repaint(HWND window) {
    InvalidateRect(window, nullptr, TRUE);
}

void changeScreen(HWND window, int32_t screen) {
    activeScreen = screen;
    repaint(window);
}
