#!/bin/sh
# The Debian package of the build: filed under misc, its programs stripped,
# their debug information in vantor-dbgsym, which goes with this version of
# the package alone. Usage: package_test.sh BUILD_DIR
set -eu
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$build" && cpack -B "$tmp" >/dev/null)
deb=$(ls "$tmp"/vantor_*.deb)
ddeb=$(ls "$tmp"/vantor-dbgsym_*.ddeb) || fail "no debug package"
[ "$(dpkg-deb -f "$deb" Section)" = misc ] || fail "section $(dpkg-deb -f "$deb" Section)"
version=$(dpkg-deb -f "$deb" Version)
[ "$(dpkg-deb -f "$ddeb" Depends)" = "vantor (= $version)" ] || fail "dbgsym depends on: $(dpkg-deb -f "$ddeb" Depends)"

dpkg-deb -x "$deb" "$tmp/root"
for prog in vantor vantor-cli vantor-feedgen; do
    [ -z "$(readelf -S "$tmp/root/usr/bin/$prog" | grep -E '\.debug_|\.symtab')" ] || fail "$prog is not stripped"
done
dpkg-deb -x "$ddeb" "$tmp/debug"
[ "$(find "$tmp/debug/usr/lib/debug/.build-id" -name '*.debug' | wc -l)" -eq 3 ] || fail "not three debug files"
