#!/usr/bin/env bash
# The program as a terminal user meets it: --help and --version without a display, a mistake
# on the command line, Qt's own warnings, and no display at all. Each case: its exit status and
# what it printed, compared byte for byte where the bytes matter.
#   command_line_test.sh QUV VERSION
set -uo pipefail
quv=$1
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# Qt's runtime files go here too, not into a /tmp/runtime-USER that would stay behind.
export XDG_RUNTIME_DIR=$out
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
# same NAME FILE TEXT: the file holds exactly TEXT and one newline.
same() { printf '%s\n' "$3" | cmp -s - "$out/$1.$2" || fail "$1 printed: $(od -c "$out/$1.$2" | head -3)"; }

nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
# Displays no server can be listening on: sockets in this test's own folder.
dead=$out/no-x-server:0
deadwayland=$out/no-wayland-server

run version "${nodisplay[@]}" "$quv" --version
run short_version "${nodisplay[@]}" "$quv" -v
run help "${nodisplay[@]}" "$quv" --help
run short_help "${nodisplay[@]}" "$quv" -h
run unknown env QT_QPA_PLATFORM=offscreen "$quv" --bogus
run argument env QT_QPA_PLATFORM=offscreen "$quv" -style windows extra
run no_display "${nodisplay[@]}" "$quv"
run dead_display env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb DISPLAY="$dead" "$quv"
run no_platform env -u QT_QPA_PLATFORM "$quv" -platform nosuch
# On Wayland the variable that matters is WAYLAND_DISPLAY, whatever DISPLAY says.
run no_wayland env -u WAYLAND_DISPLAY DISPLAY="$dead" XDG_RUNTIME_DIR="$out" \
    QT_QPA_PLATFORM=wayland "$quv"
run dead_wayland env WAYLAND_DISPLAY="$deadwayland" DISPLAY="$dead" XDG_RUNTIME_DIR="$out" \
    QT_QPA_PLATFORM=wayland "$quv"
# Qt's own options still reach Qt: the game starts and is still running when stopped. A warning
# Qt gives while the game starts is held back until the start succeeds, then shown once.
run qt_options env QT_QPA_PLATFORM=offscreen timeout 5 "$quv" -style windows -reverse
run warning env QT_QPA_PLATFORM=offscreen timeout 5 "$quv" -style nosuch

[ "$(status version)" = 0 ] || fail "--version exited $(status version)"
same version out "QUV $version"
[ "$(status short_version)" = 0 ] || fail "-v exited $(status short_version)"
same short_version out "QUV $version"
for case in help short_help; do
    [ "$(status $case)" = 0 ] || fail "$case exited $(status $case)"
    [ "$(first $case out)" = "Usage: quv [options]" ] || fail "$case began: $(first $case out)"
done
grep -q -- "--version" "$out/help.out" || fail "--help does not list --version"
cmp -s "$out/help.out" "$out/short_help.out" || fail "-h and --help differ"

[ "$(status unknown)" = 1 ] || fail "an unknown option exited $(status unknown)"
grep -qx "quv: unknown option '--bogus'" "$out/unknown.err" || fail "unknown option: $(cat "$out/unknown.err")"
grep -qx "Usage: quv \[options\]" "$out/unknown.err" || fail "no usage after an unknown option"
[ "$(status argument)" = 1 ] || fail "an argument exited $(status argument)"
grep -qx "quv: unexpected argument 'extra'" "$out/argument.err" || fail "argument: $(cat "$out/argument.err")"

# No display: one plain line, status 1, no abort.
for case in no_display dead_display no_platform no_wayland dead_wayland; do
    [ "$(status $case)" = 1 ] || fail "$case exited $(status $case): $(cat "$out/$case.err")"
done
same no_display err "quv: cannot open a display (DISPLAY is not set)"
same dead_display err "quv: cannot open the display \"$dead\""
same no_platform err 'quv: no display platform named "nosuch"'
same no_wayland err "quv: cannot open a Wayland display (WAYLAND_DISPLAY is not set)"
same dead_wayland err "quv: cannot open the Wayland display \"$deadwayland\""

[ "$(status qt_options)" = 124 ] || fail "-style windows -reverse exited $(status qt_options): $(cat "$out/qt_options.err")"
[ "$(status warning)" = 124 ] || fail "-style nosuch exited $(status warning): $(cat "$out/warning.err")"
[ "$(grep -c "invalid style override 'nosuch'" "$out/warning.err")" = 1 ] ||
    fail "Qt's start-up warning was not shown once: $(cat "$out/warning.err")"
echo "command line OK"
