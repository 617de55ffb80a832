#!/usr/bin/env bash
# Configures and builds one of the builds: native (store and its unit tests, sanitized),
# win32 (the DLL, its tests, the demo and the benchmark, cross-compiled) or fuzz (the store's
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
win32)
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    ;;
fuzz)
    CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVORLANE_FUZZ=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    ;;
*)
    echo "usage: $0 native|win32|fuzz" >&2
    exit 2
    ;;
esac
