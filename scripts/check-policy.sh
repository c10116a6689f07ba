#!/usr/bin/env bash
# Fails on every lintian error or warning of the package; notes (I:) are counted, not fatal.
source "$(dirname "$0")/common.sh"

deb=${1:?usage: check-policy.sh PACKAGE.deb}
report=$(lintian --display-info "$deb" || true)
printf '%s\n' "$report" | grep -E '^[EW]:' || true
if printf '%s\n' "$report" | grep -qE '^[EW]:'; then
    echo "lintian reports errors or warnings for $deb" >&2
    exit 1
fi
step "lintian: no errors or warnings ($(printf '%s\n' "$report" | grep -c '^I:' || true) notes)"
