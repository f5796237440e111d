#!/bin/sh
# Installs the build into a temporary prefix, then runs the installed
# programs: they answer --help and --version without a display, and a
# generated demo is acquired by the installed vantor-cli and its race days
# listed. Usage: install_test.sh BUILD_DIR VERSION
set -eu
build=$1
version=$2
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT

cmake --install "$build" --prefix "$tmp/usr" >/dev/null
for f in bin/vantor bin/vantor-cli bin/vantor-feedgen share/doc/vantor/vantor.html \
         share/applications/vantor.desktop share/icons/hicolor/scalable/apps/vantor.svg; do
    [ -e "$tmp/usr/$f" ] || { echo "not installed: $f" >&2; exit 1; }
done
# The 32-bit bridge, where the program looks for it, when this build made it.
if [ -e "$build/jvbridge-windows/vantor-jvbridge.exe" ]; then
    cmp -s "$build/jvbridge-windows/vantor-jvbridge.exe" "$tmp/usr/share/vantor/vantor-jvbridge.exe" ||
        { echo "not installed: share/vantor/vantor-jvbridge.exe" >&2; exit 1; }
fi
grep -q '^Exec=vantor$' "$tmp/usr/share/applications/vantor.desktop"
grep -q '^Icon=vantor$' "$tmp/usr/share/applications/vantor.desktop"

nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
for prog in vantor vantor-cli; do
    answer=$(nodisplay "$tmp/usr/bin/$prog" --version)
    [ "$answer" = "$prog $version" ] || [ "$answer" = "Vantor $version" ] ||
        { echo "$prog --version: $answer" >&2; exit 1; }
    nodisplay "$tmp/usr/bin/$prog" --help | grep -q -- '--app-dir' || { echo "$prog --help" >&2; exit 1; }
done
# Qt's own options are not read as short ones (-reverse is no -v).
nodisplay "$tmp/usr/bin/vantor" -reverse --help | grep -q -- '--app-dir'

"$tmp/usr/bin/vantor-feedgen" --out "$tmp/feed" --to 20240527 --years 1 >/dev/null
# The newest month of set-up data keeps the run short.
find "$tmp/feed/setup" -name '*.jvd' ! -name '*RACE202403*' -delete
rm -rf "$tmp/feed/normal"

# An installed program may not write beside itself: its program folder is
# the user's data folder. (Root may write anywhere, so there it is named.)
chmod -R a-w "$tmp/usr"
if [ "$(id -u)" -eq 0 ]; then
    app="--app-dir $tmp/xdg/vantor"
else
    app=""
fi
XDG_DATA_HOME="$tmp/xdg" "$tmp/usr/bin/vantor-cli" $app acquire --feed "$tmp/feed" --setup \
    --from "2024/03/01 00:00:00" 2>/dev/null
days=$(XDG_DATA_HOME="$tmp/xdg" "$tmp/usr/bin/vantor-cli" $app days)
echo "$days" | grep -q '^2024年03月31日$' || { echo "days listed: $days" >&2; exit 1; }
[ -f "$tmp/xdg/vantor/vantor.ini" ]
[ ! -e "$tmp/usr/bin/vantor.ini" ]
