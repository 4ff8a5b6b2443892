#!/usr/bin/env bash
# Installs the build into a scratch tree and checks the desktop integration there, with the
# validators a distribution would run.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr
id=io.github.quvgame.quv
desktop=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml

# A plain install keeps the usual bin/; only the Debian package moves the game to games/.
[ -x "$usr/bin/quv" ] || fail "no executable usr/bin/quv"
[ -f "$usr/share/doc/quv/copyright" ] || fail "no copyright file"
gzip -t "$usr/share/doc/quv/changelog.gz" || fail "changelog.gz is not gzip"

# The manual page renders without a single warning from man or groff.
man=$usr/share/man/man6/quv.6.gz
[ -f "$man" ] || fail "no manual page"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$man" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "manual page warnings: $warnings"
for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES; do
    zgrep -qx "\.SH $section" "$man" || fail "manual page lacks $section"
done
[ -f "$desktop" ] || fail "no desktop file"
[ -f "$metainfo" ] || fail "no metainfo"

# Every icon is a PNG of the size its folder names (width and height from the IHDR chunk).
for size in 32 48 64 128; do
    icon=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$icon" ] || fail "no ${size}px icon"
    read -r w h < <(od -An -tu1 -j16 -N8 "$icon" |
        awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$w $h" = "$size $size" ] || fail "${size}px icon is ${w}x${h}"
done

desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$root/usr" || fail "appstreamcli validate-tree"

grep -qx 'Name=QUV' "$desktop" || fail "desktop Name"
grep -qx 'Categories=Game;LogicGame;' "$desktop" || fail "desktop Categories"
grep -q '^Comment\[ja\]=' "$desktop" || fail "no Japanese comment"
grep -qx "Icon=$id" "$desktop" || fail "desktop Icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo launchable"
grep -q '<release version="[0-9.]*" date="[0-9-]*"' "$metainfo" || fail "metainfo release"
grep -q '<url type="homepage">' "$metainfo" || fail "metainfo homepage"
grep -q '<screenshot type="default">' "$metainfo" || fail "metainfo screenshot"
grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "metainfo content rating"
grep -q '<control>keyboard</control>' "$metainfo" || fail "metainfo keyboard control"

# The running game must name the same desktop file, or docks show a generic icon for it.
strings -e l "$usr/bin/quv" | grep -qx "$id" || fail "the executable does not set $id"
echo "install tree OK"
