# shellcheck shell=bash
# Sourced, not run: host_runs_32bit succeeds where this machine runs 32-bit
# x86 programs (and so the 32-bit Wine and the 32-bit Windows program).
# Many amd64 kernels have IA-32 emulation switched off, and no package tells:
# a static i386 program of a few bytes, written here, either runs and exits 0
# or is refused with "Exec format error". KORINVIEW_NO_32BIT=1 answers no on
# any host, to try the 64-bit-only path where 32-bit code runs.

host_runs_32bit() {
    [[ ${KORINVIEW_NO_32BIT:-0} == 1 ]] && return 1
    [[ -n ${KORINVIEW_HOST_RUNS_32BIT:-} ]] && return "$KORINVIEW_HOST_RUNS_32BIT"
    local dir program status=1
    # A directory that may execute at all: /tmp is mounted noexec on some
    # hosts, which would refuse the native program as well.
    for dir in "${TMPDIR:-/tmp}" /dev/shm "$HOME"; do
        program=$(mktemp "$dir/korinview-i386.XXXXXX" 2>/dev/null) || continue
        cp /bin/true "$program" && chmod +x "$program"
        if "$program" 2>/dev/null; then
            # ELF header, one loadable segment at 0x08048000, then the code at
            # its entry 0x08048054: mov eax, 1 (exit); xor ebx, ebx; int 0x80.
            local elf='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'
            elf+='\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'
            elf+='\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'
            elf+='\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'
            elf+='\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'
            elf+='\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80'
            printf '%b' "$elf" >"$program"
            ("$program") 2>/dev/null && status=0
            rm -f "$program"
            break
        fi
        rm -f "$program"
    done
    # The answer holds for the whole run, and for the scripts it starts.
    export KORINVIEW_HOST_RUNS_32BIT=$status
    return "$status"
}
