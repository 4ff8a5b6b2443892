#!/usr/bin/env bash
# Two builds of one commit give the same bytes: the sources copied to another folder and built
# there from scratch (in the same place among them, as a checkout's presets build), a second
# later, under another umask and time zone, must make the same FILE and the same packages.
#   reproducible_test.sh SOURCE BUILD FILE GENERATORS [CMAKE-OPTION...]
set -euo pipefail
source=$1 build=$2 file=$3 generators=$4
shift 4
other=$(mktemp -d)
trap 'rm -rf "$other"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# The copy has no history to take the date from: both take the commit's.
SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct)
export SOURCE_DATE_EPOCH
mkdir "$other/source"
(cd "$source" && git ls-files -z | xargs -0 cp --parents -t "$other/source")
copy="$other/source/$(realpath --relative-to="$source" "$build")"

(umask 022 && cpack -G "$generators" --config "$build/CPackConfig.cmake" -B "$other/first" >/dev/null)
sleep 1
(
    umask 077
    export TZ=Asia/Tokyo
    cmake -S "$other/source" -B "$copy" -DBUILD_TESTING=OFF "$@" >/dev/null
    cmake --build "$copy" --parallel 2 >/dev/null
    # cpack writes the Debian package's own members with the umask's modes: a release is packed
    # under 022 (scripts/release.sh), as the first one here.
    umask 022
    cpack -G "$generators" --config "$copy/CPackConfig.cmake" -B "$other/second" >/dev/null
)
cmp "$build/$file" "$copy/$file" || fail "$file differs between the builds"
packages=$(cd "$other/first" && ls -p | grep -v /) || fail "cpack made no package"
[ "$packages" = "$(cd "$other/second" && ls -p | grep -v /)" ] || fail "other packages: $packages"
for package in $packages; do
    cmp "$other/first/$package" "$other/second/$package" || fail "$package differs between the builds"
done
echo "the same bytes: $file $packages"
