#!/usr/bin/env bash
# Runs one Windows program under Wine in the project's private prefix and virtual display.
# CTest uses this as the emulator; scripts/wine-session.sh must have started the session.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${VORLANE_WINEPREFIX:-$here/build/win32/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export DISPLAY=${VORLANE_DISPLAY:-${DISPLAY:-}}
exec wine "$@"
