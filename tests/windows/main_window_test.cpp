// The main window as created by the shell, its procedure's hand-over to the screens, and the
// entry's exit values.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "control_strip.h"
#include "game_state.h"
#include "main_window.h"
#include "screen_switch.h"
#include "window_fixture.h"

namespace {

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, FixedSizeWindowWithCaptionAndNoSizing) {
    RECT outer = {};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, 420);
    EXPECT_EQ(outer.bottom - outer.top, 400);

    char text[32] = {};
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "Trovel");
    GetClassNameA(window, text, sizeof text);
    EXPECT_STREQ(text, "winc");

    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
}

TEST_F(MainWindowTest, ClassPaintsWhiteAndRedrawsWholly) {
    WNDCLASSA windowClass = {};
    ASSERT_TRUE(GetClassInfoA(instance, "winc", &windowClass));
    EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(windowClass.hbrBackground, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(windowClass.lpfnWndProc, mainWindowProc);
    EXPECT_EQ(windowClass.cbClsExtra, 0);
    EXPECT_EQ(windowClass.cbWndExtra, 0);
    EXPECT_EQ(windowClass.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(windowClass.hIcon, LoadIconA(nullptr, IDI_APPLICATION));
}

TEST_F(MainWindowTest, TwelvePushButtonsAtTheirPlacesWithTheirFirstLabels) {
    const char* const firstLabels[controlCount] = {"0", "1", "2", "3", "4", "5",
                                                   "6", "7", "8", "9", "?", "\\e"};
    const POINT places[controlCount] = {{20, 280},  {58, 280},  {96, 280},  {134, 280},
                                        {172, 280}, {210, 280}, {248, 280}, {286, 280},
                                        {324, 280}, {362, 280}, {172, 310}, {210, 310}};
    for (int control = 0; control < controlCount; ++control) {
        SCOPED_TRACE("control " + std::to_string(control));
        HWND button = buttonHandles[control];
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(GetDlgItem(window, control), button);
        EXPECT_EQ(GetParent(button), window);
        char className[32] = {};
        GetClassNameA(button, className, sizeof className);
        EXPECT_EQ(lstrcmpiA(className, "Button"), 0) << className;
        const LONG style = GetWindowLongA(button, GWL_STYLE);
        EXPECT_TRUE(style & WS_CHILD);
        EXPECT_TRUE(style & WS_VISIBLE);
        EXPECT_EQ(style & BS_TYPEMASK, BS_DEFPUSHBUTTON);

        RECT rect = {};
        GetWindowRect(button, &rect);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, places[control].x);
        EXPECT_EQ(rect.top, places[control].y);
        EXPECT_EQ(rect.right - rect.left, 28);
        EXPECT_EQ(rect.bottom - rect.top, 28);
        EXPECT_EQ(label(control), firstLabels[control]);
        EXPECT_TRUE(enabled(control));
    }
}

TEST_F(MainWindowTest, OpensOnTheTitleScreen) {
    EXPECT_EQ(activeScreen, titleScreen);
    EXPECT_TRUE(repaintPending());
    paint();
    EXPECT_FALSE(repaintPending());
    EXPECT_EQ(label(0), "ぴ");
}

TEST_F(MainWindowTest, ClosingOnEveryScreenDestroysTheWindowAndQuitsWithZero) {
    for (int32_t screen : {titleScreen, modeScreen, gameScreen}) {
        SCOPED_TRACE("screen " + std::to_string(screen));
        if (!IsWindow(window)) {
            window = createMainWindow(instance);
            createControlStrip(window, instance);
        }
        activeScreen = screen;
        SendMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindow(window)) << "the default handling destroys the window";
        WPARAM exitValue = 99;
        EXPECT_TRUE(takeQuitMessage(&exitValue));
        EXPECT_EQ(exitValue, 0u);
    }
}

TEST_F(MainWindowTest, UnknownScreenNumberLeavesEveryMessageToTheDefaultHandling) {
    paint();
    activeScreen = 7;
    press(quitControl);
    EXPECT_FALSE(takeQuitMessage()) << "no screen handled the press";
    InvalidateRect(window, nullptr, TRUE);
    paint();
    EXPECT_FALSE(repaintPending()) << "the default handling validated the window";
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(takeQuitMessage()) << "no screen answered WM_DESTROY";
}

TEST_F(MainWindowTest, DefaultHandlingFollowsTheScreen) {
    // WM_SETTEXT is no screen's business: the default handling alone changes the caption.
    SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
    char text[8] = {};
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "x");
    // WM_GETMINMAXINFO, WM_NCHITTEST and the like return the default answers too.
    EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(0, 0)),
              DefWindowProcA(window, WM_NCHITTEST, 0, MAKELPARAM(0, 0)));
}

BOOL CALLBACK findMainWindow(HWND candidate, LPARAM result) {
    char className[16] = {};
    GetClassNameA(candidate, className, sizeof className);
    if (lstrcmpA(className, "winc") == 0) {
        *reinterpret_cast<HWND*>(result) = candidate;
        return FALSE;
    }
    return TRUE;
}

// The main window of this thread, if any.
HWND ownMainWindow() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findMainWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

void CALLBACK pressQuitControl(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    SendMessageA(ownMainWindow(), WM_COMMAND, quitControl,
                 reinterpret_cast<LPARAM>(buttonHandles[quitControl]));
}

void CALLBACK closeMainWindow(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostMessageA(ownMainWindow(), WM_CLOSE, 0, 0);
}

LRESULT CALLBACK vetoWindowCreation(int code, WPARAM, LPARAM) {
    return code == HCBT_CREATEWND ? 1 : 0;
}

// The entry's own steps, with a thread timer acting as the user once the loop runs.
class EntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        gameState = GameState{};
        activeScreen = titleScreen;
    }
    void TearDown() override {
        HWND window = ownMainWindow();
        if (window) {
            DestroyWindow(window);
        }
        UnregisterClassA(mainWindowClass, instance);
        drainMessages();
    }

    HINSTANCE instance = GetModuleHandleA(nullptr);
};

TEST_F(EntryTest, ReturnsZeroAfterTheQuitControl) {
    SetTimer(nullptr, 0, 100, pressQuitControl);
    EXPECT_EQ(runTrovel(instance), 0);
    EXPECT_NE(ownMainWindow(), nullptr) << "quitting leaves the window to the end of the process";
}

TEST_F(EntryTest, ReturnsZeroAfterTheWindowIsClosed) {
    SetTimer(nullptr, 0, 100, closeMainWindow);
    EXPECT_EQ(runTrovel(instance), 0);
    EXPECT_EQ(ownMainWindow(), nullptr);
}

TEST_F(EntryTest, ReturnsMinusOneWhenTheClassCannotBeRegistered) {
    WNDCLASSA taken = {};
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = instance;
    taken.lpszClassName = "winc";
    ASSERT_NE(RegisterClassA(&taken), 0);
    EXPECT_EQ(runTrovel(instance), -1);
    EXPECT_EQ(ownMainWindow(), nullptr);
}

TEST_F(EntryTest, ReturnsMinusOneWhenTheWindowCannotBeCreated) {
    // A computer-based-training hook may veto any window's creation, as the platform allows.
    HHOOK veto = SetWindowsHookExA(WH_CBT, vetoWindowCreation, nullptr, GetCurrentThreadId());
    ASSERT_NE(veto, nullptr);
    const int exitValue = runTrovel(instance);
    UnhookWindowsHookEx(veto);
    EXPECT_EQ(exitValue, -1);
    EXPECT_EQ(ownMainWindow(), nullptr);
}

}  // namespace
