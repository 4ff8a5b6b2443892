#!/usr/bin/env bash
# Builds the Debian package and checks what it holds and what it depends on.
set -euo pipefail
build=$1
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb=$(ls "$out"/*.deb)
[ "$(dpkg-deb -f "$deb" Package)" = quv ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
id=io.github.quvgame.quv
for path in ./usr/games/quv ./usr/share/applications/$id.desktop \
    ./usr/share/man/man6/quv.6.gz ./usr/share/doc/quv/copyright ./usr/share/doc/quv/changelog.gz \
    ./usr/share/metainfo/$id.metainfo.xml \
    ./usr/share/icons/hicolor/{32x32,48x48,64x64,128x128}/apps/$id.png; do
    grep -qx -- "$path" <<<"$contents" || fail "package lacks $path"
done

# Found by dpkg-shlibdeps from the executable, not written by hand.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
grep -q fonts-noto-cjk <<<"$depends" || fail "Depends lacks a Japanese font"
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "Recommends: $(dpkg-deb -f "$deb" Recommends)"
! grep -q '^\./usr/bin/' <<<"$contents" || fail "the package still has usr/bin"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section"
dpkg-deb -x "$deb" "$out/tree"
desktop=$out/tree/usr/share/applications/$id.desktop
grep -qx 'Exec=/usr/games/quv' "$desktop" || fail "the desktop file does not start /usr/games/quv"
desktop-file-validate "$desktop" || fail "desktop-file-validate on the packaged desktop file"
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 3 ] || fail "no extended description"

# Debian's own checker: no error and no warning. Overrides, where some check does not fit
# this package, ship in the package itself with their reasons.
# Its scratch files (an mldbm-elf-* cache, which it leaves behind) go into this test's folder.
tags=$(TMPDIR=$out lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $tags"
tags=$(grep -v 'running with root privileges' <<<"$tags" || true)
! grep -q '^[EW]:' <<<"$tags" || fail "lintian: $tags"
echo "package OK: $(basename "$deb")"
