#!/usr/bin/env bash
# Plays the real game as a user would: starts trovel.exe, clicks its buttons with the mouse
# (xdotool) through the title, mode C1, a start and a few moves, quits with control 11 and expects
# exit value 0. A second Windows program looks at the window between the clicks.
set -euo pipefail

if [[ $# -ne 3 ]]; then
    echo "usage: play_through.sh WINE_RUN TROVEL_EXE PROBE_EXE" >&2
    exit 2
fi
wine_run=$1
trovel=$2
probe_exe=$3

if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
command -v xdotool >/dev/null || { echo "xdotool is missing: run tools/setup.sh" >&2; exit 2; }

# shellcheck source=drive_game.sh
source "$(dirname "$0")/drive_game.sh"

"$wine_run" "$trovel" &
game=$!
expect "" exists
expect "ぴ" label 0

click 0
expect "PL" label 0
click 1
expect "色" label 9
click 0
expect "崩" label 10

# A white board, then one green piece (the user's) and one blue (the computer's) per move.
expect 0 count 00ff00
expect 100 count ffffff
for move in 1 2 3; do
    click $((2 * move))
    expect "$move" count 00ff00
    expect "$move" count 0000ff
    expect 1 enabled 4
    echo "move $move played, and the computer's"
done

click 11
status=0
wait "$game" || status=$?
[[ $status -eq 0 ]] || fail "trovel.exe exited with $status"
echo "trovel.exe quit with exit value 0"
