#!/bin/sh
# delayimport.sh TRIPLET IMPORT-LIBRARY DLL OUTPUT: a delay-load import
# library for DLL, with every function the system's import library names,
# so that the DLL loads at the program's first call into it.
set -eu
triplet=$1 library=$2 dll=$3 output=$4
def=$output.def
# A 32-bit name's underscore is the linker's, added back by dlltool; its
# stdcall decoration (@N) stays for the linker and is not in the DLL's export
# table (--kill-at). 64-bit names have neither.
prefix=__imp_
[ "$triplet" = i686-w64-mingw32 ] && prefix=__imp__
{
    echo "LIBRARY $dll"
    echo EXPORTS
    "$triplet-nm" -g "$library" | sed -n "s/^[0-9a-f]* I $prefix//p" | sort -u
} >"$def"
"$triplet-dlltool" --kill-at --input-def "$def" --dllname "$dll" --output-delaylib "$output"
