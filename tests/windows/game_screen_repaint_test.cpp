// Every press and tick that changes what the game screen shows leaves the whole window to be
// repainted on the white background: the update region right after the message is the client
// area, and stale pixels scribbled into its corners beforehand are gone once the window has
// painted.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "control_strip.h"
#include "game_state.h"
#include "window_fixture.h"

namespace {

class GameScreenRepaintTest;

struct RepaintCase {
    const char* name;
    void (*arrange)(GameScreenRepaintTest&);  // the game just before the message
    void (*act)(GameScreenRepaintTest&);      // the one press or tick under test
};

std::ostream& operator<<(std::ostream& out, const RepaintCase& repaintCase) {
    return out << repaintCase.name;
}

constexpr int modePl = 0;
constexpr int modeC1 = 1;
constexpr int scribbleSize = 8;

class GameScreenRepaintTest : public WindowTest, public ::testing::WithParamInterface<RepaintCase> {
public:
    using WindowTest::openGameScreen;
    using WindowTest::press;
    using WindowTest::startGame;
    using WindowTest::tick;
    using WindowTest::TopSquare;

    // Player 1 holds columns 0 to 3 of the bottom row: a press of control 4 completes the line.
    void startGameWithFourAcross() {
        startGame(modePl);
        for (int column = 0; column < 4; ++column) {
            gameState.cells[cellIndex(column, 0)].owner = 1;
        }
    }
    // C1 with the computer to move into the board's last square.
    void startGameBeforeAComputerMove(TopSquare top) {
        startGame(modeC1);
        loadAlmostFullBoard(top);
        press(9);
    }

protected:
    RECT clientCorner(int corner) {
        RECT client = {};
        GetClientRect(window, &client);
        const int left = corner % 2 == 0 ? 0 : client.right - scribbleSize;
        const int top = corner / 2 == 0 ? 0 : client.bottom - scribbleSize;
        return {left, top, left + scribbleSize, top + scribbleSize};
    }
    // Black squares in the four corners of the client area, drawn behind the game's back.
    void scribbleIntoTheCorners() {
        HDC dc = GetDC(window);
        for (int corner = 0; corner < 4; ++corner) {
            const RECT square = clientCorner(corner);
            PatBlt(dc, square.left, square.top, scribbleSize, scribbleSize, BLACKNESS);
        }
        ReleaseDC(window, dc);
    }
};

const RepaintCase repaintCases[] = {
    {"StartAGame", [](GameScreenRepaintTest& test) { test.openGameScreen(modeC1); },
     [](GameScreenRepaintTest& test) { test.press(3); }},
    {"NewColours", [](GameScreenRepaintTest& test) { test.openGameScreen(modeC1); },
     [](GameScreenRepaintTest& test) { test.press(9); }},
    {"HumanMoveInModePl", [](GameScreenRepaintTest& test) { test.startGame(modePl); },
     [](GameScreenRepaintTest& test) { test.press(4); }},
    {"HumanMoveBeforeTheComputers", [](GameScreenRepaintTest& test) { test.startGame(modeC1); },
     [](GameScreenRepaintTest& test) { test.press(4); }},
    {"HumanMoveThatWins", [](GameScreenRepaintTest& test) { test.startGameWithFourAcross(); },
     [](GameScreenRepaintTest& test) { test.press(4); }},
    {"ComputerMove",
     [](GameScreenRepaintTest& test) {
         test.startGame(modeC1);
         test.press(4);
     },
     [](GameScreenRepaintTest& test) { test.tick(); }},
    {"TickThatHandsBackToTheHuman",
     [](GameScreenRepaintTest& test) {
         test.startGame(modeC1);
         test.press(4);
         test.tick();
     },
     [](GameScreenRepaintTest& test) { test.tick(); }},
    {"TickThatEndsTheTurnsAfterAComputerWin",
     [](GameScreenRepaintTest& test) {
         test.startGameBeforeAComputerMove(GameScreenRepaintTest::TopSquare::completesALine);
         test.tick();
     },
     [](GameScreenRepaintTest& test) { test.tick(); }},
    {"AbandonDuringPlay",
     [](GameScreenRepaintTest& test) {
         test.startGame(modePl);
         test.press(4);
     },
     [](GameScreenRepaintTest& test) { test.press(infoControl); }},
    {"AbandonAfterAWin",
     [](GameScreenRepaintTest& test) {
         test.startGameWithFourAcross();
         test.press(4);
     },
     [](GameScreenRepaintTest& test) { test.press(infoControl); }},
    {"AbandonAfterADraw",
     [](GameScreenRepaintTest& test) {
         test.startGameBeforeAComputerMove(GameScreenRepaintTest::TopSquare::fillsTheBoard);
         test.tick();
         test.tick();
     },
     [](GameScreenRepaintTest& test) { test.press(infoControl); }},
    {"TickAfterAnAbandonWhileComputersWait",
     [](GameScreenRepaintTest& test) {
         test.startGame(modeC1);
         test.press(4);
         test.press(infoControl);
     },
     [](GameScreenRepaintTest& test) { test.tick(); }},
    {"LeaveForTheModeScreen", [](GameScreenRepaintTest& test) { test.openGameScreen(modeC1); },
     [](GameScreenRepaintTest& test) { test.press(infoControl); }},
};

TEST_P(GameScreenRepaintTest, RepaintsTheWholeWindow) {
    GetParam().arrange(*this);
    paint();
    ASSERT_FALSE(repaintPending()) << "the window must be painted before the message";
    scribbleIntoTheCorners();
    for (int corner = 0; corner < 4; ++corner) {
        const RECT square = clientCorner(corner);
        ASSERT_EQ(pixel(square.left, square.top), RGB(0, 0, 0)) << "corner " << corner;
    }

    GetParam().act(*this);
    RECT update = {};
    RECT client = {};
    GetUpdateRect(window, &update, FALSE);
    GetClientRect(window, &client);
    EXPECT_TRUE(EqualRect(&update, &client))
        << "update region " << update.left << "," << update.top << " to " << update.right << ","
        << update.bottom << "; client area " << client.right << "x" << client.bottom;

    paint();
    for (int corner = 0; corner < 4; ++corner) {
        const RECT square = clientCorner(corner);
        EXPECT_EQ(pixel(square.left, square.top), RGB(255, 255, 255)) << "corner " << corner;
        EXPECT_EQ(pixel(square.right - 1, square.bottom - 1), RGB(255, 255, 255))
            << "corner " << corner;
    }
}

INSTANTIATE_TEST_SUITE_P(Transitions, GameScreenRepaintTest, ::testing::ValuesIn(repaintCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
