# Sourced by the Wine end-to-end tests after they have set feedgen, windir
# and arch: a work folder with a Wine prefix in it (removed at the end,
# with the prefix's processes), the messages, the prefix's processes, a
# small demo feed and the fake JV-Link registered in a fresh prefix.

work=$(mktemp -d "${TMPDIR:-/tmp}/vantor-wine-test.XXXXXX")
prefix=$work/prefix
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
unset DISPLAY WAYLAND_DISPLAY
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
step() { echo "== [${SECONDS}s] $*"; }
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
    wineboot -i >/dev/null 2>&1
    # A prefix made without 32-bit Wine (wine32) has an empty syswow64, where
    # every 32-bit program fails at once.
    if [ "$arch" = i686 ] && [ ! -e "$prefix/drive_c/windows/syswow64/kernel32.dll" ]; then
        echo "SKIP: 32-bit Wine (wine32:i386) is not installed, so the 32-bit bridge cannot run"
        exit 77
    fi
    fake=$(winepath -w "$windir/vantor-fakejvlink.dll")
    wine regsvr32 /s "$fake" || fail "regsvr32 could not register the fake"
    export VANTOR_FAKE_JVLINK_FEED
    VANTOR_FAKE_JVLINK_FEED=$(winepath -w "$work/source")
}
