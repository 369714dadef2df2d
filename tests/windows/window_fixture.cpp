// The window tests' fixture and the helpers that read what the user sees.
#include "window_fixture.h"

#include <winternl.h>

#include "control_strip.h"
#include "game_screen.h"
#include "game_state.h"
#include "main_window.h"
#include "random_source.h"
#include "screen_switch.h"

void WindowTest::SetUp() {
    ASSERT_EQ(GetACP(), japaneseCodePage)
        << "the ANSI code page must be 932 (Japanese) for the game's texts: run Wine with "
           "LC_ALL=ja_JP.UTF-8";
    gameState = GameState{};
    seedRandom(20261210);
    activeScreen = titleScreen;
    ASSERT_TRUE(registerMainWindowClass(instance));
    window = createMainWindow(instance);
    ASSERT_NE(window, nullptr);
    createControlStrip(window, instance);
}

void WindowTest::TearDown() {
    if (window && IsWindow(window)) {
        KillTimer(window, 1);
        DestroyWindow(window);
    }
    UnregisterClassA(mainWindowClass, instance);
    for (HWND& button : buttonHandles) {
        button = nullptr;
    }
    drainMessages();
}

void WindowTest::press(int control) {
    HWND button = control >= 0 && control < controlCount ? buttonHandles[control] : nullptr;
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(control, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

void WindowTest::tick(UINT_PTR timerId) {
    SendMessageA(window, WM_TIMER, timerId, 0);
}

void WindowTest::paint() {
    UpdateWindow(window);
}

bool WindowTest::repaintPending() {
    return GetUpdateRect(window, nullptr, FALSE) != 0;
}

// A window timer exists exactly when it can still be killed.
bool WindowTest::computerTimerRunning() {
    return KillTimer(window, computerTurnTimer) != 0;
}

std::string WindowTest::label(int control) {
    char text[64] = {};
    GetWindowTextA(buttonHandles[control], text, sizeof text);
    return text;
}

bool WindowTest::enabled(int control) {
    return IsWindowEnabled(buttonHandles[control]) != 0;
}

COLORREF WindowTest::pixel(int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

void WindowTest::loadAlmostFullBoard(TopSquare top) {
    // Pairs of columns alternate owners row by row: a full board of this has no line.
    for (int column = 0; column < boardColumns; ++column) {
        for (int row = 0; row < boardRows; ++row) {
            const bool open = column == 9 && row >= 8;
            gameState.cells[cellIndex(column, row)].owner = open ? 0 : (column / 2 + row) % 2 + 1;
        }
    }
    if (top == TopSquare::completesALine) {
        for (int column = 5; column <= 8; ++column) {
            gameState.cells[cellIndex(column, 9)].owner = 2;
        }
        gameState.cells[cellIndex(4, 9)].owner = 1;
    }
}

void WindowTest::openGameScreen(int modeControl) {
    paint();
    press(0);
    paint();
    press(modeControl);
    paint();
}

void WindowTest::startGame(int modeControl) {
    openGameScreen(modeControl);
    press(0);
    paint();
}

::testing::AssertionResult showsText(HWND window, const char* text, int x, int y) {
    HDC windowDc = GetDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    SIZE size = {};
    GetTextExtentPoint32A(memoryDc, text, lstrlenA(text), &size);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, size.cx, size.cy);
    HGDIOBJ previous = SelectObject(memoryDc, bitmap);
    PatBlt(memoryDc, 0, 0, size.cx, size.cy, WHITENESS);
    TextOutA(memoryDc, 0, 0, text, lstrlenA(text));

    int inked = 0;
    int differing = 0;
    POINT firstDifference = {};
    for (int row = 0; row < size.cy; ++row) {
        for (int column = 0; column < size.cx; ++column) {
            const COLORREF expected = GetPixel(memoryDc, column, row);
            if (expected != RGB(255, 255, 255)) {
                ++inked;
            }
            if (GetPixel(windowDc, x + column, y + row) != expected && differing++ == 0) {
                firstDifference = {x + column, y + row};
            }
        }
    }
    SelectObject(memoryDc, previous);
    DeleteObject(bitmap);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);

    if (inked == 0) {
        return ::testing::AssertionFailure()
               << "the text draws nothing: " << size.cx << "x" << size.cy;
    }
    if (differing != 0) {
        return ::testing::AssertionFailure()
               << differing << " of " << size.cx * size.cy << " pixels differ at (" << x << ", "
               << y << "), first at (" << firstDifference.x << ", " << firstDifference.y << ")";
    }
    return ::testing::AssertionSuccess();
}

int lineHeight(HWND window) {
    HDC dc = GetDC(window);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    ReleaseDC(window, dc);
    return metrics.tmHeight;
}

int countGdiObjects() {
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0) {
        return static_cast<int>(reported);
    }
    // Wine answers 0 above. Its GDI keeps the process's handle table where Windows keeps its own,
    // behind the PEB: 65536 entries of 24 bytes, a live object's with a non-zero type.
    struct HandleEntry {
        UINT64 object;
        ULONG owner;
        USHORT unique;
        UCHAR type;
        UCHAR flags;
        UINT64 userPointer;
    };
    static_assert(sizeof(HandleEntry) == 24);
#ifdef _WIN64
    constexpr size_t handleTableOffset = 0xF8;
#else
    constexpr size_t handleTableOffset = 0x94;
#endif
    PROCESS_BASIC_INFORMATION process = {};
    NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process,
                              sizeof process, nullptr);
    const auto* peb = reinterpret_cast<const BYTE*>(process.PebBaseAddress);
    const auto* table = *reinterpret_cast<const HandleEntry* const*>(peb + handleTableOffset);
    int live = 0;
    for (int index = 0; index < 0x10000; ++index) {
        if (table[index].type != 0) {
            ++live;
        }
    }
    return live;
}

namespace {

HWND boxOwner;
InformationBox* watchedBox;
UINT_PTR boxTimer;

std::string windowText(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

BOOL CALLBACK findLongestStatic(HWND child, LPARAM found) {
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    auto* longest = reinterpret_cast<std::string*>(found);
    if (lstrcmpiA(className, "Static") == 0 && windowText(child).size() > longest->size()) {
        *longest = windowText(child);
    }
    return TRUE;
}

BOOL CALLBACK findDialog(HWND candidate, LPARAM found) {
    char className[32] = {};
    GetClassNameA(candidate, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(candidate)) {
        *reinterpret_cast<HWND*>(found) = candidate;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK lookForBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&box));
    if (!box || box == watchedBox->lastClosed) {
        return;
    }
    // The first box is recorded; every box is closed.
    if (!watchedBox->seen) {
        watchedBox->seen = true;
        watchedBox->title = windowText(box);
        EnumChildWindows(box, findLongestStatic, reinterpret_cast<LPARAM>(&watchedBox->text));
        watchedBox->ownerDisabled = !IsWindowEnabled(boxOwner);
    }
    ++watchedBox->count;
    watchedBox->lastClosed = box;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

}  // namespace

void startWatchingForBox(HWND owner, InformationBox* box) {
    boxOwner = owner;
    watchedBox = box;
    boxTimer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, lookForBox);
}

void stopWatchingForBox() {
    KillTimer(nullptr, boxTimer);
    watchedBox = nullptr;
}

void drainMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_PAINT) {
            ValidateRect(message.hwnd, nullptr);
        }
    }
}

bool takeQuitMessage(WPARAM* exitValue) {
    MSG message;
    if (!PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        return false;
    }
    if (exitValue) {
        *exitValue = message.wParam;
    }
    return true;
}
