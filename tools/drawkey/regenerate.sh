#!/usr/bin/env bash
# Redraws every picture of the bundled key from tools/drawkey/params/*.txt.
#
#   tools/drawkey/regenerate.sh           build drawkey, then draw into data/
#   tools/drawkey/regenerate.sh --check   draw into a temporary folder and compare with
#                                         data/ byte for byte; exits 1 naming every picture
#                                         that differs, is missing or is no longer drawn
#
# The build goes to $DRAWKEY_BUILD_DIR (default /tmp/drawkey-build), outside the tree;
# DRAWKEY names a drawkey already built (the test build does so) and skips the build.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
data="$repo/data"
build="${DRAWKEY_BUILD_DIR:-/tmp/drawkey-build}"

check=false
case "${1:-}" in
    "") ;;
    --check) check=true ;;
    *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

drawkey="${DRAWKEY:-}"
if [[ -z "$drawkey" ]]; then
    if ! { cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release && cmake --build "$build" -j2; } >"$work/build.log" 2>&1; then
        cat "$work/build.log" >&2
        echo "drawkey did not build" >&2
        exit 1
    fi
    drawkey="$build/drawkey"
fi

shopt -s nullglob
params=("$here"/params/*.txt)
if ((${#params[@]} == 0)); then
    echo "no parameters files in $here/params; drawing NoFigs.Jpg only" >&2
fi

if ! $check; then
    "$drawkey" "$data" "${params[@]}"
    exit 0
fi

out="$work/out"
"$drawkey" --names "$data" "$out" "${params[@]}" >/dev/null
differ=0
while IFS= read -r -d '' file; do
    relative="${file#"$out"/}"
    if [[ ! -f "$data/$relative" ]]; then
        echo "missing: data/$relative"
        differ=1
    elif ! cmp -s "$file" "$data/$relative"; then
        echo "differs: data/$relative"
        differ=1
    fi
done < <(find "$out" -type f -print0 | sort -z)

# Pictures left in a genus folder, or in a language folder, that nothing draws any more.
for folder in "$out"/*/; do
    genus="$(basename "$folder")"
    [[ -d "$data/$genus" ]] || continue
    while IFS= read -r -d '' file; do
        relative="${file#"$data"/}"
        if [[ ! -f "$out/$relative" ]]; then
            echo "not drawn: data/$relative"
            differ=1
        fi
    done < <(find "$data/$genus" -type f \( -iname '*.bmp' -o -iname '*.jpg' \) -print0 | sort -z)
done

if ((differ)); then
    echo "the pictures in data/ do not match tools/drawkey/params; run tools/drawkey/regenerate.sh" >&2
    exit 1
fi
echo "all $(find "$out" -type f | wc -l) pictures match"
