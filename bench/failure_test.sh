#!/usr/bin/env bash
# The benchmark's failures name their cause: a program not built, and an Xvfb that does not start,
# in Xvfb's own words.
#   failure_test.sh BUILD-DIR
set -uo pipefail
build=$1
bench=$(dirname "$0")/run.sh
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

bash "$bench" --no-build --build "$out/nowhere" 2>"$out/err"
status=$?
[ $status = 2 ] || fail "a missing program exited $status"
grep -qx "missing $out/nowhere/quv: build it, or leave out --no-build" "$out/err" ||
    fail "a missing program: $(cat "$out/err")"

# An Xvfb that cannot start, in place of the real one.
mkdir "$out/bin"
printf '#!/bin/sh\necho "Fatal server error: no screens found" >&2\nexit 1\n' >"$out/bin/Xvfb"
chmod +x "$out/bin/Xvfb"
PATH=$out/bin:$PATH bash "$bench" --no-build --build "$build" --runs 1 --idle 1 2>"$out/err"
status=$?
[ $status = 1 ] || fail "a failed Xvfb exited $status"
for line in "Xvfb did not start:" "Fatal server error: no screens found"; do
    grep -qx "$line" "$out/err" || fail "a failed Xvfb said: $(cat "$out/err")"
done
echo "benchmark failures OK"
