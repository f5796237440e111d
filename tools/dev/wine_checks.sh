# What a machine's Wine can run, for ./dev and the Wine tests (sourced).
#
# A machine may lack the kernel's 32-bit support altogether; then 32-bit
# Wine installs without complaint and fails at its first run, and Debian's
# /usr/bin/wine (and winepath, wineboot, regsvr32 through it) fail with it,
# since they start the 32-bit loader whenever it is installed. So the 64-bit
# runs name Wine's 64-bit loader themselves, and the 32-bit ones ask first.

# i386_run_problem: nothing when this machine can execute a 32-bit program;
# otherwise prints why not (e.g. "Exec format error") and returns 1. It
# runs a minimal static i386 ELF that only exits, so nothing needs to be
# installed to ask.
i386_run_problem() {
    local dir output status
    dir=$(mktemp -d "${TMPDIR:-/tmp}/vantor-i386.XXXXXX") || { echo "no temporary folder"; return 1; }
    # ELF header, one loadable segment at 0x08048000, code: mov eax,1; xor ebx,ebx; int 0x80 (exit 0).
    printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00%b%b' \
        '\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00' \
        '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' \
        >"$dir/exit0"
    chmod +x "$dir/exit0"
    output=$("$dir/exit0" 2>&1) && status=0 || status=$?
    rm -rf "$dir"
    [ $status -eq 0 ] && return 0
    case $output in
    *"Exec format error"*) echo "Exec format error" ;;
    *) echo "status $status${output:+: ${output##*$'\n'}}" ;;
    esac
    return 1
}

# wine64_loader: prints Wine's 64-bit loader (Debian 12 has it only in
# /usr/lib/wine, other systems as wine64 on PATH); returns 1 without one.
wine64_loader() {
    local candidate
    for candidate in /usr/lib/wine/wine64 /usr/lib64/wine/wine64 /usr/lib/x86_64-linux-gnu/wine/wine64 \
        "$(command -v wine64 2>/dev/null)"; do
        [ -n "$candidate" ] && [ -x "$candidate" ] && { echo "$candidate"; return 0; }
    done
    return 1
}

# wine_run_problem WINE [quick]: nothing when "WINE --version" and a
# throwaway "WINE wineboot -i" (no display, in a temporary prefix) both
# succeed, each within three minutes; quick asks only the first. Otherwise
# prints the failing step with its status and last line, and returns 1.
wine_run_problem() {
    local wine=$1 limit=180 prefix output status
    output=$(timeout "$limit" "$wine" --version 2>&1) && status=0 || status=$?
    if [ $status -ne 0 ]; then
        echo "$wine --version: status $status${output:+: ${output##*$'\n'}}"
        return 1
    fi
    [ "${2:-}" = quick ] && return 0
    prefix=$(mktemp -d "${TMPDIR:-/tmp}/vantor-wineboot.XXXXXX") || { echo "no temporary folder"; return 1; }
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY WINEPREFIX="$prefix" WINEDEBUG=-all \
        timeout "$limit" "$wine" wineboot -i 2>&1) && status=0 || status=$?
    WINEPREFIX="$prefix" timeout 30 wineserver -k >/dev/null 2>&1 || true
    rm -rf "$prefix"
    if [ $status -ne 0 ]; then
        [ $status -eq 124 ] && output="no end within ${limit}s"
        echo "$wine wineboot -i: status $status${output:+: ${output##*$'\n'}}"
        return 1
    fi
    return 0
}
