#!/usr/bin/env bash
# Configures and builds one of the builds: native (store and its unit tests, sanitized),
# win32 or win64 (the DLL, its tests, the demo and the benchmark, cross-compiled for 32- or
# 64-bit Windows) or fuzz (the store's
# libFuzzer targets, with clang).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=$1
shift || true
# VORLANE_BUILD_DIR puts a build elsewhere than build/<kind> (to work on two at once).
dir=${VORLANE_BUILD_DIR:-$root/build/$kind}
jobs=$(nproc)
case "$kind" in
native)
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    ;;
win32 | win64)
    toolchain=mingw-i686
    if [ "$kind" = win64 ]; then toolchain=mingw-x86_64; fi
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain.cmake" >/dev/null
    # Extra arguments name targets (for example: win32 vorlane builds only the DLL).
    if [ "$#" -gt 0 ]; then
        cmake --build "$dir" -j "$jobs" --target "$@"
    else
        cmake --build "$dir" -j "$jobs"
    fi
    ;;
fuzz)
    CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVORLANE_FUZZ=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    ;;
*)
    echo "usage: $0 native|win32|win64|fuzz [TARGET...]" >&2
    exit 2
    ;;
esac
