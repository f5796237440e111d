#!/usr/bin/env bash
# JV-Link under Wine, driven by Vantor itself. The fake JV-Link is
# registered in a throwaway Wine prefix and serves a demo feed; vantor-cli
# runs the bridge in that prefix in stream mode (--wine-prefix) and must
# file the same store as an acquisition straight from the feed folder. A
# JV-Link error ends with status 1 and JV-Link's message, and the next run
# converges; what is missing (prefix, JV-Link) is said; no process of the
# prefix is left behind.
#
# usage: wine_stream_end_to_end.sh VANTOR_CLI VANTOR_FEEDGEN WINDOWS_BUILD_DIR i686|x86_64
# A 32-bit run where Wine has no 32-bit half ends with status 77 (skipped).
set -euo pipefail

cli=$1
feedgen=$2
windir=$3
arch=$4

source "$(dirname "$0")/wine_test_common.sh"
bridge=$windir/vantor-jvbridge.exe
from="2000/01/01 00:00:00"
through_wine() {
    local app=$1
    shift
    "$cli" --app-dir "$work/$app" acquire --wine-command "$wine" --wine-prefix "$prefix" --bridge "$bridge" "$@"
}
direct() {
    local app=$1
    shift
    "$cli" --app-dir "$work/$app" acquire --feed "$work/source" "$@"
}
same_store() {
    for d in DATA SEI SEIR UM2; do
        diff -r "$work/$1/$d" "$work/$2/$d" >/dev/null || fail "$d of $1 and $2 differ"
    done
}

make_source_feed
make_prefix_with_fake
"$wineserver" -w  # so that Vantor's runs start the prefix's server themselves

step "set-up data through Wine and straight from the feed"
through_wine wine --setup --from "$from" 2>"$work/wine.err" || { cat "$work/wine.err"; fail "acquire through Wine"; }
direct direct --setup --from "$from" 2>/dev/null || fail "acquire from the feed"
[ -n "$(ls "$work/direct/DATA")" ] || fail "the store is empty"
same_store wine direct
diff <(grep '^LastTime' "$work/wine/vantor.ini") <(grep '^LastTime' "$work/direct/vantor.ini") ||
    fail "the remembered start times differ"

step "a JV-Link error: status 1 with its message, and the next run converges"
if VANTOR_JVLINK_FAULTS="JVRead@500=-502" through_wine faulty --setup --from "$from" 2>"$work/faulty.err"; then
    fail "a failed read ended with status 0"
fi
grep -q "JVReadエラー:ダウンロードに失敗しました" "$work/faulty.err" || fail "the read error was not said"
grep -q "^LastTime" "$work/faulty/vantor.ini" 2>/dev/null && fail "a failed run kept a start time"
through_wine faulty --setup --from "$from" 2>/dev/null || fail "the run after the error failed"
same_store faulty direct

step "results of the last race day through Wine and from the feed"
day=$(ls "$work/source/realtime" | tail -n 1)
day_name="${day:0:4}年${day:4:2}月${day:6:2}日"
printf '[JVLinkFeed]\r\nFolder=%s\r\n' "$work/source" >>"$work/direct/vantor.ini"
"$cli" --app-dir "$work/wine" results --day "$day_name" --wine-command "$wine" --wine-prefix "$prefix" --bridge "$bridge" \
    2>"$work/results.err" || { cat "$work/results.err"; fail "results through Wine"; }
grep -q "records filed: [1-9]" "$work/results.err" || fail "results through Wine filed nothing"
"$cli" --app-dir "$work/direct" results --day "$day_name" 2>/dev/null || fail "results from the feed"
same_store wine direct

step "what is missing is said"
"$cli" --app-dir "$work/none" acquire --wine-command "$wine" --wine-prefix "$work/no-prefix" --bridge "$bridge" 2>"$work/none.err" &&
    fail "a missing prefix ended with status 0"
grep -q "$work/no-prefix" "$work/none.err" || fail "the missing prefix was not named"
wine_step "$wine" regsvr32 /s /u "$fake"
"$wineserver" -w
"$cli" --app-dir "$work/none" acquire --wine-command "$wine" --wine-prefix "$prefix" --bridge "$bridge" 2>"$work/none.err" &&
    fail "a prefix without JV-Link ended with status 0"
grep -q "JV-Link is not installed" "$work/none.err" || { cat "$work/none.err"; fail "the missing JV-Link was not said"; }

step "no process of the prefix is left"
sleep 10
left=$(prefix_processes)
[ -z "$left" ] || fail "processes of the prefix are left: $(ps -o pid,args -p "$(echo $left | tr ' ' ,)")"
echo "PASS: $(find "$work/direct" -type f | wc -l) store files identical"
