// The real main window for every window test, created through the shell's own steps, with helpers
// that act as the platform does (messages) and look as the user does (labels, states, pixels).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// The game's texts are Shift-JIS; these tests only run where the ANSI code page is 932.
constexpr UINT japaneseCodePage = 932;

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A button press as the button itself reports it.
    void press(int control);
    // A tick of the computer players' timer, without waiting for the real one.
    void tick(UINT_PTR timerId = 1);
    // Delivers a pending WM_PAINT now.
    void paint();
    bool repaintPending();
    // Whether the computer players' timer was running; it is not any more.
    bool computerTimerRunning();

    std::string label(int control);
    bool enabled(int control);
    COLORREF pixel(int x, int y);

    // A board full but for column 9's top two squares, with no line: the human's move takes row 8,
    // and the computer's only move, row 9, either completes player 2's line across the top row or
    // fills the board.
    enum class TopSquare { completesALine, fillsTheBoard };
    void loadAlmostFullBoard(TopSquare top);

    // Title, mode selection, then the mode's control: the game screen's pre-game board, painted.
    void openGameScreen(int modeControl);
    // ... and a game started with controls 0 to 8, painted.
    void startGame(int modeControl);

    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND window = nullptr;
};

// The client pixels at (x, y) look exactly like the text drawn with TextOutA in a fresh memory DC
// with its default font and colours, and the text is not blank.
::testing::AssertionResult showsText(HWND window, const char* text, int x, int y);

// Line height of the paint DC's default font.
int lineHeight(HWND window);

// Live GDI objects of this process.
int countGdiObjects();

// Runs the action while a timer of this thread watches for the information boxes it opens, records
// the first box's title and text and whether the main window was disabled meanwhile, and presses
// OK on every box.
struct InformationBox {
    bool seen = false;  // title, text and ownerDisabled describe the first box
    std::string title;
    std::string text;
    bool ownerDisabled = false;
    int count = 0;  // boxes closed
    HWND lastClosed = nullptr;
};
template <typename Action>
InformationBox watchInformationBox(HWND owner, Action action);

void startWatchingForBox(HWND owner, InformationBox* box);
void stopWatchingForBox();

template <typename Action>
InformationBox watchInformationBox(HWND owner, Action action) {
    InformationBox box;
    startWatchingForBox(owner, &box);
    action();
    stopWatchingForBox();
    return box;
}

// Removes every message waiting for this thread, the quit message included.
void drainMessages();

// A quit message waits in this thread's queue; removes it and reports its exit value.
bool takeQuitMessage(WPARAM* exitValue = nullptr);
