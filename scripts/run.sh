#!/usr/bin/env bash
# Builds Sporix and starts it on the bundled key, in a working folder made from data/.
# The repository's data/ is never written to; the working folder keeps its SpxInit.txt.
source "$(dirname "$0")/common.sh"

BUILD_DIR=${SPORIX_BUILD_DIR:-$SPORIX_ROOT/build/release}
WORK_DIR=${SPORIX_WORK_DIR:-$SPORIX_ROOT/work}

ensure_packages "${BUILD_PACKAGES[@]}"

step "Configuring in $BUILD_DIR"
cmake -S "$SPORIX_ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DSPORIX_TESTS=OFF -DSPORIX_TOOLS=OFF

step "Building sporix"
cmake --build "$BUILD_DIR" --target sporix -j "$JOBS"

step "Making the working folder $WORK_DIR from data/"
mkdir -p "$WORK_DIR"
# Files only newer in data/ are copied, so a key edited in the working folder survives.
cp -R -u "$SPORIX_ROOT/data/." "$WORK_DIR/"

step "Starting Sporix in $WORK_DIR"
cd "$WORK_DIR"
exec "$BUILD_DIR/src/sporix-here"
