// Stays on the Wine desktop of a test run until it is ended, so that the desktop stays open
// between the run's window programs (see wine-run --start-server).
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    GetDesktopWindow();  // joins the desktop
    Sleep(INFINITE);
    return 0;
}
