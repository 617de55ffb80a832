#!/usr/bin/env bash
# Builds the Windows benchmark (Release) in its own folder, build/bench-win, runs it once under
# Wine in that folder's own session (virtual display, private prefix, wineserver), stops the
# session, and writes the results table to docs/benchmark.md as well as printing it.
# Extra arguments go to the benchmark (for a quick look: --max-rows 10000, --only sort).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/bench-win

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build" --target vorlane_winbench

eval "$("$root/scripts/wine-session.sh" start "$build")"
trap '"$root/scripts/wine-session.sh" stop "$build"' EXIT

# The program writes its table next to itself; a path in the build folder needs no mapping
# between the two file systems.
(cd "$build/bin" && "$root/scripts/wine-run.sh" ./vorlane_winbench.exe "$@" benchmark.md >/dev/null)
cp "$build/bin/benchmark.md" "$root/docs/benchmark.md"
cat "$root/docs/benchmark.md"
