#!/usr/bin/env bash
# Checks that a DLL is a PE of the expected architecture (win32: PE32 for i386, win64: PE32+ for
# x86-64) whose imports are all system DLLs and which exports nothing. The x86-64 objdump reads
# both formats.
set -euo pipefail
dll=$1
arch=$2
case "$arch" in
win32) expected=pei-i386 ;;
win64) expected=pei-x86-64 ;;
*) echo "usage: $0 DLL win32|win64" >&2; exit 2 ;;
esac
objdump=x86_64-w64-mingw32-objdump
format=$($objdump -f "$dll" | sed -n 's/.*file format //p')
if [ "$format" != "$expected" ]; then
    echo "$dll: file format $format, expected $expected"
    exit 1
fi
# comctl32 is taken as every version has it, with no manifest asking for version 6: image lists,
# InitCommonControlsEx and the tooltip window class (reached by name, with the tool record's
# version-5 size).
system='^(kernel32|user32|gdi32|comctl32|shell32|msvcrt|advapi32|ole32|oleacc|oleaut32)\.dll$'
status=0
while read -r name; do
    if ! echo "$name" | tr 'A-Z' 'a-z' | grep -Eq "$system"; then
        echo "$dll imports $name, which is not a system DLL"
        status=1
    fi
done < <($objdump -p "$dll" | sed -n 's/^\s*DLL Name: //p')
# The per-monitor DPI functions are looked up at run time: a DLL that imported them would not
# load on a system without them.
dpi_imports=$($objdump -p "$dll" | grep -Eo '\b(GetDpiFor[A-Za-z]*|[A-Za-z]*ForDpi)\b' | sort -u || true)
if [ -n "$dpi_imports" ]; then
    echo "$dll imports DPI functions by name:" $dpi_imports
    status=1
fi
# A program loads the DLL for its window class; no function of it is exported.
exports=$($objdump -p "$dll" | sed -n 's/^\s*Export Address Table\s*\([0-9a-f]*\)$/\1/p' | head -1)
if [ -n "$exports" ] && [ $((16#$exports)) -ne 0 ]; then
    echo "$dll exports $((16#$exports)) functions, expected none"
    status=1
fi
echo "$dll: $format"
$objdump -p "$dll" | sed -n 's/^\s*DLL Name: /imports /p'
exit $status
