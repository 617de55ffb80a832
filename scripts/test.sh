#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test: the native unit tests under the
# sanitizers, a bounded run of each libFuzzer target, then the Windows tests under Wine on a
# virtual display (CTest's summary of those comes last).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" native
"$root/scripts/build.sh" win32
"$root/scripts/build.sh" fuzz

status=0
(cd "$root/build/native" && ctest --output-on-failure -j "$(nproc)") || status=1
(cd "$root/build/fuzz" && ctest --output-on-failure -j "$(nproc)") || status=1

eval "$("$root/scripts/wine-session.sh" start "$root/build/win32")"
trap '"$root/scripts/wine-session.sh" stop "$root/build/win32"' EXIT
(cd "$root/build/win32" && ctest --output-on-failure) || status=1
exit $status
