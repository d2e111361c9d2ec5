#!/bin/sh
# Usage: check-windows-resource.sh RC-FILE
# Compiles the Windows resource script as a Windows build would, reads the
# result back and checks the icon and the version record in it.
set -eu

windres=x86_64-w64-mingw32-windres
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The host's preprocessor: the script needs no Windows headers.
$windres --preprocessor=cpp -i "$1" -O coff -o "$work/kobu.o"
$windres --preprocessor=cpp -i "$1" -O res -o "$work/kobu.res"
$windres -i "$work/kobu.res" -O rc > "$work/decompiled.rc"

expect() {
    grep -Fq -- "$1" "$work/decompiled.rc" || { echo "missing from the resources: $1" >&2; exit 1; }
}
expect '1 14 /* RT_GROUP_ICON */'
expect '"\040\040\000\000", 1, 24,' # one 32 x 32 image, 24 bits per pixel
expect 'LANGUAGE 4, 2'               # Chinese (PRC)
expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect 'FILEOS 0x4'
expect 'FILETYPE 0x1'
expect 'BLOCK "080404b0"'
expect 'VALUE "FileVersion", "1.00"'
expect 'VALUE "ProductVersion", "1.00"'
expect 'VALUE "InternalName", "kobu"'
expect 'VALUE "OriginalFilename", "kobu.exe"'
expect 'VALUE "CompanyName", L"'
expect 'VALUE "ProductName", L"\x5495\x565c\x53f7"' # 咕噜号
expect 'VALUE "Translation", 0x804, 1200'
