// The smallest honest Win32 window program: one class, one window, a message loop. It is the
// yardstick for the game's size, start-up time and memory, built with the same toolchain and flags.
#include <windows.h>

namespace {

LRESULT CALLBACK minimalWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = minimalWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "minimal";
    if (!RegisterClassA(&windowClass)) {
        return -1;
    }
    HWND window = CreateWindowExA(0, "minimal", "minimal", WS_VISIBLE | WS_CAPTION | WS_SYSMENU,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 420, 400, nullptr, nullptr,
                                  instance, nullptr);
    if (!window) {
        return -1;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
