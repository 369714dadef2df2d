// The title and mode-selection screens: their labels and lines, their controls, the copyright box.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_strip.h"
#include "game_state.h"
#include "menu_screens.h"
#include "screen_switch.h"
#include "window_fixture.h"

namespace {

using MenuScreenTest = WindowTest;

const std::vector<std::string> titleLabels = {"ぴ", "1", "2", "3", "4", "5",
                                              "6",  "7", "8", "9", "?", "\\e"};
const std::vector<std::string> modeLabels = {"PL", "C1", "C2", "C3", "4",  "5",
                                             "6",  "7",  "8",  "9",  "戻", "\\e"};

class MenuScreenLabels : public MenuScreenTest {
protected:
    std::vector<std::string> labels() {
        std::vector<std::string> all;
        for (int control = 0; control < controlCount; ++control) {
            all.push_back(label(control));
        }
        return all;
    }
    void expectLines(const std::vector<const char*>& lines) {
        const int height = lineHeight(window);
        for (size_t k = 0; k < lines.size(); ++k) {
            EXPECT_TRUE(showsText(window, lines[k], 40, 30 + 2 * static_cast<int>(k) * height))
                << lines[k];
        }
    }
};

TEST_F(MenuScreenLabels, TitleScreenShowsItsLabelsAndLines) {
    paint();
    EXPECT_EQ(labels(), titleLabels);
    expectLines({"ぴ : ぴるてな", "\\e : えんい～", "? : 著作権情報"});
}

TEST_F(MenuScreenLabels, ModeScreenShowsItsLabelsAndLines) {
    paint();
    press(0);
    paint();
    EXPECT_EQ(activeScreen, modeScreen);
    EXPECT_EQ(labels(), modeLabels);
    expectLines({"PL : 人 vs 人 (LOCAL)", "C1 : 人 vs CP", "C2 : 人 vs CP vs CP",
                 "C3 : 人 vs CP vs CP vs CP", "戻 : 戻る", "\\e : えんい～"});
}

TEST_F(MenuScreenLabels, PaintingAgainChangesNothing) {
    for (int32_t screen : {titleScreen, modeScreen}) {
        activeScreen = screen;
        InvalidateRect(window, nullptr, TRUE);
        paint();
        const std::vector<std::string> first = labels();
        const COLORREF firstPixel = pixel(44, 36);
        InvalidateRect(window, nullptr, TRUE);
        paint();
        EXPECT_EQ(labels(), first);
        EXPECT_EQ(pixel(44, 36), firstPixel);
    }
}

TEST_F(MenuScreenLabels, BackFromTheGameThroughTheModeScreenRestoresTheTitleLabels) {
    openGameScreen(0);
    EXPECT_EQ(label(9), "色");
    press(infoControl);  // back to mode selection
    paint();
    press(infoControl);  // back to the title
    paint();
    EXPECT_EQ(activeScreen, titleScreen);
    EXPECT_EQ(labels(), titleLabels);
}

TEST_F(MenuScreenLabels, TwoQuickBackPressesKeepTheColourLabel) {
    openGameScreen(0);
    press(infoControl);
    press(infoControl);  // handled before the mode screen's repaint
    paint();
    EXPECT_EQ(activeScreen, titleScreen);
    EXPECT_EQ(label(9), "色") << "neither menu screen that handled a press set control 9";
    EXPECT_EQ(label(infoControl), "?");
}

struct MenuPress {
    int32_t screen;
    int control;
    int32_t expectedScreen;
    bool expectRepaint;
};

class MenuPressTest : public MenuScreenTest, public ::testing::WithParamInterface<MenuPress> {};

TEST_P(MenuPressTest, ChangesScreenOrNothing) {
    const MenuPress& menuPress = GetParam();
    activeScreen = menuPress.screen;
    paint();
    gameState.cpCount = 5;  // a mode control must overwrite these; other controls must not
    gameState.playerCount = 5;
    press(menuPress.control);
    EXPECT_EQ(activeScreen, menuPress.expectedScreen);
    EXPECT_EQ(repaintPending(), menuPress.expectRepaint);
    EXPECT_FALSE(takeQuitMessage());
    if (menuPress.expectedScreen != gameScreen) {
        EXPECT_EQ(gameState.cpCount, 5);
        EXPECT_EQ(gameState.playerCount, 5);
    }
    for (int control = 0; control < controlCount; ++control) {
        EXPECT_TRUE(enabled(control)) << "menus never disable a control";
    }
}

std::vector<MenuPress> menuPresses() {
    std::vector<MenuPress> presses = {{titleScreen, 0, modeScreen, true},
                                      {modeScreen, 10, titleScreen, true}};
    for (int control = 1; control <= 9; ++control) {
        presses.push_back({titleScreen, control, titleScreen, false});
    }
    for (int control = 0; control <= 3; ++control) {
        presses.push_back({modeScreen, control, gameScreen, true});
    }
    for (int control = 4; control <= 9; ++control) {
        presses.push_back({modeScreen, control, modeScreen, false});
    }
    for (int32_t screen : {titleScreen, modeScreen}) {
        presses.push_back({screen, 12, screen, false});  // no such control
        presses.push_back({screen, 0xFFFF, screen, false});
    }
    return presses;
}

std::string menuPressName(const ::testing::TestParamInfo<MenuPress>& info) {
    return std::string(info.param.screen == titleScreen ? "Title" : "Mode") + "Control" +
           std::to_string(info.param.control);
}

INSTANTIATE_TEST_SUITE_P(Controls, MenuPressTest, ::testing::ValuesIn(menuPresses()),
                         menuPressName);

TEST_F(MenuScreenTest, ModeControlsChooseTheComputerPlayersAndPlayers) {
    const struct {
        int control;
        int cpCount;
        int playerCount;
    } modes[] = {{0, 0, 2}, {1, 1, 2}, {2, 2, 3}, {3, 3, 4}};
    for (const auto& mode : modes) {
        activeScreen = modeScreen;
        press(mode.control);
        EXPECT_EQ(activeScreen, gameScreen);
        EXPECT_EQ(gameState.cpCount, mode.cpCount);
        EXPECT_EQ(gameState.playerCount, mode.playerCount);
        EXPECT_FALSE(gameState.inProgress) << "the game screen opens on the pre-game board";
    }
}

TEST_F(MenuScreenTest, QuitControlQuitsWithZeroOnBothMenus) {
    for (int32_t screen : {titleScreen, modeScreen}) {
        activeScreen = screen;
        press(quitControl);
        WPARAM exitValue = 99;
        EXPECT_TRUE(takeQuitMessage(&exitValue));
        EXPECT_EQ(exitValue, 0u);
        EXPECT_TRUE(IsWindow(window));
    }
}

TEST_F(MenuScreenTest, MenusIgnoreTimerTicks) {
    for (int32_t screen : {titleScreen, modeScreen}) {
        activeScreen = screen;
        paint();
        tick();
        tick(42);
        EXPECT_EQ(activeScreen, screen);
        EXPECT_FALSE(repaintPending());
        EXPECT_EQ(gameState.currentPlayer, 0);
    }
}

TEST_F(MenuScreenTest, InformationControlShowsTheCopyrightNotice) {
    paint();
    const InformationBox box = watchInformationBox(window, [&] { press(infoControl); });
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.title, "著作権");
    EXPECT_EQ(box.text, copyrightNotice);
    EXPECT_NE(box.text.find("2026"), std::string::npos) << "the notice names its year";
    EXPECT_NE(box.text.find("Trovel"), std::string::npos) << "and its holder";
    EXPECT_TRUE(box.ownerDisabled) << "the box is modal to the main window";
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_EQ(activeScreen, titleScreen);
}

}  // namespace
