#!/usr/bin/env bash
# Runs one Windows program as scripts/wine-run.sh does, at the DPI given first: the session's
# `HKCU\Control Panel\Desktop` `LogPixels`, which each new process reads, is set for the program
# and put back afterwards (removed when it was not set). The program finds the DPI it should see
# in VORLANE_TEST_DPI. The prefix is shared: CTest runs no two Windows programs at once.
# Usage: scripts/wine-dpi-run.sh DPI PROGRAM [ARGUMENTS...]
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
dpi=$1
shift
wine_arch=$("$here/scripts/pe-arch.sh" "$1") || exit 2
export WINEPREFIX=${VORLANE_WINEPREFIX:-$here/build/$wine_arch/wineprefix}
. "$here/scripts/wine-env.sh"
export DISPLAY=${VORLANE_DISPLAY:-${DISPLAY:-}}
key='HKCU\Control Panel\Desktop'
reg() { "$wine_loader" reg "$@" </dev/null 2>/dev/null; }
previous=$(reg query "$key" /v LogPixels | tr -d '\r' |
    sed -n 's/.*LogPixels *REG_DWORD *0x\([0-9a-fA-F]*\).*/\1/p')
reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null || exit 2
VORLANE_TEST_DPI=$dpi "$here/scripts/wine-run.sh" "$@"
status=$?
if [ -n "$previous" ]; then
    reg add "$key" /v LogPixels /t REG_DWORD /d $((16#$previous)) /f >/dev/null
else
    reg delete "$key" /v LogPixels /f >/dev/null
fi
exit $status
