#!/usr/bin/env bash
# Builds the web player's site: the engine compiled with Emscripten, the page and a key
# folder, as static files in build/site/ (any web server can host that folder).
#
#     scripts/build-site.sh [KEY_FOLDER]      (default: the bundled key in data/)
source "$(dirname "$0")/common.sh"

KEY_DIR=${1:-$SPORIX_ROOT/data}
MODULE_DIR=${SPORIX_MODULE_BUILD_DIR:-$SPORIX_ROOT/build/web}
SITE_DIR=${SPORIX_SITE_DIR:-$SPORIX_ROOT/build/site}

ensure_packages "${WEB_PACKAGES[@]}"

step "Building the engine as a WebAssembly module in $MODULE_DIR"
emcmake cmake -S "$SPORIX_ROOT" -B "$MODULE_DIR" -DCMAKE_BUILD_TYPE=Release >/dev/null
# Emscripten's JavaScript tools use Debian's acorn, which a node from elsewhere does not look for.
NODE_PATH=/usr/share/nodejs cmake --build "$MODULE_DIR" --target sporix_module -j "$JOBS"

step "Assembling the site in $SITE_DIR"
rm -rf "$SITE_DIR"
python3 "$SPORIX_ROOT/web/make_site.py" --module "$MODULE_DIR/src/web" --key "$KEY_DIR" --out "$SITE_DIR"
