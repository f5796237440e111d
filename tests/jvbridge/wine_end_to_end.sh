#!/usr/bin/env bash
# End to end under Wine. The fake JV-Link is registered in a throwaway Wine
# prefix and serves a demo feed (the source); vantor-jvbridge.exe reads it
# through COM automation into a feed folder of its own (the bridged feed).
# Vantor then acquires set-up data, normal data and a day's results once
# from the bridged feed and once straight from the source, and the two
# stores must be byte for byte the same. A bridge killed in the middle of a
# run must leave no feed file behind, and running it again must give the
# same folder as an undisturbed run.
#
# usage: wine_end_to_end.sh VANTOR_CLI VANTOR_FEEDGEN WINDOWS_BUILD_DIR i686|x86_64
# A 32-bit run where Wine has no 32-bit half ends with status 77 (skipped).
set -euo pipefail

cli=$1
feedgen=$2
windir=$3
arch=$4

source "$(dirname "$0")/wine_test_common.sh"
bridge() { "$wine" "$windir/vantor-jvbridge.exe" "$@"; }
vantor() {
    local app=$1
    shift
    "$cli" --app-dir "$work/$app" "$@"
}

make_source_feed
# The newest normal file is held back until the normal run, so that one has
# something new to deliver.
mkdir "$work/later"
newest=$(ls "$work/source/normal" | tail -n 1)
mv "$work/source/normal/$newest" "$work/later/"
[ "${newest:0:14}" \> "$(ls "$work/source/normal" "$work/source/setup" | grep jvd | cut -c1-14 | sort | tail -n 1)" ] ||
    fail "the held-back file $newest is not the newest"
make_prefix_with_fake
bridged_w=$(winpath "$work/bridged")
from=20230101000000
from_text="2023/01/01 00:00:00"

step "bridge: set-up data (JVGets, paced download, a record that is not there yet)"
VANTOR_FAKE_JVLINK_PACE_MS=20 VANTOR_JVLINK_FAULTS="JVRead@3=-3" \
    bridge setup --feed "$bridged_w" --from $from >"$work/setup.out" || fail "bridge setup failed"
grep -q "^download 0/" "$work/setup.out" || fail "the download was not waited for"
setup_files=$(ls "$work/bridged/setup" | wc -l)
[ "$setup_files" -gt 1 ] || fail "bridge setup wrote $setup_files files"

step "bridge: a JV-Link error is reported, exits non-zero and writes nothing"
if VANTOR_JVLINK_FAULTS="JVRead@4=-402" bridge setup --feed "$(winpath "$work/failed")" --from $from \
    >"$work/failed.out" 2>"$work/failed.err"; then
    fail "a failed read ended with status 0"
fi
grep -q "JVReadエラー:ダウンロードしたファイルサイズが異常です。(-402)" "$work/failed.err" ||
    fail "the read error was not reported with its message"
[ -z "$(ls -A "$work/failed/setup")" ] || fail "a failed run left files"

step "bridge: killed in the middle of a run, then run again"
# Records that are "not there yet" slow the read down so the kill lands in it.
slow=$(seq -s, -f 'JVRead@%.0f=-3' 20 1000)
killed_w=$(winpath "$work/killed")
# Started without the shell function, so that $! is the bridge itself.
VANTOR_JVLINK_FAULTS=$slow "$wine" "$windir/vantor-jvbridge.exe" setup --feed "$killed_w" --from $from >/dev/null 2>&1 &
pid=$!
for _ in $(seq 1 600); do
    ls "$work/killed/setup" 2>/dev/null | grep -q '\.partial$' && break
    sleep 0.05
done
ls "$work/killed/setup" | grep -q '\.partial$' || fail "the bridge never started writing"
kill -KILL $pid
wait $pid 2>/dev/null && fail "the bridge ended before it was killed"
"$wineserver" -w  # until Wine has let go of the killed program's open files
ls "$work/killed/setup" | grep -q '\.jvd$' && fail "the killed run left feed files"
bridge setup --feed "$killed_w" --from $from >/dev/null || fail "the run after the kill failed"
diff -r "$work/bridged/setup" "$work/killed/setup" || fail "the run after the kill gave another folder"

step "Vantor: set-up data from both feeds"
vantor app-bridged acquire --feed "$work/bridged" --setup --from "$from_text" 2>/dev/null || fail "acquire (bridged)"
vantor app-direct acquire --feed "$work/source" --setup --from "$from_text" 2>/dev/null || fail "acquire (direct)"

step "bridge and Vantor: normal data (JVRead and wide text)"
mv "$work/later/$newest" "$work/source/normal/"
stamp=$(ls "$work/bridged/setup" | head -n 1 | cut -c1-14)
VANTOR_FAKE_JVLINK_NO_GETS=1 bridge normal --feed "$bridged_w" --from "$stamp" >/dev/null || fail "bridge normal"
[ "$(ls "$work/bridged/normal" | wc -l)" -eq 1 ] || fail "bridge normal did not write the one new file"
vantor app-bridged acquire --feed "$work/bridged" --normal 2>/dev/null || fail "acquire normal (bridged)"
vantor app-direct acquire --feed "$work/source" --normal 2>/dev/null || fail "acquire normal (direct)"

step "bridge and Vantor: results of the last race day (JVRead and wide text)"
day=$(ls "$work/source/realtime" | tail -n 1)
VANTOR_FAKE_JVLINK_NO_GETS=1 bridge results --feed "$bridged_w" --date "$day" >/dev/null || fail "bridge results"
# Vantor's results fetch reads the feed its settings name.
printf '[JVLinkFeed]\r\nFolder=%s\r\nPace=0\r\n' "$work/bridged" >>"$work/app-bridged/vantor.ini"
printf '[JVLinkFeed]\r\nFolder=%s\r\nPace=0\r\n' "$work/source" >>"$work/app-direct/vantor.ini"
day_name="${day:0:4}年${day:4:2}月${day:6:2}日"
for app in app-bridged app-direct; do
    vantor $app results --day "$day_name" 2>"$work/$app-results.err" || fail "results ($app)"
    grep -q "records filed: [1-9]" "$work/$app-results.err" || fail "results ($app) filed nothing"
done

step "the two stores"
[ -e "$work/app-bridged/jvfeed" ] || [ -e "$work/app-direct/jvfeed" ] && fail "a demo feed was used"
[ -n "$(ls "$work/app-direct/DATA")" ] || fail "the store is empty"
# The analysis database holds the store files' times, which differ between
# the two folders; the store it is made from is compared.
diff -r --exclude=vantor.ini --exclude=analysis.sqlite "$work/app-bridged" "$work/app-direct" || fail "the stores differ"
diff <(grep '^LastTime' "$work/app-bridged/vantor.ini") <(grep '^LastTime' "$work/app-direct/vantor.ini") ||
    fail "the remembered start times differ"
echo "PASS: $(find "$work/app-direct" -type f | wc -l) store files identical"
