// What a player feels, measured in the game's own process on its real main window:
//  - press to picture: a column press (SendMessage) until the repaint showing the piece is done
//    (UpdateWindow), beside an empty WM_PAINT round trip of the same window;
//  - the computer players' pace over a whole C3 game on the real 300 ms timer;
//  - idle cost: CPU time and messages while left alone on each screen.
// Prints "name value" lines for tools/bench.sh.
//   feel_bench.exe [--presses N (1000)] [--idle-seconds S (5)]
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "control_strip.h"
#include "game_screen.h"
#include "game_state.h"
#include "main_window.h"
#include "screen_switch.h"

namespace {

HWND window = nullptr;
WNDPROC gameProc = nullptr;
LARGE_INTEGER frequency;
int timerMessages = 0;          // WM_TIMER messages the window received
bool emptyPainting = false;     // WM_PAINT only validates, for the reference round trip
std::vector<double> cpMoveAt;   // when each computer move was made, in ms
std::vector<bool> humanBefore;  // whether a human move came between it and the previous one
bool humanMovedSinceLastCp = false;

double nowMs() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int piecesOnBoard() {
    int pieces = 0;
    for (const Cell& cell : gameState.cells) {
        pieces += cell.owner != 0;
    }
    return pieces;
}

// Watches the window's messages without changing what the game does with them.
LRESULT CALLBACK watchingProc(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && emptyPainting) {
        PAINTSTRUCT paint;
        BeginPaint(target, &paint);
        EndPaint(target, &paint);
        return 0;
    }
    if (message != WM_TIMER) {
        return CallWindowProcA(gameProc, target, message, wParam, lParam);
    }
    ++timerMessages;
    const int before = piecesOnBoard();
    const LRESULT result = CallWindowProcA(gameProc, target, message, wParam, lParam);
    if (piecesOnBoard() > before) {
        cpMoveAt.push_back(nowMs());
        humanBefore.push_back(humanMovedSinceLastCp);
        humanMovedSinceLastCp = false;
    }
    return result;
}

void press(int control) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(control, BN_CLICKED),
                 reinterpret_cast<LPARAM>(buttonHandles[control]));
}

// Handles whatever is waiting, repaints included, without waiting for more.
void settle() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            continue;
        }
        DispatchMessageA(&message);
    }
    UpdateWindow(window);
}

// From wherever the window is, back to the title screen; then into a game of the mode.
void toTitle() {
    for (int step = 0; step < 4 && activeScreen != titleScreen; ++step) {
        if (activeScreen == gameScreen && gameState.inProgress) {
            KillTimer(window, computerTurnTimer);
        }
        press(infoControl);
        settle();
    }
}
void openPreGame(int modeControl) {
    toTitle();
    press(0);
    settle();
    press(modeControl);
    settle();
}
void startGame(int modeControl) {
    openPreGame(modeControl);
    press(0);
    settle();
}

int openColumn() {
    for (int column = 0; column < boardColumns; ++column) {
        if (gameState.cells[cellIndex(column, boardRows - 1)].owner == 0) {
            return column;
        }
    }
    return -1;
}

double cpuMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](FILETIME time) {
        return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

struct Spread {
    double median, p99;
};
Spread spreadOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2],
            values[std::min(values.size() - 1, values.size() * 99 / 100)]};
}

void measurePresses(int presses) {
    std::vector<double> pressTimes, emptyTimes;
    startGame(0);  // PL: every press is a move, no timer
    const double cpuBefore = cpuMs();
    int column = 0;
    while (static_cast<int>(pressTimes.size()) < presses) {
        if (gameState.result != resultGoingOn || openColumn() < 0) {
            press(infoControl);  // abandon, and start again
            settle();
            press(0);
            settle();
        }
        column = (column + 3) % boardColumns;  // spreads the pieces over the board
        if (gameState.cells[cellIndex(column, boardRows - 1)].owner != 0) {
            continue;
        }
        const double start = nowMs();
        press(column);
        UpdateWindow(window);
        pressTimes.push_back(nowMs() - start);

        emptyPainting = true;
        const double emptyStart = nowMs();
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
        emptyTimes.push_back(nowMs() - emptyStart);
        emptyPainting = false;
        InvalidateRect(window, nullptr, TRUE);  // the game's own picture again, untimed
        UpdateWindow(window);
    }
    const Spread press = spreadOf(pressTimes), empty = spreadOf(emptyTimes);
    std::printf("presses %zu\n", pressTimes.size());
    // Shows that the process CPU clock runs at all, so that the idle rows' zeros mean something.
    std::printf("press_run_cpu_ms %.1f\n", cpuMs() - cpuBefore);
    std::printf("press_median_ms %.3f\npress_p99_ms %.3f\n", press.median, press.p99);
    std::printf("empty_paint_median_ms %.3f\nempty_paint_p99_ms %.3f\n", empty.median, empty.p99);
}

void measurePace() {
    startGame(3);
    cpMoveAt.clear();
    humanBefore.clear();
    const double giveUp = nowMs() + 120000;
    while (gameState.result == resultGoingOn && nowMs() < giveUp) {
        if (gameState.currentPlayer == 1 && IsWindowEnabled(buttonHandles[0])) {
            int column = (piecesOnBoard() * 7) % boardColumns;  // spreads the human's pieces
            if (gameState.cells[cellIndex(column, boardRows - 1)].owner != 0) {
                column = openColumn();
            }
            if (column < 0) {
                break;
            }
            humanMovedSinceLastCp = true;
            press(column);
            continue;
        }
        MSG message;
        if (GetMessageA(&message, nullptr, 0, 0) > 0) {
            DispatchMessageA(&message);
        }
    }
    std::vector<double> intervals;
    for (size_t move = 1; move < cpMoveAt.size(); ++move) {
        if (!humanBefore[move]) {
            intervals.push_back(cpMoveAt[move] - cpMoveAt[move - 1]);
        }
    }
    double sum = 0, squares = 0;
    for (double interval : intervals) {
        sum += interval;
    }
    const double mean = intervals.empty() ? 0 : sum / static_cast<double>(intervals.size());
    for (double interval : intervals) {
        squares += (interval - mean) * (interval - mean);
    }
    std::printf("pace_computer_moves %zu\npace_intervals %zu\n", cpMoveAt.size(), intervals.size());
    if (!intervals.empty()) {
        std::printf("pace_mean_ms %.1f\npace_sd_ms %.1f\n", mean,
                    std::sqrt(squares / static_cast<double>(intervals.size())));
        std::printf("pace_min_ms %.1f\npace_max_ms %.1f\n",
                    *std::min_element(intervals.begin(), intervals.end()),
                    *std::max_element(intervals.begin(), intervals.end()));
    }
    std::printf("pace_game_result %d\n", gameState.result);
}

// Leaves the process alone, only answering what arrives, and reports what it cost.
void measureIdle(const char* state, double seconds) {
    settle();
    const int timersBefore = timerMessages;
    int messages = 0;
    const double cpuBefore = cpuMs();
    const double end = nowMs() + seconds * 1000;
    for (double now = nowMs(); now < end; now = nowMs()) {
        const DWORD wait = static_cast<DWORD>(end - now) + 1;
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT) == WAIT_OBJECT_0) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                ++messages;
                DispatchMessageA(&message);
            }
        }
    }
    std::printf("idle %s cpu_ms %.1f timers %d messages %d\n", state, cpuMs() - cpuBefore,
                timerMessages - timersBefore, messages);
}

void measureIdleCosts(double seconds) {
    toTitle();
    measureIdle("title", seconds);
    press(0);
    measureIdle("mode", seconds);
    openPreGame(1);
    measureIdle("pre-game", seconds);
    press(0);
    measureIdle("game,player-1-to-move", seconds);

    // A C1 move and the computer's answer on the real timer, then alone again.
    press(4);
    const double giveUp = nowMs() + 5000;
    while (!IsWindowEnabled(buttonHandles[0]) && nowMs() < giveUp) {
        MSG message;
        if (GetMessageA(&message, nullptr, 0, 0) > 0) {
            DispatchMessageA(&message);
        }
    }
    measureIdle("after-computer-turns", seconds);

    startGame(0);  // PL, player 1 completes the bottom row
    const int columns[] = {0, 0, 1, 1, 2, 2, 3, 3, 4};
    for (int column : columns) {
        press(column);
        settle();
    }
    std::printf("finished_game_result %d\n", gameState.result);
    measureIdle("finished-game", seconds);
}

}  // namespace

int main(int count, char** arguments) {
    int presses = 1000;
    double idleSeconds = 5;
    for (int index = 1; index + 1 < count; index += 2) {
        if (std::strcmp(arguments[index], "--presses") == 0) {
            presses = std::max(1, std::atoi(arguments[index + 1]));
        } else if (std::strcmp(arguments[index], "--idle-seconds") == 0) {
            idleSeconds = std::atof(arguments[index + 1]);
        }
    }
    QueryPerformanceFrequency(&frequency);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!registerMainWindowClass(instance) || !(window = createMainWindow(instance))) {
        std::printf("feel_bench: cannot create the main window\n");
        return 1;
    }
    createControlStrip(window, instance);
    gameProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(watchingProc)));
    settle();

    DWORD adjustment = 0, increment = 0;
    BOOL disabled = FALSE;
    GetSystemTimeAdjustment(&adjustment, &increment, &disabled);
    std::printf("clock_tick_ms %.3f\n", increment / 10000.0);

    measurePresses(presses);
    measurePace();
    measureIdleCosts(idleSeconds);
    std::fflush(stdout);
    DestroyWindow(window);
    return 0;
}
