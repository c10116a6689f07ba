#!/usr/bin/env bash
# Builds the web player's site: the engine compiled with Emscripten, the page and a key
# folder, as static files in build/site/ (any web server can host that folder).
#
#     scripts/build-site.sh [KEY_FOLDER]      (default: the bundled key in data/)
#
# The key is checked first (sporix-key check, built in $SPORIX_NATIVE_BUILD_DIR, default
# build/test); a key with errors stops the build, naming them.
source "$(dirname "$0")/common.sh"

KEY_DIR=${1:-$SPORIX_ROOT/data}
MODULE_DIR=${SPORIX_MODULE_BUILD_DIR:-$SPORIX_ROOT/build/web}
SITE_DIR=${SPORIX_SITE_DIR:-$SPORIX_ROOT/build/site}

ensure_packages "${WEB_PACKAGES[@]}"

# The key's check (sporix-key, built natively) stops the build on errors: a site must not
# answer every choice of a broken key with "No species found".
TOOL_BUILD_DIR=${SPORIX_NATIVE_BUILD_DIR:-$SPORIX_ROOT/build/test}
step "Checking the key in $KEY_DIR"
if [ ! -f "$TOOL_BUILD_DIR/CMakeCache.txt" ]; then
    ensure_packages "${BUILD_PACKAGES[@]}"
    cmake -S "$SPORIX_ROOT" -B "$TOOL_BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$TOOL_BUILD_DIR" --target sporix-key -j "$JOBS" >/dev/null
if ! findings=$("$TOOL_BUILD_DIR/src/keytool/sporix-key" check --quiet "$KEY_DIR"); then
    grep -E ": error: |checked: " <<<"$findings" >&2 || printf '%s\n' "$findings" >&2
    printf '\n*** The key in %s has errors (above); no site is built from it.\n' "$KEY_DIR" >&2
    exit 1
fi

step "Building the engine as a WebAssembly module in $MODULE_DIR"
# Built for size: on a phone the download, not the search, is what takes time.
emcmake cmake -S "$SPORIX_ROOT" -B "$MODULE_DIR" -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
# Emscripten's JavaScript tools use Debian's acorn, which a node from elsewhere does not look for.
NODE_PATH=/usr/share/nodejs cmake --build "$MODULE_DIR" --target sporix_module -j "$JOBS"

step "Assembling the site in $SITE_DIR"
rm -rf "$SITE_DIR"
python3 "$SPORIX_ROOT/web/make_site.py" --module "$MODULE_DIR/src/web" --key "$KEY_DIR" --out "$SITE_DIR"
