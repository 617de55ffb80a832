#!/usr/bin/env bash
# Sets up the machine, builds the Windows build and runs the demo under Wine. With an X display
# the demo opens there; without one (or with VORLANE_HEADLESS=1) it runs on a virtual display
# and writes a screenshot (docs/screenshot.png, or the file given as the first argument).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" win32
if [ -n "${DISPLAY:-}" ] && [ -z "${VORLANE_HEADLESS:-}" ]; then
    exec "$root/scripts/wine-run.sh" "$root/build/win32/bin/vorlane_demo.exe" "$@"
fi
shot=${1:-$root/docs/screenshot.png}
eval "$("$root/scripts/wine-session.sh" start "$root/build/win32")"
trap '"$root/scripts/wine-session.sh" stop "$root/build/win32"' EXIT
# The picture shows two rows selected in the left pane (VORLANE_GESTURE=drag: being dragged).
"$root/scripts/wine-run.sh" "$root/build/win32/bin/vorlane_demo.exe" \
    --screenshot "$(winepath -w "$shot" 2>/dev/null || echo "$shot")" \
    --gesture "${VORLANE_GESTURE:-select}"
echo "demo: screenshot written to $shot"
