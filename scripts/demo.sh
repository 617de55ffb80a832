#!/usr/bin/env bash
# Sets up the machine, builds the DLL and the demo and runs the demo under Wine: the 64-bit build
# with --win64, the 32-bit one with --win32, and by default the 32-bit one where the machine runs
# 32-bit programs, else the 64-bit one. With an X display the demo opens there; without one (or
# with VORLANE_HEADLESS=1) it runs on a virtual display and writes a screenshot to
# build/screenshot.png, or to the file given as the first argument (docs/screenshot.png refreshes
# the README's picture). Arguments after that go to the demo: `scripts/demo.sh --win64
# docs/screenshot-dark.png --dark` refreshes the picture of the dark look. VORLANE_DPI sets the
# DPI the headless demo runs at, on a screen scaled to match: `VORLANE_DPI=192 scripts/demo.sh
# --win64 docs/screenshot-192dpi.png` refreshes the picture at 200%.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
arch=""
case "${1:-}" in
--win64) arch=win64; shift ;;
--win32) arch=win32; shift ;;
esac
"$root/scripts/setup.sh"
if [ -z "$arch" ]; then
    arch=win64
    if "$root/scripts/runs-32bit.sh" && [ -x /usr/lib/wine/wine ]; then arch=win32; fi
fi
echo "demo: running the ${arch#win}-bit demo"
build=$root/build/$arch
"$root/scripts/build.sh" "$arch" vorlane vorlane_demo
if [ -n "${DISPLAY:-}" ] && [ -z "${VORLANE_HEADLESS:-}" ]; then
    exec "$root/scripts/wine-run.sh" "$build/bin/vorlane_demo.exe" "$@"
fi
shot=$root/build/screenshot.png
if [ "$#" -gt 0 ] && [ "${1#--}" = "$1" ]; then
    shot=$1
    shift
fi
shot=$(realpath -m "$shot")
dpi=${VORLANE_DPI:-96}
export VORLANE_SCREEN=$((1280 * dpi / 96))x$((1024 * dpi / 96))x24
eval "$("$root/scripts/wine-session.sh" start "$build")"
trap '"$root/scripts/wine-session.sh" stop "$build"' EXIT
# Wine's drive Z: is the root of the file system. The picture shows two rows selected in the
# left pane (VORLANE_GESTURE=drag: being dragged; drop and rename: see demo/gestures.h). The demo
# exits with 3, and so this script fails, when the panes do not show what the gesture must leave.
"$root/scripts/wine-dpi-run.sh" "$dpi" "$build/bin/vorlane_demo.exe" \
    --screenshot "Z:${shot//\//\\}" \
    --gesture "${VORLANE_GESTURE:-select}" "$@"
echo "demo: screenshot written to $shot"
