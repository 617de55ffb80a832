#!/usr/bin/env bash
# Prints win32 for a PE32 (i386) program or DLL and win64 for a PE32+ (x86-64) one.
set -euo pipefail
file=$1
# The PE header's offset is at 0x3C; its machine field follows the 4-byte signature.
pe=$(od -An -tu4 -j 60 -N 4 "$file" | tr -d ' ')
machine=$(od -An -tx2 -j $((pe + 4)) -N 2 "$file" | tr -d ' ')
case "$machine" in
014c) echo win32 ;;
8664) echo win64 ;;
*) echo "$file: not an i386 or x86-64 PE file (machine $machine)" >&2; exit 1 ;;
esac
