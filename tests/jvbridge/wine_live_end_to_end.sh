#!/usr/bin/env bash
# vantor-cli live through JV-Link under Wine: the fake JV-Link registered in
# a throwaway prefix serves the demo's live day, and one live step through
# the bridge must file the same live files as one straight from the feed
# folder. A JVRTOpen that hangs is ended after the time limit with a
# message, and the fetches after it work.
#
# usage: wine_live_end_to_end.sh VANTOR_CLI VANTOR_FEEDGEN WINDOWS_BUILD_DIR i686|x86_64
# A 32-bit run where Wine has no 32-bit half ends with status 77 (skipped).
set -euo pipefail

cli=$1
feedgen=$2
windir=$3
arch=$4

source "$(dirname "$0")/wine_test_common.sh"
bridge=$windir/vantor-jvbridge.exe
day_name=2024年05月26日

step "the demo's live day and two stores of its week"
"$feedgen" --out "$work/source" --years 1 --to 20240531 >/dev/null
for app in direct wine hung; do
    "$cli" --app-dir "$work/$app" acquire --feed "$work/source" --normal --from "2024/05/20 00:00:00" 2>/dev/null ||
        fail "acquire into $app"
done
make_prefix_with_fake
# A step runs one bridge per fetch: a server kept running spares each its start.
"$wineserver" -w
"$wineserver" -p || fail "$wineserver -p ended with status $?"
through_wine() {
    local app=$1
    shift
    "$cli" --app-dir "$work/$app" live --day "$day_name" --wine-command "$wine" --wine-prefix "$prefix" \
        --bridge "$bridge" "$@"
}
export VANTOR_JVLINK_CLOCK=20240526103000

step "one live step from the feed folder and through the bridge"
"$cli" --app-dir "$work/direct" live --day "$day_name" --feed "$work/source" --once >"$work/direct.out" ||
    fail "live from the feed folder"
[ -s "$work/direct.out" ] || fail "live from the feed folder told no change"
through_wine wine --once >"$work/wine.out" 2>"$work/wine.err" || { cat "$work/wine.err"; fail "live through Wine"; }
diff -r "$work/direct/Live" "$work/wine/Live" >/dev/null || fail "the bridge filed other live files than the feed folder"
diff -r "$work/direct/DATA" "$work/wine/DATA" >/dev/null || fail "the bridge filed other results than the feed folder"
cmp -s "$work/direct.out" "$work/wine.out" || fail "the bridge's step told other changes than the feed folder's"

step "a JVRTOpen that hangs is ended after its time limit; the fetches after it work"
touch "$work/hang"
export VANTOR_FAKE_JVLINK_HANG_FILE
VANTOR_FAKE_JVLINK_HANG_FILE=$(winpath "$work/hang")
status=0
started=$SECONDS
through_wine hung --once --timeout 5 >"$work/hung.out" 2>"$work/hung.err" || status=$?
[ $status -eq 1 ] || { cat "$work/hung.err"; fail "a hung fetch ended with status $status, not 1"; }
[ ! -e "$work/hang" ] || fail "no JVRTOpen hung"
grep -q "^0B14 20240526: JVRTOpen .*5 秒間何も伝えなかったため終了させました" "$work/hung.err" ||
    { cat "$work/hung.err"; fail "the hung call was not said"; }
[ $((SECONDS - started)) -lt 300 ] || fail "the hung call was not ended in time"
[ ! -e "$work/hung/Live/20240526/changes.jvd" ] || fail "the hung fetch filed its answer"
mv "$work/direct/Live/20240526/changes.jvd" "$work/changes.jvd"
diff -r "$work/direct/Live" "$work/hung/Live" >/dev/null || fail "the fetches after the hung one filed other files"
echo "PASS: $(ls "$work/wine/Live/20240526" | wc -l) live files through the bridge as from the feed folder"
