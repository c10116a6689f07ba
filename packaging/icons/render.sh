#!/usr/bin/env bash
# Re-render the Sporix application icon PNGs (16..256 px) from sporix.svg with rsvg-convert.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width="$size" --height="$size" --keep-aspect-ratio --format=png \
    --output="sporix-$size.png" sporix.svg
done
