#!/usr/bin/env bash
# Two builds of one commit give the same bytes: the project built again from scratch in another
# folder, a second later, under another umask and time zone, must make the same FILE and the same
# packages as the first build.
#   reproducible_test.sh SOURCE BUILD FILE GENERATORS [CMAKE-OPTION...]
set -euo pipefail
source=$1 build=$2 file=$3 generators=$4
shift 4
other=$(mktemp -d)
trap 'rm -rf "$other"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G "$generators" --config "$build/CPackConfig.cmake" -B "$other/first" >/dev/null
sleep 1
(
    umask 077
    export TZ=Asia/Tokyo
    cmake -S "$source" -B "$other/build" -DBUILD_TESTING=OFF "$@" >/dev/null
    cmake --build "$other/build" --parallel 2 >/dev/null
    cpack -G "$generators" --config "$other/build/CPackConfig.cmake" -B "$other/second" >/dev/null
)
cmp "$build/$file" "$other/build/$file" || fail "$file differs between the builds"
packages=$(cd "$other/first" && ls -p | grep -v /) || fail "cpack made no package"
[ "$packages" = "$(cd "$other/second" && ls -p | grep -v /)" ] || fail "other packages: $packages"
for package in $packages; do
    cmp "$other/first/$package" "$other/second/$package" || fail "$package differs between the builds"
done
echo "the same bytes: $file $packages"
