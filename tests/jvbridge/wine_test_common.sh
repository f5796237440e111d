# Sourced by the Wine end-to-end tests after they have set feedgen, windir
# and arch: the Wine that runs programs of arch ($wine, $wineserver), a
# work folder with a Wine prefix in it (removed at the end, with the
# prefix's processes), the messages, the prefix's processes, a small demo
# feed and the fake JV-Link registered in a fresh prefix.
#
# A 64-bit run goes through Wine's 64-bit loader, so that it works whether
# or not 32-bit Wine is installed and whether or not it runs; a 32-bit run
# ends skipped (status 77) where this machine cannot run 32-bit programs.

source "$(dirname "${BASH_SOURCE[0]}")/../../tools/dev/wine_checks.sh"
skip() {
    echo "SKIP: $*"
    exit 77
}
if [ "$arch" = x86_64 ]; then
    wine=$(wine64_loader) || skip "Wine's 64-bit loader (wine64) is not installed"
    wineserver=$(dirname "$wine")/wineserver
    [ -x "$wineserver" ] || wineserver=wineserver
else
    reason=$(i386_run_problem) || skip "this machine cannot run 32-bit programs ($reason), so the 32-bit bridge cannot run"
    wine=wine
    wineserver=wineserver
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/vantor-wine-test.XXXXXX")
prefix=$work/prefix
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
unset DISPLAY WAYLAND_DISPLAY
cleanup() {
    "$wineserver" -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
step() { echo "== [${SECONDS}s] $*"; }
# wine_step COMMAND...: a Wine step that must succeed; a failure fails the
# test with the command, its status and the end of what it said.
wine_step() {
    local output status=0
    output=$("$@" 2>&1) || status=$?
    [ $status -eq 0 ] && return 0
    echo "FAIL: $* ended with status $status; its last lines:" >&2
    tail -n 15 <<<"$output" >&2
    exit 1
}
# The Windows form of a path, through the prefix.
winpath() {
    local out status=0
    out=$("$wine" winepath -w "$1" 2>"$work/winepath.err") || status=$?
    [ $status -eq 0 ] || fail "$wine winepath -w $1 ended with status $status: $(tail -n 5 "$work/winepath.err")"
    echo "$out"
}
# The processes whose environment names the prefix (the ones looking are
# started without it, so they do not find themselves).
prefix_processes() (
    unset WINEPREFIX
    grep -lzx "WINEPREFIX=$prefix" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3 || true
)

# A smaller season keeps the tests quick: the last month's set-up file and
# the normal files of the last week, in $work/source.
make_source_feed() {
    step "source feed"
    "$feedgen" --out "$work/source" --years 1 --to 20240630 >/dev/null
    find "$work/source/setup" -name '*.jvd' ! -name '*_RACE202405.jvd' -delete
    find "$work/source/normal" -name '*.jvd' ! -name '2024062[4-9]*' ! -name '2024063*' -delete
}

# A fresh prefix with the fake JV-Link registered, serving $work/source.
# A 32-bit run where the prefix has no 32-bit half ends the test skipped.
make_prefix_with_fake() {
    step "fake JV-Link registered in a fresh Wine prefix"
    wine_step "$wine" wineboot -i
    # A prefix made without 32-bit Wine (wine32) has an empty syswow64, where
    # every 32-bit program fails at once.
    if [ "$arch" = i686 ] && [ ! -e "$prefix/drive_c/windows/syswow64/kernel32.dll" ]; then
        skip "32-bit Wine (wine32:i386) is not installed, so the 32-bit bridge cannot run"
    fi
    fake=$(winpath "$windir/vantor-fakejvlink.dll")
    wine_step "$wine" regsvr32 /s "$fake"
    export VANTOR_FAKE_JVLINK_FEED
    VANTOR_FAKE_JVLINK_FEED=$(winpath "$work/source")
}
