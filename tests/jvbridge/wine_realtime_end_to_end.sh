#!/usr/bin/env bash
# Every real-time dataspec through the bridge under Wine, with the fake
# JV-Link registered in a throwaway prefix serving a race day's real-time
# folder. Each open must deliver the records the feed folder's JV-Link
# delivers: through the bridge in stream mode (Vantor's route), and through
# the bridge's folder mode, whose files the feed folder then serves. The
# folder mode's files are named after dataspec and key and stamped in Japan
# time, also when Wine's time zone is far east of Japan.
#
# usage: wine_realtime_end_to_end.sh REALTIME_DELIVERY WINDOWS_BUILD_DIR i686|x86_64
# A 32-bit run where Wine has no 32-bit half ends with status 77 (skipped).
set -euo pipefail

delivery=$1
windir=$2
arch=$3

source "$(dirname "$0")/wine_test_common.sh"
bridge=$windir/vantor-jvbridge.exe
day=20240526

step "a race day's real-time folder"
src=$work/source/realtime/$day
mkdir -p "$src" "$work/bridged"
long=$(head -c 83285 /dev/zero | tr '\0' 6)
printf 'WE\x93\x8c\x8b\x9e1\r\nAV1\r\nJC\x96\xa2\x92\xe8\r\n' >"$src/20240526090000_0B14_20240526.jvd"
printf 'WE2\r\nJC\x8b\x52\x8e\xe8\r\n' >"$src/20240526093000_0B14_20240526.jvd"
printf 'WH11\r\n' >"$src/20240526100000_0B11_2024052605021211.jvd"
printf 'WH12\r\n' >"$src/20240526101000_0B11_202405260512.jvd"
printf 'O1a\r\nO2a\r\n' >"$src/20240526100000_0B30_2024052605021211.jvd"
printf 'O1b\r\n%s\r\n' "$long" >"$src/20240526101000_0B30_2024052605021211.jvd"
printf 'O1s1\r\n' >"$src/20240526100000_0B41_2024052605021211.jvd"
printf 'O1s2\r\n' >"$src/20240526101000_0B41_202405260511.jvd"
printf 'RA\r\nSE\r\nHR\r\n' >"$src/20240526160000_RT.jvd"

make_prefix_with_fake
"$wineserver" -w
bridged_w=$(winpath "$work/bridged")

direct() { "$delivery" "$1" "$2" --feed "$3" >"$4" || fail "$1 $2 from the feed folder $3"; }

for open in "0B14 20240526" "0B11 20240526" "0B11 202405260512" "0B30 2024052605021211" "0B41 202405260511" \
    "0B12 20240526" "0B30 202405260501"; do
    read -r dataspec key <<<"$open"
    step "$dataspec $key"
    direct "$dataspec" "$key" "$work/source" "$work/expected"
    grep -q '^open \(0\|-1\)$' "$work/expected" || fail "$dataspec $key: the feed folder refused the open"
    "$delivery" "$dataspec" "$key" --wine "$wine" "$prefix" "$bridge" >"$work/stream" 2>"$work/stream.err" ||
        { cat "$work/stream.err"; fail "$dataspec $key through the bridge in stream mode"; }
    cmp -s "$work/expected" "$work/stream" || fail "$dataspec $key: stream mode delivers other records than the feed"

    before=$(TZ=Asia/Tokyo date +%Y%m%d%H%M%S)
    TZ=Pacific/Kiritimati wine_step "$wine" "$bridge" realtime --feed "$bridged_w" --dataspec "$dataspec" --key "$key"
    after=$(TZ=Asia/Tokyo date +%Y%m%d%H%M%S)
    files=$(cd "$work/bridged/realtime/$day" 2>/dev/null && ls | grep "_${dataspec}_${key}\.jvd$" || true)
    if grep -q '^open -1$' "$work/expected"; then
        [ -z "$files" ] || fail "$dataspec $key: nothing announced, yet the bridge wrote $files"
        continue
    fi
    [ "$(wc -w <<<"$files")" = 1 ] || fail "$dataspec $key: the bridge wrote \"$files\", not one file"
    stamp=${files:0:14}
    [[ "$stamp" > "$before" || "$stamp" = "$before" ]] && [[ "$stamp" < "$after" || "$stamp" = "$after" ]] ||
        fail "$dataspec $key: $files is not stamped in Japan time ($before to $after)"
    direct "$dataspec" "$key" "$work/bridged" "$work/folder"
    cmp -s "$work/expected" "$work/folder" || fail "$dataspec $key: the bridge's file delivers other records than the feed"
done

step "the results command files the day's results as before"
rm "$work/bridged/realtime/$day/"*_0B12_"$day".jvd
wine_step "$wine" "$bridge" results --feed "$bridged_w" --date "$day"
ls "$work/bridged/realtime/$day" | grep -qx "[0-9]\{14\}_0B12\.jvd" || fail "no results file"
direct 0B12 "$day" "$work/bridged" "$work/folder"
direct 0B12 "$day" "$work/source" "$work/expected"
cmp -s "$work/expected" "$work/folder" || fail "the results file delivers other records than the feed"
echo "PASS: $(ls "$work/bridged/realtime/$day" | wc -l) files of the bridge deliver what the feed delivers"
