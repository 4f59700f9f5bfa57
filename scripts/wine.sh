# shellcheck shell=bash
# Sourced, not run: wine_for EXE chooses the Wine that runs the Windows
# program EXE, from the machine named in its PE header, and sets WINE (the
# loader), WINESERVER, WINEARCH (of a prefix made for it) and WINE_BITS.
# Debian's `wine` wrapper tries the 32-bit loader first, which fails where
# the host runs no 32-bit code, so each loader is called by its own path.
# Status 77 where the host cannot run a 32-bit program, 2 where that Wine is
# not installed (scripts/deps installs it), 1 for no Windows program.
# shellcheck source=scripts/host32.sh
source "$(dirname "${BASH_SOURCE[0]}")/host32.sh"

wine_for() {
    local offset machine
    [[ -f $1 && $(head -c 2 "$1") == MZ ]] || return 1
    offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
    machine=$(od -An -tx2 -j$((offset + 4)) -N2 "$1" | tr -d ' ')
    case $machine in
    014c)
        host_runs_32bit || return 77
        WINE=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32 WINEARCH=win32 WINE_BITS=32
        ;;
    8664)
        WINE=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64 WINEARCH=win64 WINE_BITS=64
        ;;
    *) return 1 ;;
    esac
    export WINE WINESERVER WINEARCH WINE_BITS
    [[ -x $WINE && -x $WINESERVER ]] || return 2
}
