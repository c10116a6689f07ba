#!/usr/bin/env bash
# Builds everything and runs every test through CTest (the Debian package included), then
# all of them again (core, windows, launcher, bundled key) under AddressSanitizer and
# UndefinedBehaviorSanitizer.
source "$(dirname "$0")/common.sh"

BUILD_DIR=${SPORIX_BUILD_DIR:-$SPORIX_ROOT/build/test}
SANITIZE_DIR=${SPORIX_SANITIZE_DIR:-$SPORIX_ROOT/build/sanitize}

ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" "${PACKAGE_CHECK_PACKAGES[@]}" \
    "${FUZZ_PACKAGES[@]}" "${LICENCE_PACKAGES[@]}" libgtest-dev libbenchmark-dev

step "Configuring the test build in $BUILD_DIR"
cmake -S "$SPORIX_ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPORIX_BENCH=ON

step "Building"
cmake --build "$BUILD_DIR" -j "$JOBS"

step "Running every test"
(cd "$BUILD_DIR" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS")

step "The key against descriptions it was not coded from (shares per genus)"
(cd "$BUILD_DIR" && QT_QPA_PLATFORM=offscreen tests/data_check --gtest_filter='IndependentCases.*' --gtest_brief=1)

step "Checking every file's licence and the package against Debian policy"
(cd "$SPORIX_ROOT" && reuse lint)
"$SPORIX_ROOT/scripts/check-policy.sh" "$BUILD_DIR"/package-test/sporix_*.deb

step "The web player: same results as the desktop engine, and the page in headless Chromium"
"$SPORIX_ROOT/tests/web/run.sh" "$BUILD_DIR"

# Installing the package changes the machine, so only CI's throwaway machine does it.
if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
    step "Installing the Debian package and starting it as two users"
    "$SPORIX_ROOT/scripts/check-install.sh" "$BUILD_DIR"/package-test/sporix_*.deb
fi

step "Configuring the sanitizer build in $SANITIZE_DIR"
cmake -S "$SPORIX_ROOT" -B "$SANITIZE_DIR" -DCMAKE_BUILD_TYPE=Debug -DSPORIX_SANITIZE=ON -DSPORIX_TOOLS=OFF \
    -DSPORIX_PACKAGE_TEST=OFF

step "Building the tests with sanitizers"
cmake --build "$SANITIZE_DIR" -j "$JOBS"

step "Running the tests with sanitizers"
(cd "$SANITIZE_DIR" && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j "$JOBS")

step "Fuzzing every reader and the program for a few seconds each"
FUZZ_SECONDS=5 "$SPORIX_ROOT/fuzz/run.sh"

step "All tests passed"
