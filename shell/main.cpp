// Trovel's entry point. The game record already exists: it is built during static initialisation.
#include <windows.h>

#include "main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return runTrovel(instance);
}
