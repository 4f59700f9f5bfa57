#!/bin/sh
# delaycheck.sh TRIPLET PROGRAM STRIP DEF...: fails unless every function the
# program takes from a delay-loaded DLL (the DEF files delayimport.sh wrote)
# kept its loading thunk, then strips PROGRAM when STRIP is 1. The 32-bit
# linker drops a thunk that only its import pointer reaches and leaves the
# pointer zero, so the program would jump to address 0 at its first call:
# a fault only a 32-bit host could show, caught here on any.
set -eu
triplet=$1 program=$2 strip=$3
shift 3
prefix=
[ "$triplet" = i686-w64-mingw32 ] && prefix=_
lost=$("$triplet-nm" "$program" | awk -v prefix="$prefix" '
    FNR == NR { if ($2 == "I") imported[$3] = 1; else if ($2 == "T") thunk[$3] = 1; next }
    $1 == "LIBRARY" || $1 == "EXPORTS" { next }
    (("__imp_" prefix $1) in imported) && !((prefix $1) in thunk) { print $1 }' - "$@")
if [ -n "$lost" ]; then
    echo "$program: delay-loaded without a thunk, so called at address 0:" $lost >&2
    exit 1
fi
[ "$strip" = 0 ] || "$triplet-strip" --strip-all "$program"
