#!/usr/bin/env bash
# Proves that the download is reproducible: builds the release once more from a fresh copy of this
# checkout (its last commit with the working tree's changes on top) in another folder, with
# another time zone, locale, umask, user and host name, home folder and number of build jobs, at
# a later time, and compares its zip and trovel.exe byte for byte with those of build/windows
# (built first if need be). On a difference it names the files that differ and shows how:
# diffoscope where it is installed, else the zip's listings and cmp -l of each differing file.
#   tools/check-reproducible.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

cmake --preset windows >/dev/null
cmake --build --preset windows --target release_zip >/dev/null
reference=$root/build/windows
zip_name=$(basename "$reference"/package/trovel-*-win32.zip)

work=$(mktemp -d "${TMPDIR:-/tmp}/trovel-reproducible.XXXXXX")
trap 'rm -rf "$work"' EXIT
copy=$work/another/place/to/build/trovel
mkdir -p "$copy" "$work/home"

# The copy: the last commit, as a clone has it, then the working tree's files over it; from a
# source tarball, the files as they are, with their times.
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git clone -q --no-hardlinks "$root" "$copy"
    (cd "$copy" && git ls-files -z | xargs -0 rm -f)
    git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' file; do
        [[ -e $file ]] && printf '%s\0' "$file"
    done | tar -c --null -T - | tar -x -C "$copy"
else
    tar -c --exclude=./build --exclude=./dist . | tar -x -C "$copy"
fi

build_again() {
    umask 077
    cd "$copy"
    cmake --preset windows -DTROVEL_TESTS=OFF >/dev/null
    cmake --build build/windows --target release_zip -j 1 >/dev/null
}
varied=(env TZ=Pacific/Kiritimati LC_ALL=C LANG=C HOME="$work/home" USER=reproducer
        LOGNAME=reproducer)
export -f build_again
export copy
sleep 1  # a later clock, second for second
# Another user and host name where this machine allows a private user namespace.
if unshare --user --map-root-user --uts true 2>/dev/null; then
    variations="another folder, time zone, locale, umask, user, host name and job count"
    "${varied[@]}" unshare --user --map-root-user --uts \
        bash -c 'hostname reproducer-host && build_again'
else
    variations="another folder, time zone, locale, umask, user and job count"
    "${varied[@]}" bash -c build_again
fi
rebuilt=$copy/build/windows

differences=0
show_bytes() {
    echo "  $1 differs: offset (from 1) and octal bytes, first 20:"
    cmp -l "$2" "$3" | head -n 20 || true
}
compare() {
    local name=$1 first=$2 second=$3
    if cmp -s "$first" "$second"; then
        return 0
    fi
    differences=$((differences + 1))
    echo "NOT REPRODUCIBLE: $name differs between $first and $second"
    if command -v diffoscope >/dev/null; then
        diffoscope --text - "$first" "$second" | head -n 80 || true
        return 0
    fi
    if [[ $name == *.zip ]]; then
        diff <(unzip -Z -l "$first" | tail -n +2) <(unzip -Z -l "$second" | tail -n +2) || true
        mkdir -p "$work/unzipped/1" "$work/unzipped/2"
        unzip -q -o "$first" -d "$work/unzipped/1"
        unzip -q -o "$second" -d "$work/unzipped/2"
        (cd "$work/unzipped/1" && find . -type f | sort) | while read -r entry; do
            if ! cmp -s "$work/unzipped/1/$entry" "$work/unzipped/2/$entry"; then
                show_bytes "${entry#./}" "$work/unzipped/1/$entry" "$work/unzipped/2/$entry"
            fi
        done
    else
        show_bytes "$name" "$first" "$second"
    fi
}
compare "$zip_name" "$reference/package/$zip_name" "$rebuilt/package/$zip_name"
compare trovel.exe "$reference/shell/trovel.exe" "$rebuilt/shell/trovel.exe"
if ((differences > 0)); then
    echo "reproducible: FAILED ($variations)"
    exit 1
fi
echo "reproducible: $zip_name and trovel.exe are the same bytes when built again from a fresh" \
     "copy with $variations"
sha256sum "$reference/package/$zip_name" "$reference/shell/trovel.exe" | sed "s|$root/||"
