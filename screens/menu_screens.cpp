// The two menu screens: a few lines of text explaining the buttons, and the buttons' effects.
#include "menu_screens.h"

#include "control_strip.h"
#include "copyright_notice.h"
#include "game_state.h"
#include "screen_switch.h"

const char copyrightNotice[] = TROVEL_COPYRIGHT_NOTICE;

namespace {

const ControlLabel titleLabels[] = {
    {0, "ぴ"}, {1, "1"}, {2, "2"}, {3, "3"}, {infoControl, "?"},
};
const char* const titleLines[] = {
    "ぴ : ぴるてな",
    "\\e : えんい～",
    "? : 著作権情報",
};

const ControlLabel modeLabels[] = {
    {0, "PL"}, {1, "C1"}, {2, "C2"}, {3, "C3"}, {9, "9"}, {infoControl, "戻"},
};
const char* const modeLines[] = {
    "PL : 人 vs 人 (LOCAL)",     "C1 : 人 vs CP", "C2 : 人 vs CP vs CP",
    "C3 : 人 vs CP vs CP vs CP", "戻 : 戻る",     "\\e : えんい～",
};

// Mode controls 0 to 3: computer players and players taking turns.
struct Mode {
    int cpCount;
    int playerCount;
};
const Mode modes[] = {{0, 2}, {1, 2}, {2, 3}, {3, 4}};

// Lines two line-heights apart, in the paint DC's own font and colours.
template <int N>
void paintMenu(HWND window, const char* const (&lines)[N]) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    for (int k = 0; k < N; ++k) {
        TextOutA(dc, 40, 30 + 2 * k * metrics.tmHeight, lines[k], lstrlenA(lines[k]));
    }
    EndPaint(window, &paint);
}

void onTitleCommand(HWND window, int control) {
    switch (control) {
        case 0: changeScreen(window, modeScreen); break;
        case infoControl: MessageBoxA(window, copyrightNotice, "著作権", MB_ICONINFORMATION); break;
        case quitControl: PostQuitMessage(0); break;
    }
}

void onModeCommand(HWND window, int control) {
    if (control >= 0 && control <= 3) {
        gameState.cpCount = modes[control].cpCount;
        gameState.playerCount = modes[control].playerCount;
        changeScreen(window, gameScreen);
    } else if (control == infoControl) {
        changeScreen(window, titleScreen);
    } else if (control == quitControl) {
        PostQuitMessage(0);
    }
}

}  // namespace

LRESULT CALLBACK titleScreenProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_COMMAND: onTitleCommand(window, LOWORD(wParam)); break;
        case WM_PAINT:
            setLabels(titleLabels);
            paintMenu(window, titleLines);
            break;
        case WM_DESTROY: PostQuitMessage(0); break;
    }
    return 0;
}

LRESULT CALLBACK modeScreenProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_COMMAND: onModeCommand(window, LOWORD(wParam)); break;
        case WM_PAINT:
            setLabels(modeLabels);
            paintMenu(window, modeLines);
            break;
        case WM_DESTROY: PostQuitMessage(0); break;
    }
    return 0;
}
