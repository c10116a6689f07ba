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
[ -d "$WORK_DIR" ] && NEW_FOLDER=0 || NEW_FOLDER=1
mkdir -p "$WORK_DIR"
# Files only newer in data/ are copied, so a key edited in the working folder survives.
cp -R -u "$SPORIX_ROOT/data/." "$WORK_DIR/"
# A new folder starts with the settings of the user's language (English where the key has
# not got it) and the first kind of searching, so the first start finds its settings file.
if [ "$NEW_FOLDER" = 1 ]; then
    case "${LC_ALL:-${LC_MESSAGES:-${LANG:-}}}" in
        nl*) LANGUAGE_INDEX=2 ;; de*) LANGUAGE_INDEX=3 ;; fr*) LANGUAGE_INDEX=4 ;;
        it*) LANGUAGE_INDEX=5 ;; es*) LANGUAGE_INDEX=6 ;; *) LANGUAGE_INDEX=1 ;;
    esac
    printf '%s\r\n1\r\n' "$LANGUAGE_INDEX" > "$WORK_DIR/SpxInit.txt"
fi

step "Starting Sporix in $WORK_DIR"
cd "$WORK_DIR"
exec "$BUILD_DIR/src/sporix-here"
