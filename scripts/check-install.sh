#!/usr/bin/env bash
# Installs a built Sporix package on this machine with apt-get, starts it as two users and
# checks that each gets a working folder and settings of their own; removes it all again.
# Changes the system: scripts/test.sh runs it only in CI. Usage: check-install.sh sporix_*.deb
source "$(dirname "$0")/common.sh"

DEB=$(realpath "$1")
USERS=(sporix-check-a sporix-check-b)

cleanup() {
    for user in "${USERS[@]}"; do
        pkill -u "$user" 2>/dev/null || true
        userdel -r "$user" 2>/dev/null || true
    done
    apt_get remove -y sporix >/dev/null 2>&1 || true
}
trap cleanup EXIT

# Starts the installed command as a user and waits until Sporix runs in their folder.
start_as() {
    local user=$1 home folder pid
    home=$(getent passwd "$user" | cut -d: -f6)
    folder=$home/.local/share/sporix
    # setpriv replaces itself with the command, so $! is the launcher and then Sporix.
    setpriv --reuid="$user" --regid="$user" --init-groups env -i HOME="$home" PATH=/usr/bin:/bin \
        QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp sporix >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 100); do
        if [ "$(readlink "/proc/$pid/exe" || true)" = /usr/bin/sporix-here ]; then
            [ "$(readlink "/proc/$pid/cwd")" = "$folder" ] || { echo "Sporix runs in $(readlink "/proc/$pid/cwd")"; exit 1; }
            sleep 1
            kill -0 "$pid" || { echo "Sporix ended at once for $user"; exit 1; }
            kill "$pid"; wait "$pid" || true
            return
        fi
        sleep 0.1
    done
    echo "Sporix did not start for $user"; exit 1
}

step "Installing $DEB with apt-get"
apt_get install -y "$DEB"
test -x /usr/bin/sporix && test -f /usr/share/applications/sporix.desktop
test -f /usr/share/icons/hicolor/48x48/apps/sporix.png

step "Starting Sporix as ${USERS[*]}"
for user in "${USERS[@]}"; do
    id "$user" >/dev/null 2>&1 || useradd -m "$user"
    start_as "$user"
done
home_a=$(getent passwd "${USERS[0]}" | cut -d: -f6)
home_b=$(getent passwd "${USERS[1]}" | cut -d: -f6)
printf '3\r\n2\r\n' | runuser -u "${USERS[0]}" -- tee "$home_a/.local/share/sporix/SpxInit.txt" >/dev/null
printf '6\r\n1\r\n' | runuser -u "${USERS[1]}" -- tee "$home_b/.local/share/sporix/SpxInit.txt" >/dev/null
for user in "${USERS[@]}"; do start_as "$user"; done
[ "$(od -An -c "$home_a/.local/share/sporix/SpxInit.txt" | tr -d ' ')" = '3\r\n2\r\n' ]
[ "$(od -An -c "$home_b/.local/share/sporix/SpxInit.txt" | tr -d ' ')" = '6\r\n1\r\n' ]
[ "$(stat -c %U "$home_a/.local/share/sporix/genuslst.txt")" = "${USERS[0]}" ]

step "Installed package checked: each user has their own working folder and settings"
