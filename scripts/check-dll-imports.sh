#!/usr/bin/env bash
# Checks that a DLL is a 32-bit PE whose imports are all system DLLs.
set -euo pipefail
dll=$1
format=$(i686-w64-mingw32-objdump -f "$dll" | sed -n 's/.*file format //p')
if [ "$format" != "pei-i386" ]; then
    echo "$dll: file format $format, expected pei-i386"
    exit 1
fi
system='^(kernel32|user32|gdi32|comctl32|shell32|msvcrt|advapi32|ole32)\.dll$'
status=0
while read -r name; do
    if ! echo "$name" | tr 'A-Z' 'a-z' | grep -Eq "$system"; then
        echo "$dll imports $name, which is not a system DLL"
        status=1
    fi
done < <(i686-w64-mingw32-objdump -p "$dll" | sed -n 's/^\s*DLL Name: //p')
i686-w64-mingw32-objdump -p "$dll" | sed -n 's/^\s*DLL Name: /imports /p'
exit $status
