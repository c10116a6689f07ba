#!/usr/bin/env bash
# Builds the web player's site and serves it on the loopback address, for a browser on this
# machine: http://127.0.0.1:8000/ (set SPORIX_PORT for another port). Ctrl-C stops it.
source "$(dirname "$0")/common.sh"

"$SPORIX_ROOT/scripts/build-site.sh" "$@"
PORT=${SPORIX_PORT:-8000}
step "Serving ${SPORIX_SITE_DIR:-$SPORIX_ROOT/build/site} on http://127.0.0.1:$PORT/"
exec python3 "$SPORIX_ROOT/web/serve.py" "${SPORIX_SITE_DIR:-$SPORIX_ROOT/build/site}" "$PORT"
