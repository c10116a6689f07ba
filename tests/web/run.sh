#!/usr/bin/env bash
# The web player's tests: builds the module and the site, then runs the same-results test
# (the module under node against the desktop engine's web_same_results), the site build's
# test, and the page in headless Chromium.
#
#     tests/web/run.sh NATIVE_BUILD_DIR      (a build of the project with web_same_results)
source "$(dirname "$0")/../../scripts/common.sh"

NATIVE_BUILD_DIR=$(cd "${1:?usage: tests/web/run.sh NATIVE_BUILD_DIR}" && pwd)
KEY_DIR=${SPORIX_KEY_DIR:-$SPORIX_ROOT/data}
export SPORIX_SITE_DIR=${SPORIX_SITE_DIR:-$SPORIX_ROOT/build/site}
export SPORIX_NATIVE_BUILD_DIR=$NATIVE_BUILD_DIR

"$SPORIX_ROOT/scripts/build-site.sh" "$KEY_DIR"
cmake --build "$NATIVE_BUILD_DIR" --target web_same_results -j "$JOBS"

step "Installing the browser test's client (playwright-core, as package-lock.json pins it)"
command -v npm >/dev/null || ensure_packages npm
(cd "$SPORIX_ROOT/tests/web" && npm ci --no-audit --no-fund)

step "The module and the desktop engine: same results on every genus"
export SPORIX_MODULE_DIR="${SPORIX_MODULE_BUILD_DIR:-$SPORIX_ROOT/build/web}/src/web"
export SPORIX_NATIVE_DRIVER="$NATIVE_BUILD_DIR/tests/web/web_same_results"
export SPORIX_KEY_DIR="$KEY_DIR"
(cd "$SPORIX_ROOT/tests/web" && node --test same-results.test.mjs site.test.mjs)

step "The page in headless Chromium, on a phone and a desk, online and offline"
(cd "$SPORIX_ROOT/tests/web" && node --test browser.test.mjs phone.test.mjs)
