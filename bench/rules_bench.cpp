// The rules' speed beside a reference measured in the same run: one pass over the 100 squares,
// the least any whole-board check must do.
//   build/bench/bench/rules_bench
#include <benchmark/benchmark.h>

#include "computer_player.h"
#include "game_state.h"
#include "lines.h"
#include "random_source.h"

namespace {

void startGame(int cpCount) {
    gameState.cpCount = cpCount;
    gameState.playerCount = cpCount + 1;
    gameState.inProgress = true;
    gameState.result = resultGoingOn;
    resetBoard();
}

// Pairs of columns alternate owners row by row: no line of five however many rows are filled.
void fillRows(int rows) {
    resetBoard();
    for (int column = 0; column < boardColumns; ++column) {
        for (int row = 0; row < rows; ++row) {
            gameState.cells[cellIndex(column, row)].owner = 1 + (column / 2 + row) % 2;
        }
    }
}

void referenceSquareScan(benchmark::State& state) {
    fillRows(5);
    for (auto _ : state) {
        int empty = 0;
        for (const Cell& cell : gameState.cells) {
            empty += cell.owner == 0;
        }
        benchmark::DoNotOptimize(empty);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(referenceSquareScan);

void checkLinesOnBoard(benchmark::State& state) {
    fillRows(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(checkLines());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(checkLinesOnBoard)->Arg(0)->Arg(5)->Arg(10)->ArgName("rows");

bool roomLeft() {
    for (int column = 0; column < boardColumns; ++column) {
        if (gameState.cells[cellIndex(column, boardRows - 1)].owner == 0) {
            return true;
        }
    }
    return false;
}

// One move of a computer player, on boards that fill up over the run as in real games.
void oneComputerMove(benchmark::State& state) {
    seedRandom(1);
    startGame(1);
    for (auto _ : state) {
        if (gameState.result != resultGoingOn || !roomLeft()) {
            state.PauseTiming();
            startGame(1);
            state.ResumeTiming();
        }
        while (!cpMove()) {
        }
        gameState.currentPlayer = 2;  // always the computer's turn
    }
}
BENCHMARK(oneComputerMove);

void wholeC3Game(benchmark::State& state) {
    seedRandom(1);
    for (auto _ : state) {
        startGame(3);
        while (gameState.result == resultGoingOn) {
            if (gameState.currentPlayer == 1) {
                int column = drawRandom() % boardColumns;
                while (!dropPiece(column)) {
                    column = (column + 1) % boardColumns;
                }
                gameState.result = checkLines();
                if (gameState.result == resultGoingOn) {
                    advanceTurn();
                }
            } else {
                while (!cpMove()) {
                }
            }
        }
        benchmark::DoNotOptimize(gameState.result);
    }
}
BENCHMARK(wholeC3Game);

}  // namespace

BENCHMARK_MAIN();
