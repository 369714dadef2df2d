// The game screen's reaction to its buttons and to the computer players' timer. It keeps no
// state of its own: the phase follows from inProgress and result of the game record.
#include "game_screen.h"

#include "computer_player.h"
#include "control_strip.h"
#include "game_state.h"
#include "lines.h"
#include "screen_switch.h"

namespace {

bool isColumnControl(int control) {
    return control >= 0 && control < columnControlCount;
}

// The pre-game repaint normally prepares the board, but a start pressed before that repaint
// arrives (two quick presses from the mode screen) must not play on an unprepared board.
void startGame(HWND window) {
    resetBoard();
    gameState.inProgress = true;
    gameState.result = resultGoingOn;
    repaint(window);
}

// Leaving the game screen ends any pending computer turns: their ticks would go unanswered on the
// menus, and the column controls, which the menus need for choosing a mode, would stay disabled.
void leaveGameScreen(HWND window) {
    KillTimer(window, computerTurnTimer);
    enableColumnControls(true);
    changeScreen(window, modeScreen);
}

void humanMove(HWND window, int column) {
    if (!dropPiece(column)) {
        return;  // a full column: nothing happens
    }
    gameState.result = checkLines();
    if (gameState.result != resultGoingOn) {
        repaint(window);  // the mover stays current: the status line names the winner
        return;
    }
    advanceTurn();
    repaint(window);
    if (gameState.cpCount == 0) {
        return;  // the next human uses the same buttons
    }
    enableColumnControls(false);
    SetTimer(window, computerTurnTimer, computerTurnMilliseconds, nullptr);
}

// Abandoning does not stop the timer: its next tick finds player 1 on the reset board, stops
// itself and recolours the pre-game board once more.
void abandonGame(HWND window) {
    gameState.inProgress = false;
    enableColumnControls(true);
    repaint(window);
}

void onPreGameCommand(HWND window, int control) {
    if (control >= 0 && control <= 8) {
        startGame(window);
    } else if (control == 9) {
        repaint(window);  // new colours
    } else if (control == infoControl) {
        leaveGameScreen(window);
    } else if (control == quitControl) {
        PostQuitMessage(0);
    }
}

void onPlayingCommand(HWND window, int control) {
    if (isColumnControl(control)) {
        humanMove(window, control);
    } else if (control == infoControl) {
        abandonGame(window);
    } else if (control == quitControl) {
        PostQuitMessage(0);
    }
}

void onOverCommand(HWND window, int control) {
    if (isColumnControl(control)) {
        MessageBoxA(window, "「崩」を押してください", "お疲れ様です", MB_ICONINFORMATION);
    } else if (control == infoControl) {
        gameState.inProgress = false;
        repaint(window);
    } else if (control == quitControl) {
        PostQuitMessage(0);
    }
}

void onGameCommand(HWND window, int control) {
    if (!gameState.inProgress) {
        onPreGameCommand(window, control);
    } else if (gameState.result == resultGoingOn) {
        onPlayingCommand(window, control);
    } else {
        onOverCommand(window, control);
    }
}

// One computer move a tick; the tick that finds player 1 to move, or the game over, ends the
// computer turns.
void onComputerTick(HWND window) {
    if (gameState.currentPlayer != 1 && gameState.result == resultGoingOn) {
        while (!cpMove()) {
        }
        repaint(window);
    } else {
        KillTimer(window, computerTurnTimer);
        enableColumnControls(true);
        repaint(window);
    }
}

}  // namespace

LRESULT CALLBACK gameScreenProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_COMMAND: onGameCommand(window, LOWORD(wParam)); break;
        case WM_TIMER: onComputerTick(window); break;
        case WM_PAINT: paintGameScreen(window); break;
        case WM_DESTROY: PostQuitMessage(0); break;
    }
    return 0;
}
