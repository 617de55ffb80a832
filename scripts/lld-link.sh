#!/usr/bin/env bash
# A GCC driver wrapper (-wrapper) that links with LLD instead of GNU ld: Debian's mingw-w64 GCC
# has its linker's path built in and ignores -fuse-ld. The driver runs every subcommand through
# this script; collect2's arguments are the linker's, so collect2 is replaced by ld.lld (which
# takes GNU ld's MinGW options) less the LTO plugin's, and everything else runs unchanged.
# Linking a test program takes 0.1 s this way instead of 2.7 s.
set -euo pipefail
program=$1
shift
if [ "$(basename "$program")" != collect2 ]; then
    exec "$program" "$@"
fi
arguments=()
while [ "$#" -gt 0 ]; do
    case $1 in
        -plugin) shift ;;      # and its path
        -plugin-opt=*) ;;
        *) arguments+=("$1") ;;
    esac
    shift
done
exec ld.lld "${arguments[@]}"
