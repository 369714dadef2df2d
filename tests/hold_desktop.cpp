// Stays on the Wine desktop of a test run until it is ended, so that the desktop stays open
// between the run's window programs (see wine-run --start-server). Its argument names a file it
// creates once it is on the desktop.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR readyFile, int) {
    GetDesktopWindow();  // joins the desktop, opening it if need be
    if (readyFile[0] != '\0') {
        HANDLE file = CreateFileA(readyFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
        }
    }
    Sleep(INFINITE);
    return 0;
}
