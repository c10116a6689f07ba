#!/usr/bin/env bash
# Builds the Debian package of Sporix: build/deb/sporix_<version>_<arch>.deb.
# Install it with: apt-get install ./build/deb/sporix_*.deb
source "$(dirname "$0")/common.sh"

BUILD_DIR=${SPORIX_BUILD_DIR:-$SPORIX_ROOT/build/package}
DEB_DIR=${SPORIX_DEB_DIR:-$SPORIX_ROOT/build/deb}

ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

step "Configuring in $BUILD_DIR"
cmake -S "$SPORIX_ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DSPORIX_TESTS=OFF -DSPORIX_TOOLS=OFF

step "Building"
cmake --build "$BUILD_DIR" -j "$JOBS"

step "Making the Debian package in $DEB_DIR"
rm -f "$DEB_DIR"/sporix_*.deb
cpack -G DEB -B "$DEB_DIR" --config "$BUILD_DIR/CPackConfig.cmake"
ls -l "$DEB_DIR"/sporix_*.deb
