# Shared by run.sh and test.sh: loud steps, loud failures, Debian packages on demand.
set -euo pipefail

SPORIX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=${JOBS:-$(nproc)}

step() { printf '\n==> %s\n' "$*"; }
trap 'status=$?; printf "\n*** FAILED (exit %s) at line %s: %s\n" "$status" "$LINENO" "$BASH_COMMAND" >&2; exit $status' ERR

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the Debian packages that are missing; does nothing when all are there.
ensure_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        step "Debian packages already installed: $*"
        return
    fi
    step "Installing Debian packages: ${missing[*]}"
    apt_get update
    apt_get install -y --no-install-recommends "${missing[@]}"
}

# How long an install waits for another one that holds the package manager's locks.
APT_LOCK_WAIT=${SPORIX_APT_LOCK_WAIT:-600}

# apt-get, waiting while another install holds a lock instead of failing at once: dpkg's
# lock through apt's own timeout, the package lists' lock (which that timeout does not
# cover in every apt) by trying again until APT_LOCK_WAIT seconds have gone by.
apt_get() {
    local deadline=$((SECONDS + APT_LOCK_WAIT)) log
    log=$(mktemp)
    until as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout="$APT_LOCK_WAIT" "$@" 2>&1 | tee "$log"
        [ "${PIPESTATUS[0]}" -eq 0 ]; do
        if ! grep -qE "Could not get lock|Unable to lock|Unable to acquire" "$log" || [ "$SECONDS" -ge "$deadline" ]; then
            rm -f "$log"
            return 1
        fi
        step "Another install holds the package manager's lock; trying again in 5 s"
        sleep 5
    done
    rm -f "$log"
}

BUILD_PACKAGES=(cmake make g++ qt6-base-dev libjpeg62-turbo-dev libgl-dev fonts-dejavu-core fonts-liberation2
    fonts-liberation)
# The Debian package: dpkg-shlibdeps finds the libraries, file finds the programs.
PACKAGE_PACKAGES=(dpkg-dev file)
# The package's tests check the desktop entry and the AppStream metadata.
PACKAGE_CHECK_PACKAGES=(desktop-file-utils appstream)
# Every file's licence (REUSE) and the package's Debian policy.
LICENCE_PACKAGES=(reuse lintian)
# The web player: Emscripten (with clang and node), the site's assembler, the browser test.
WEB_PACKAGES=(emscripten nodejs python3 chromium)
# The fuzz targets: clang with libFuzzer and the sanitizer runtimes.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
