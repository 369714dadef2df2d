#!/usr/bin/env bash
# Checks the release zip the build made, which tools/release.sh ships: ASCII file
# names, the tested trovel.exe byte for byte, the readme and licence in Shift-JIS with CRLF line
# ends, an executable of the right kind with imports the readme's Windows versions rest on, and
# its size beside a minimal Win32 window program of the same toolchain and flags.
#   check_release.sh ZIP TESTED_EXE VERSION OBJDUMP IMPORT_LIST MINIMAL_EXE
set -euo pipefail
if [[ $# -ne 6 ]]; then
    echo "usage: check_release.sh ZIP TESTED_EXE VERSION OBJDUMP IMPORT_LIST MINIMAL_EXE" >&2
    exit 2
fi
zip=$1 tested=$2 version=$3 objdump=$4 import_list=$5 minimal=$6
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

[[ -f $zip ]] || { echo "FAILED: no $zip made"; exit 1; }
[[ $(basename "$zip") == "trovel-$version-win32.zip" ]] || fail "the zip is called $(basename "$zip")"

folder=trovel-$version-win32
expected=$(printf '%s\n' "$folder/" "$folder/LICENSE.txt" "$folder/readme.txt" "$folder/trovel.exe" | sort)
names=$(unzip -Z1 "$zip" | sort)
names_without_folder=$(grep -v '/$' <<<"$names" || true)
if [[ $names != "$expected" && $names_without_folder != "$(grep -v '/$' <<<"$expected")" ]]; then
    fail "the zip holds '$(tr '\n' ' ' <<<"$names")', expected '$(tr '\n' ' ' <<<"$expected")'"
fi
if LC_ALL=C grep -q '[^ -~]' <<<"$names"; then
    fail "file names in the zip are not all ASCII"
fi

unzip -q "$zip" -d "$work/unpacked"
shipped=$work/unpacked/$folder
if ! cmp "$shipped/trovel.exe" "$tested"; then
    fail "the zipped trovel.exe is not the tested $tested"
fi

for text in readme.txt LICENSE.txt; do
    if ! iconv -f CP932 -t UTF-8 "$shipped/$text" >"$work/$text.utf-8" 2>/dev/null; then
        fail "$text is not Shift-JIS (code page 932)"
        continue
    fi
    lines=$(wc -l <"$shipped/$text")
    crlf_lines=$(LC_ALL=C grep -c $'\r$' "$shipped/$text" || true)
    if [[ $lines -eq 0 || $crlf_lines -ne $lines || -n $(tail -c1 "$shipped/$text" | tr -d '\n') ]]; then
        fail "$text has a line that does not end in CRLF"
    fi
    if ! grep -qF "Copyright (C) 2026 Trovel 開発チーム" "$work/$text.utf-8"; then
        fail "$text does not carry the game's copyright line"
    fi
done
grep -qF "MIT License" "$work/LICENSE.txt.utf-8" || fail "LICENSE.txt is not the MIT licence"
grep -qF "バージョン $version" "$work/readme.txt.utf-8" || fail "readme.txt does not name version $version"

# The readme's list of Windows versions rests on these imports: a new one needs a new look.
"$objdump" -p "$shipped/trovel.exe" >"$work/headers"
awk '/DLL Name/ { dll = toupper($3) } /^\t[ 0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll " " $NF }' \
    "$work/headers" | sort >"$work/imports"
sort "$import_list" >"$work/known-imports"
unknown=$(comm -23 "$work/imports" "$work/known-imports")
[[ -s $work/imports ]] || fail "no imported functions found in the zipped trovel.exe"
[[ -z $unknown ]] || fail "trovel.exe imports functions the readme's Windows versions were not checked against: $unknown"
cmake -DOBJDUMP="$objdump" -DPROGRAM="$shipped/trovel.exe" -DARCH=i686 \
    -P "$here/../../cmake/check-executable.cmake" || fail "the zipped trovel.exe is not the right kind"

game_size=$(stat -c %s "$shipped/trovel.exe")
minimal_size=$(stat -c %s "$minimal")
ratio=$(awk -v a="$game_size" -v b="$minimal_size" 'BEGIN { printf "%.2f", a / b }')
echo "size: trovel.exe $game_size bytes, minimal window program $minimal_size bytes: ${ratio}x"
if ((game_size * 2 > minimal_size * 3)); then
    fail "trovel.exe is more than 1.5 times the size of the minimal window program"
fi

if ((failures > 0)); then
    exit 1
fi
echo "$(basename "$zip"): $(tr '\n' ' ' <<<"$names_without_folder")- the tested trovel.exe, Shift-JIS texts"
