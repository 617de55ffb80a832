#!/usr/bin/env bash
# Runs one Windows program under Wine in the project's private prefix and virtual display, with
# the loader of the program's own architecture (32- or 64-bit). CTest uses this as the emulator;
# scripts/wine-session.sh must have started the session.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
wine_arch=$("$here/scripts/pe-arch.sh" "$1") || exit 2
export WINEPREFIX=${VORLANE_WINEPREFIX:-$here/build/$wine_arch/wineprefix}
. "$here/scripts/wine-env.sh"
export DISPLAY=${VORLANE_DISPLAY:-${DISPLAY:-}}
# A test may ask to run under an address-space limit, to meet a real out-of-memory.
if [ -n "${VORLANE_ADDRESS_LIMIT_KB:-}" ]; then
    ulimit -v "$VORLANE_ADDRESS_LIMIT_KB" || exit 2
fi
exec "$wine_loader" "$@"
