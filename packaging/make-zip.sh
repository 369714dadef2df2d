#!/usr/bin/env bash
# Packs the release zip so that the same files always give the same bytes, whoever packs them and
# wherever: the folder entry first, then the files in the order given; every entry dated
# SOURCE_DATE_EPOCH (zip keeps local time: it is packed in UTC); fixed permissions whatever the
# umask; and none of the packing machine's owners, extra times or attributes (zip -X).
#   make-zip.sh ZIP SOURCE_DATE_EPOCH FOLDER FILE...
set -euo pipefail
if [[ $# -lt 4 ]]; then
    echo "usage: make-zip.sh ZIP SOURCE_DATE_EPOCH FOLDER FILE..." >&2
    exit 2
fi
zip_path=$(realpath -m "$1") epoch=$2 folder=$3
shift 3
stage=$(mktemp -d "$zip_path.stage.XXXXXX")
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$folder"
entries=("$folder/")
for file in "$@"; do
    install -m 644 "$file" "$stage/$folder/"
    entries+=("$folder/$(basename "$file")")
done
chmod 755 "$stage/$folder"
for entry in "${entries[@]}"; do
    touch -h -d "@$epoch" "$stage/$entry"
done
rm -f "$zip_path"
(cd "$stage" && TZ=UTC0 LC_ALL=C zip -X -q "$zip_path" "${entries[@]}")
