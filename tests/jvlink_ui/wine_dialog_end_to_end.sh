#!/usr/bin/env bash
# The acquisition dialog (offscreen) over JV-Link under Wine: the x86_64
# bridge and the fake JV-Link registered in a throwaway 64-bit prefix.
# Makes the prefix and a small feed, runs the dialog's tests against them
# (get_data_form_under_wine_test.cpp), and finds no process of the prefix
# 10 s after.
#
# usage: wine_dialog_end_to_end.sh DIALOG_TESTS VANTOR_FEEDGEN WINDOWS_X64_BUILD_DIR
# Ends with status 77 (skipped), saying why, without Wine's 64-bit loader
# or without the x86_64 bridge (built only where MinGW-w64 is installed).
set -euo pipefail

tests=$1
feedgen=$2
windir=$3
arch=x86_64

if [ ! -e "$windir/vantor-jvbridge.exe" ] || [ ! -e "$windir/vantor-fakejvlink.dll" ]; then
    echo "SKIP: the x86_64 bridge and fake JV-Link were not built (MinGW-w64 is not installed)"
    exit 77
fi

source "$(dirname "$0")/../jvbridge/wine_test_common.sh"
make_source_feed
make_prefix_with_fake
"$wineserver" -w  # so that the dialog's runs start the prefix's server themselves

step "the dialog's tests"
# WINEPREFIX stays set, as for a user whose prefix is the default one.
VANTOR_WINE_TEST_FEED=$work/source VANTOR_WINE_TEST_PREFIX=$prefix VANTOR_WINE_TEST_COMMAND=$wine \
    VANTOR_WINE_TEST_BRIDGE=$windir/vantor-jvbridge.exe "$tests" || fail "the dialog's tests"

step "no process of the prefix is left"
sleep 10
left=$(prefix_processes)
[ -z "$left" ] || fail "processes of the prefix are left: $(ps -o pid,args -p "$(echo $left | tr ' ' ,)")"
echo "PASS"
