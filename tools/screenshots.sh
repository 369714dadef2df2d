#!/usr/bin/env bash
# Takes the README's pictures from the real game: starts trovel.exe under Wine on a virtual
# display of its own, plays it with the mouse as the end-to-end test does, and saves PNG pictures
# of the whole window in docs/: the title, the mode selection, the pre-game board, a game in
# progress (the last move framed) and a finished game with the winner on the status line.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

# The game as the tests run it: the 32-bit build where this machine runs 32-bit code.
preset=windows
tools/can-run-x86-32.sh || preset=windows-x64

if [[ ${1:-} != --on-display ]]; then
    tools/setup.sh imagemagick  # import takes the window's picture
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target trovel window_probe
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --on-display
fi

wine_run=build/$preset/wine-run
probe_exe=build/$preset/tests/window_probe.exe
# shellcheck source=../tests/e2e/drive_game.sh
source tests/e2e/drive_game.sh
mkdir -p docs

shoot() {
    sleep 0.5  # the last repaint reaches the display
    import -window root -crop "$(probe window)" +repage -strip "docs/$1.png"
    echo "screenshots: docs/$1.png"
}
# Waits until the computer players are done and the column buttons take input again.
player_one_to_move() { expect 1 enabled 4; }

"$wine_run" --start-server  # prepares the prefix first, and keeps every probe quick
trap '"$wine_run" --stop-server' EXIT
"$wine_run" build/$preset/shell/trovel.exe &
game=$!
expect "" exists
expect "ぴ" label 0
shoot title

click 0
expect "PL" label 0
shoot mode

click 2  # C2: the user against two computer players
expect "色" label 9
shoot pre-game

click 0
expect "崩" label 10
for column in 4 5 3; do
    click "$column"
    player_one_to_move
done
shoot game

# A finished game: two humans (PL), player 1 completes the bottom row at column 4.
click 10  # abandon
expect "戻" label 10
click 10  # back to the mode selection
expect "PL" label 0
click 0
expect "色" label 9
click 0
expect "崩" label 10
moves=0
for column in 0 0 1 1 2 2 3 3 4; do
    click "$column"
    moves=$((moves + 1))
    expect "$(((moves + 1) / 2))" count 00ff00
done
shoot finished

click 11
wait "$game"
