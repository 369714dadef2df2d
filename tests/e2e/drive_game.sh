# Drives the running game as a user would, for the end-to-end test and the screenshots: clicks
# its buttons with the mouse (xdotool) and asks a second Windows program what the window shows.
# Sourced; the caller sets wine_run, probe_exe and game (the game's process id).

probe() { "$wine_run" "$probe_exe" "$@" | tr -d '\r'; }

fail() {
    echo "FAILED: $*" >&2
    kill "$game" 2>/dev/null || true
    exit 1
}

# Waits up to 15 s until the probe's answer to the question equals the expected text.
expect() {
    local expected=$1
    shift
    local answer=""
    for _ in $(seq 60); do
        answer=$(probe "$@" 2>/dev/null || true)
        [[ $answer == "$expected" ]] && return 0
        sleep 0.25
    done
    fail "probe $* answered '$answer', expected '$expected'"
}

click() {
    local place
    place=$(probe center "$1") || fail "control $1 not found"
    # shellcheck disable=SC2086
    xdotool mousemove --sync $place click 1
    echo "clicked control $1 at $place"
}
