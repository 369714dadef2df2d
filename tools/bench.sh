#!/usr/bin/env bash
# Measures what a player feels, each figure beside a reference measured in the same run (these
# machines are shared and noisy, so only ratios and counts mean something), and prints one table.
# Method and recorded figures: docs/performance.md.
#   tools/bench.sh [--starts N (10)] [--presses N (1000)] [--idle-seconds S (5)]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

starts=10 presses=1000 idle_seconds=5 on_display=no
while [[ $# -gt 0 ]]; do
    case $1 in
        --starts) starts=$2; shift 2 ;;
        --presses) presses=$2; shift 2 ;;
        --idle-seconds) idle_seconds=$2; shift 2 ;;
        --on-display) on_display=yes; shift ;;
        *) echo "usage: tools/bench.sh [--starts N] [--presses N] [--idle-seconds S]" >&2; exit 2 ;;
    esac
done
arguments=(--starts "$starts" --presses "$presses" --idle-seconds "$idle_seconds")

if [[ $on_display == no ]]; then
    # The references and the benchmark library: Debian's Google Benchmark, Xlib for the start-up
    # timer, GNOME's Four-in-a-row and a session bus for it.
    tools/setup.sh libbenchmark-dev libx11-dev four-in-a-row dbus dbus-x11
    cmake --preset bench >/dev/null
    cmake --build --preset bench
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target trovel minimal_window feel_bench
    if ! tools/can-run-x86-32.sh; then
        cmake --preset windows-x64 >/dev/null
        cmake --build --preset windows-x64 --target trovel minimal_window feel_bench
    fi
    exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$0" "${arguments[@]}" --on-display
fi

# Under Wine: the 32-bit build where this machine runs 32-bit code, else the 64-bit build.
preset=windows loader=/usr/lib/wine/wine
if ! tools/can-run-x86-32.sh; then
    preset=windows-x64 loader=/usr/lib/wine/wine64
fi
build=build/$preset
wine_env=(env WINEPREFIX="$root/$build/wineprefix-no-managed" WINEDEBUG=-all
          WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=ja_JP.UTF-8)
"$build/wine-run" --start-server
trap '"$build/wine-run" --stop-server' EXIT

rows=()
row() { rows+=("$(printf '%-38s | %14s | %14s | %7s | %-22s | %s' "$@")"); }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", (b > 0 ? a / b : 0) }'; }
within() { awk -v a="$1" -v b="$2" -v limit="$3" 'BEGIN { print (b > 0 && a / b <= limit) ? "yes" : "NO" }'; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# Size: the release build of the game beside the minimal window program (both 32-bit).
game_size=$(stat -c %s build/windows/shell/trovel.exe)
minimal_size=$(stat -c %s build/windows/bench/minimal_window.exe)
row "size (bytes, 32-bit release)" "$game_size" "$minimal_size" "$(ratio "$game_size" "$minimal_size")" \
    "<= 1.5x minimal" "$(within "$game_size" "$minimal_size" 1.5)"

# Start-up to the final picture, and resident memory then; rounds interleave the programs.
echo "bench: $starts starts each of trovel.exe, the minimal window program and Four-in-a-row" >&2
timings=$(mktemp)
for _ in $(seq "$starts"); do
    for program in trovel minimal four; do
        case $program in
            trovel) command=("${wine_env[@]}" "$loader" "$build/shell/trovel.exe") ;;
            minimal) command=("${wine_env[@]}" "$loader" "$build/bench/minimal_window.exe") ;;
            four) command=(env NO_AT_BRIDGE=1 /usr/games/four-in-a-row) ;;
        esac
        if result=$(build/bench/bench/start_timer 300 300 "${command[@]}" 2>/dev/null); then
            echo "$program $result" >>"$timings"
        fi
        sleep 0.5
    done
done
pick() { awk -v p="$1" -v f="$2" '$1 == p { for (i = 2; i < NF; i++) if ($i == f) print $(i + 1) }' "$timings" | median; }
for program in trovel minimal four; do
    count=$(awk -v p="$program" '$1 == p' "$timings" | wc -l)
    [[ $count -gt 0 ]] || { echo "bench: $program never showed its window" >&2; exit 1; }
done
start_game=$(pick trovel start_ms) start_minimal=$(pick minimal start_ms) start_four=$(pick four start_ms)
rss_game=$(pick trovel rss_kib) rss_minimal=$(pick minimal rss_kib) rss_four=$(pick four rss_kib)
rm -f "$timings"
row "start-up (ms, median of $starts)" "$start_game" "$start_minimal" "$(ratio "$start_game" "$start_minimal")" \
    "<= 1.2x minimal" "$(within "$start_game" "$start_minimal" 1.2)"
row "start-up vs Four-in-a-row (ms)" "$start_game" "$start_four" "$(ratio "$start_game" "$start_four")" \
    "< 0.5x Four-in-a-row" "$(within "$start_game" "$start_four" 0.4999)"
row "memory once shown (RSS KiB)" "$rss_game" "$rss_minimal" "$(ratio "$rss_game" "$rss_minimal")" \
    "<= 1.2x minimal" "$(within "$rss_game" "$rss_minimal" 1.2)"
row "memory vs Four-in-a-row (RSS KiB)" "$rss_game" "$rss_four" "$(ratio "$rss_game" "$rss_four")" \
    "< 0.25x Four-in-a-row" "$(within "$rss_game" "$rss_four" 0.2499)"

# In the game's own process: presses, the computer players' pace, idle cost.
echo "bench: $presses presses, a C3 game on the real timer, ${idle_seconds} s alone on each screen" >&2
feel=$("$build/wine-run" "$build/bench/feel_bench.exe" --presses "$presses" \
       --idle-seconds "$idle_seconds" | tr -d '\r')
value() { awk -v k="$1" '$1 == k { print $2 }' <<<"$feel"; }
press_median=$(value press_median_ms) press_p99=$(value press_p99_ms)
empty_median=$(value empty_paint_median_ms) empty_p99=$(value empty_paint_p99_ms)
# Under one 60 Hz frame, and at most three empty round trips.
press_goal() { awk -v a="$1" -v b="$2" 'BEGIN { print (a < 16.7 && a <= 3 * b) ? "yes" : "NO" }'; }
row "press to picture, median (ms)" "$press_median" "$empty_median" "$(ratio "$press_median" "$empty_median")" \
    "< 16.7 ms, <= 3x empty" "$(press_goal "$press_median" "$empty_median")"
row "press to picture, 99th pct (ms)" "$press_p99" "$empty_p99" "$(ratio "$press_p99" "$empty_p99")" \
    "< 16.7 ms, <= 3x empty" "$(press_goal "$press_p99" "$empty_p99")"
pace_mean=$(value pace_mean_ms)
row "computer pace, mean (ms)" "$pace_mean" "300" "$(ratio "$pace_mean" 300)" "300 ms +-10%" \
    "$(awk -v a="$pace_mean" 'BEGIN { print (a >= 270 && a <= 330) ? "yes" : "NO" }')"
row "computer pace, spread (ms)" "sd $(value pace_sd_ms)" "min $(value pace_min_ms)" "" \
    "max $(value pace_max_ms)" "$(value pace_intervals) intervals"
tick=$(value clock_tick_ms)
row "CPU clock check: the presses (ms)" "cpu $(value press_run_cpu_ms)" "" "" "> 0: idle zeros are real" \
    "$(awk -v c="$(value press_run_cpu_ms)" 'BEGIN { print (c > 0) ? "yes" : "NO" }')"
while read -r _ state _ cpu _ timers _ messages; do
    row "idle ${idle_seconds} s: $state" "cpu $cpu ms" "tick $tick ms" "" "<= 1 tick, no WM_TIMER" \
        "$(awk -v c="$cpu" -v t="$tick" -v n="$timers" 'BEGIN { print (c <= t && n == 0) ? "yes" : "NO" }') ($timers WM_TIMER, $messages msgs)"
done < <(grep '^idle ' <<<"$feel")

# The rules, natively, beside one pass over the 100 squares.
rules=$(build/bench/bench/rules_bench --benchmark_format=csv 2>/dev/null | grep '^"')
nanoseconds() { awk -F, -v n="\"$1\"" '$1 == n { print $4 }' <<<"$rules"; }
reference=$(nanoseconds referenceSquareScan)
for name in checkLinesOnBoard/rows:0 checkLinesOnBoard/rows:5 checkLinesOnBoard/rows:10 \
            oneComputerMove wholeC3Game; do
    ns=$(nanoseconds "$name")
    row "rules: $name (ns)" "$(printf '%.0f' "$ns")" "$(printf '%.1f' "$reference")" \
        "$(ratio "$ns" "$reference")" "vs one square scan" ""
done

printf '%-38s | %14s | %14s | %7s | %-22s | %s\n' "measure" "Trovel" "reference" "ratio" "goal" "met"
printf '%s\n' "${rows[@]}"
