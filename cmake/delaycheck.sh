#!/bin/sh
# delaycheck.sh TRIPLET PROGRAM STRIP DELAY-LIBRARY...: fails unless every
# function the program takes from a delay-load library (delayimport.sh's)
# kept its loading thunk, then strips PROGRAM when STRIP is 1. The 32-bit
# linker drops a thunk that only its import pointer reaches and leaves the
# pointer zero, so the program would jump to address 0 at its first call:
# a fault only a 32-bit host could show, caught here on any. A thunk is
# named as its pointer without "__imp_".
set -eu
triplet=$1 program=$2 strip=$3
shift 3
lost=$({ "$triplet-nm" "$program"; echo "-- libraries"; "$triplet-nm" "$@"; } | awk '
    $0 == "-- libraries" { libraries = 1; next }
    !libraries { if ($2 == "I") imported[$3] = 1; else if ($2 == "T") thunk[$3] = 1; next }
    $2 == "I" && $3 ~ /^__imp_/ && ($3 in imported) && !(substr($3, 7) in thunk) { print substr($3, 7) }')
if [ -n "$lost" ]; then
    echo "$program: delay-loaded without a thunk, so called at address 0:" $lost >&2
    exit 1
fi
[ "$strip" = 0 ] || "$triplet-strip" --strip-all "$program"
