#!/usr/bin/env bash
# The package handling of ./dev against a make-believe Debian: apt-get,
# dpkg, dpkg-query, sudo and sleep are stand-ins in PATH that keep the
# installed packages and foreign architectures in files, and fail as a
# mirror in the middle of a sync does. Usage: dev_packages_test.sh DEV_SCRIPT
set -euo pipefail
dev=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
export STATE=$work/state
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

stub() {
    printf '#!/usr/bin/env bash\n%s\n' "$2" >"$work/bin/$1"
    chmod +x "$work/bin/$1"
}
stub sudo 'exec "$@"'
stub sleep 'echo "sleep $*" >>"$STATE/calls"'
# dpkg-query -W -f=FORMAT lists every package (as name[:arch] and its status).
stub dpkg-query 'case ${!#} in
-f=*) sed "s/\$/ install ok installed/" "$STATE/installed" ;;
*) grep -qx "${!#}" "$STATE/installed" && echo "install ok installed" ;;
esac'
stub dpkg 'case $1 in
--print-architecture) echo amd64 ;;
--print-foreign-architectures) cat "$STATE/archs" ;;
--add-architecture) echo "$2" >>"$STATE/archs" ;;
--remove-architecture) grep -vx "$2" "$STATE/archs" >"$STATE/archs.new"; mv "$STATE/archs.new" "$STATE/archs" ;;
esac'
# BROKEN_INDEX: "all" fails every update with an error; "i386" only warns,
# as apt does for a mirror it cannot reach, with that architecture.
# MISSING: packages no index offers.
stub apt-get 'echo "apt-get $*" >>"$STATE/calls"
if [ "$1" = update ] || [ "$2" = update ]; then
    if [ "${BROKEN_INDEX:-}" = all ]; then
        echo "E: Failed to fetch binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?" >&2
        exit 100
    fi
    if [ "${BROKEN_INDEX:-}" = i386 ] && grep -qx i386 "$STATE/archs"; then
        echo "W: Failed to fetch http://mirror/debian-security/dists/bookworm-security/InRelease  Could not connect" >&2
    fi
    exit 0
fi
for p in "$@"; do
    case " ${MISSING:-} " in *" $p "*) echo "E: Unable to locate package $p" >&2; exit 100 ;; esac
done
case " $* " in *" -s "*) exit 0 ;; esac
if [ "$1" = purge ]; then
    for p in "$@"; do grep -vx -- "$p" "$STATE/installed" >"$STATE/kept"; mv "$STATE/kept" "$STATE/installed"; done
    exit 0
fi
for p in "$@"; do case $p in -*|install) ;; *) echo "$p" >>"$STATE/installed" ;; esac; done
# wine32 pulls in a library of its architecture.
case " $* " in *" wine32:i386 "*) echo "libwine:i386" >>"$STATE/installed" ;; esac'

# scenario NAME COMMANDS: runs COMMANDS with the functions of ./dev on a
# fresh state and keeps their exit status, standard output and error.
scenario() {
    rm -rf "$STATE"
    mkdir "$STATE"
    touch "$STATE/installed" "$STATE/archs" "$STATE/calls"
    local name=$1
    shift
    set +e
    (PATH="$work/bin:$PATH" && . "$dev" && eval "$1") >"$work/$name.out" 2>"$work/$name.err"
    echo $? >"$work/$name.status"
    set -e
}
status() { cat "$work/$1.status"; }
calls() { grep -c "$1" "$STATE/calls" || true; }

# Every index fails: three tries with pauses, one line, then the install goes on.
BROKEN_INDEX=all scenario flaky 'install_missing "g++:the C++ compiler" "cmake:the build"'
[ "$(status flaky)" = 0 ] || fail "a failing package index stopped the install: $(cat "$work/flaky.err")"
[ "$(calls 'apt-get -qq update\|apt-get update')" = 3 ] || fail "apt-get update was not tried three times"
[ "$(calls '^sleep')" = 2 ] || fail "no pause between the tries"
[ "$(wc -l <"$work/flaky.err")" = 1 ] || fail "more than one line about the index: $(cat "$work/flaky.err")"
grep -q "Mirror sync in progress" "$work/flaky.err" || fail "the reason is not given"
grep -qx cmake "$STATE/installed" || fail "cmake was not installed"

# What is there already is not installed again, and apt is not asked.
scenario nothing 'echo cmake >"$STATE/installed"; install_missing "cmake:the build"'
[ "$(status nothing)" = 0 ] && [ "$(calls apt-get)" = 0 ] || fail "apt-get ran with nothing missing"

# A package no index has stops the command, named with its purpose.
MISSING="qt6-base-dev" scenario missing 'install_missing "cmake:the build" "qt6-base-dev:Qt 6 (Widgets, PrintSupport)"'
[ "$(status missing)" = 1 ] || fail "a missing package did not stop the install"
grep -qx "./dev: cannot install qt6-base-dev, needed for Qt 6 (Widgets, PrintSupport)" "$work/missing.err" ||
    fail "the missing package is not named: $(cat "$work/missing.err")"
grep -q "cmake" "$work/missing.err" && fail "a package that can be installed was named"

# The machine's answers, for the scenarios that set them: 32-bit programs
# run, and so does the Wine installed.
runs32='i386_run_problem() { :; }; wine_run_problem() { :; };'

# 32-bit Wine behind a broken i386 index: skipped in one line, and the i386
# architecture it added is gone again.
MISSING="wine32:i386" BROKEN_INDEX=i386 scenario wine32 "$runs32 try_wine32"
[ "$(status wine32)" = 0 ] || fail "a missing wine32 stopped the command"
[ "$(grep -c . "$work/wine32.out")" = 2 ] || fail "not two lines (installing, skipped): $(cat "$work/wine32.out")"
grep -q "^./dev: the 32-bit Wine run of the JV-Link bridge is skipped: .*(W: Failed to fetch .*Could not connect)$" "$work/wine32.out" ||
    fail "the skip and its reason are not said: $(cat "$work/wine32.out")"
[ ! -s "$STATE/archs" ] || fail "the i386 architecture was left behind"

# An i386 architecture the machine had before is kept.
MISSING="wine32:i386" scenario wine32_kept "$runs32"' echo i386 >"$STATE/archs"; try_wine32'
grep -qx i386 "$STATE/archs" || fail "an i386 architecture the machine had was removed"
grep -q "cannot be installed (E: Unable to locate package wine32:i386)" "$work/wine32_kept.out" ||
    fail "the install's error is not the reason: $(cat "$work/wine32_kept.out")"

# Where it can be had, it is installed.
scenario wine32_ok "$runs32 try_wine32"
grep -qx "wine32:i386" "$STATE/installed" && grep -qx i386 "$STATE/archs" || fail "wine32 was not installed"
grep -q skipped "$work/wine32_ok.out" && fail "an installed wine32 was reported skipped"

# A machine that cannot execute 32-bit programs: said in one line at once,
# with no question to the package index and nothing added.
scenario no32 'i386_run_problem() { echo "Exec format error"; return 1; }; try_wine32'
[ "$(status no32)" = 0 ] || fail "a machine without 32-bit programs stopped the command"
[ "$(cat "$work/no32.out")" = "./dev: the 32-bit Wine run of the JV-Link bridge is skipped: this machine cannot run 32-bit programs (Exec format error)" ] ||
    fail "the skip is not said in its line: $(cat "$work/no32.out")"
[ "$(calls apt-get)" = 0 ] && [ ! -s "$STATE/archs" ] || fail "the package index was asked or i386 added"

# wine32 installs but does not run: said, and what was installed for it
# (with what it pulled in) and the i386 architecture go again.
scenario wine32_broken 'i386_run_problem() { :; }; wine_run_problem() { echo "wine --version: status 126"; return 1; }
echo cmake >"$STATE/installed"; try_wine32'
[ "$(status wine32_broken)" = 0 ] || fail "a wine32 that does not run stopped the command"
grep -qx "./dev: the 32-bit Wine run of the JV-Link bridge is skipped: 32-bit Wine does not run (wine --version: status 126)" \
    "$work/wine32_broken.out" || fail "the skip is not said: $(cat "$work/wine32_broken.out")"
[ "$(cat "$STATE/installed")" = cmake ] || fail "what was installed for wine32 stayed: $(cat "$STATE/installed")"
[ ! -s "$STATE/archs" ] || fail "the i386 architecture was left behind"

# wine32 installed before, by hand, that does not run: said, nothing removed.
scenario wine32_hand 'i386_run_problem() { :; }; wine_run_problem() { echo "wine --version: status 126"; return 1; }
printf "wine32:i386\nlibwine:i386\n" >"$STATE/installed"; echo i386 >"$STATE/archs"; try_wine32'
grep -q "skipped: 32-bit Wine does not run" "$work/wine32_hand.out" || fail "a broken wine32 was not said"
[ "$(calls apt-get)" = 0 ] && grep -qx "wine32:i386" "$STATE/installed" && grep -qx i386 "$STATE/archs" ||
    fail "a wine32 installed by hand was touched"
echo "PASS"
