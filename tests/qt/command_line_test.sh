#!/usr/bin/env bash
# The program as a terminal user meets it: --help and --version without a display, a mistake
# on the command line, and no display at all. Each case: its exit status and what it printed.
set -uo pipefail
quv=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# run NAME ARGS...: runs quv, keeping its status, standard output and standard error.
run() {
    local name=$1
    shift
    "$@" >"$out/$name.out" 2>"$out/$name.err"
    echo $? >"$out/$name.status"
}
status() { cat "$out/$1.status"; }
first() { head -n 1 "$out/$1.$2"; }

nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
# A display number no X server listens on.
dead=90
while [ -e "/tmp/.X11-unix/X$dead" ]; do dead=$((dead + 1)); done

run version "${nodisplay[@]}" "$quv" --version
run short_version "${nodisplay[@]}" "$quv" -v
run help "${nodisplay[@]}" "$quv" --help
run unknown env QT_QPA_PLATFORM=offscreen "$quv" --bogus
run argument env QT_QPA_PLATFORM=offscreen "$quv" -style windows extra
run no_display "${nodisplay[@]}" "$quv"
run dead_display env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb DISPLAY=":$dead" "$quv"
run no_platform env -u QT_QPA_PLATFORM "$quv" -platform nosuch
# Qt's own options still reach Qt: the game starts and is still running when stopped.
run qt_options env QT_QPA_PLATFORM=offscreen timeout 5 "$quv" -style windows -reverse

[ "$(status version)" = 0 ] || fail "--version exited $(status version)"
[ "$(cat "$out/version.out")" = "QUV 1.00" ] || fail "--version printed: $(cat "$out/version.out")"
[ "$(status short_version)" = 0 ] && [ "$(cat "$out/short_version.out")" = "QUV 1.00" ] ||
    fail "-v"
[ "$(status help)" = 0 ] || fail "--help exited $(status help)"
[ "$(first help out)" = "Usage: quv [Qt options]" ] || fail "--help began: $(first help out)"
grep -q -- "--version" "$out/help.out" || fail "--help does not list --version"

[ "$(status unknown)" = 1 ] || fail "an unknown option exited $(status unknown)"
grep -qx "quv: unknown option 'bogus'" "$out/unknown.err" || fail "unknown option: $(cat "$out/unknown.err")"
grep -qx "Usage: quv \[Qt options\]" "$out/unknown.err" || fail "no usage after an unknown option"
[ "$(status argument)" = 1 ] || fail "an argument exited $(status argument)"
grep -qx "quv: unexpected argument 'extra'" "$out/argument.err" || fail "argument: $(cat "$out/argument.err")"

# No display: one plain line, status 1, no abort.
for case in no_display dead_display no_platform; do
    [ "$(status $case)" = 1 ] || fail "$case exited $(status $case): $(cat "$out/$case.err")"
    [ "$(wc -l <"$out/$case.err")" = 1 ] || fail "$case printed more than one line: $(cat "$out/$case.err")"
done
[ "$(cat "$out/no_display.err")" = "quv: cannot open a display (DISPLAY is not set)" ] ||
    fail "no display: $(cat "$out/no_display.err")"
[ "$(cat "$out/dead_display.err")" = "quv: cannot open the display \":$dead\"" ] ||
    fail "dead display: $(cat "$out/dead_display.err")"
[ "$(cat "$out/no_platform.err")" = 'quv: no display platform named "nosuch"' ] ||
    fail "no platform: $(cat "$out/no_platform.err")"

[ "$(status qt_options)" = 124 ] || fail "-style windows -reverse exited $(status qt_options): $(cat "$out/qt_options.err")"
echo "command line OK"
