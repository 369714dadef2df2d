// The main window and its message loop. The window's procedure does no work of its own: the active
// screen handles the message and the default handling always follows.
#include "main_window.h"

#include "control_strip.h"
#include "game_screen.h"
#include "menu_screens.h"
#include "screen_switch.h"

const char mainWindowClass[] = "winc";
const char mainWindowCaption[] = "Trovel";

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (activeScreen) {
        case titleScreen: titleScreenProc(window, message, wParam, lParam); break;
        case modeScreen: modeScreenProc(window, message, wParam, lParam); break;
        case gameScreen: gameScreenProc(window, message, wParam, lParam); break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = mainWindowClass;
    return RegisterClassA(&windowClass) != 0;
}

HWND createMainWindow(HINSTANCE instance) {
    return CreateWindowExA(0, mainWindowClass, mainWindowCaption,
                           WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                           CW_USEDEFAULT, mainWindowWidth, mainWindowHeight, nullptr, nullptr,
                           instance, nullptr);
}

void createControlStrip(HWND window, HINSTANCE instance) {
    for (int control = 0; control < controlCount; ++control) {
        const ControlPlace& place = controlStrip[control];
        // The control id travels in the menu handle's place, as for every child window.
        buttonHandles[control] =
            CreateWindowExA(0, "BUTTON", place.firstLabel, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON,
                            place.x, place.y, controlSize, controlSize, window,
                            reinterpret_cast<HMENU>(INT_PTR{control}), instance, nullptr);
    }
}

int runMessageLoop() {
    MSG message = {};
    // Keys are not translated: the game is played with the mouse alone. GetMessageA returns -1
    // only for an invalid window or buffer, never with these arguments; stopping there beats
    // spinning on it.
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int runTrovel(HINSTANCE instance) {
    if (!registerMainWindowClass(instance)) {
        return -1;
    }
    HWND window = createMainWindow(instance);
    if (!window) {
        return -1;
    }
    createControlStrip(window, instance);
    return runMessageLoop();
}
