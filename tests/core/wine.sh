#!/usr/bin/env bash
# Runs core's tests cross-built as a Windows program (core_tests.exe of
# either build) under Wine, in a prefix of their own that ends with them.
# They open no window, so no X server is needed. Status 77 (skipped) for the
# 32-bit program where the host runs no 32-bit code.
# Arguments: the program, then doctest's own options.
set -euo pipefail
source "$(dirname "$0")/../../scripts/wine.sh"
status=0
wine_for "$1" || status=$?
if ((status == 77)); then
    echo "skipped: no 32-bit programs run here (or KORINVIEW_NO_32BIT=1), so no 32-bit Wine"
    exit 77
elif ((status == 2)); then
    echo "FAIL: no $WINE: scripts/deps installs it" >&2
    exit 1
elif ((status != 0)); then
    echo "FAIL: no Windows program $1: build it with scripts/build-windows" >&2
    exit 1
fi
scratch=$(mktemp -d)
export WINEPREFIX=$scratch/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
trap 'timeout 20 "$WINESERVER" -k 2>/dev/null; timeout 20 "$WINESERVER" -w 2>/dev/null; rm -rf "$scratch"' EXIT
echo "core's tests as the $WINE_BITS-bit Windows program, under $WINE"
env -u DISPLAY "$WINE" "$@"
