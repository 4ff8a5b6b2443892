#!/usr/bin/env bash
# Starts the game and a bare Qt window many times each on a private Xvfb display and prints, as a
# Markdown table, the median time from process start to the first painted frame, the median peak
# resident memory, and the context switches while each is left idle after it shows. First, like
# the README's two commands, it installs what is missing (Xvfb, and Xlib for the probe) and builds
# what is not built, in the build tree DIR; with --no-build it measures what DIR holds as it is.
#
# With --wine, QUV.exe and a bare Win32 window instead, in one Wine prefix of their own with
# Wine's null display driver, as the tests run them (start-up and memory only).
#
#   bench/run.sh [--build DIR] [--runs N] [--idle SECONDS] [--no-build]
#   bench/run.sh --wine [--build DIR] [--runs N]        DIR defaults to build-windows, built
set -euo pipefail

build=
runs=21
idle=5
wine=
prepare=1
while (($#)); do
    case $1 in
    --build) build=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --idle) idle=$2; shift 2 ;;
    --wine) wine=1; shift ;;
    --no-build) prepare=0; shift ;;
    *) echo "usage: $0 [--wine] [--build DIR] [--runs N] [--idle SECONDS] [--no-build]" >&2; exit 2 ;;
    esac
done

field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p"; }
# sane NAME VALUE LOW HIGH: a figure the probe measured must be a number in its plausible range,
# or the benchmark measured something other than a painted window.
sane() {
    awk -v v="$2" -v lo="$3" -v hi="$4" 'BEGIN {exit !(v ~ /^[0-9.]+$/ && v + 0 >= lo && v + 0 <= hi)}' ||
        { echo "implausible $1: '$2' (expected $3..$4)" >&2; exit 1; }
}
median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
m() { tr ' ' '\n' <<<"$1" | grep . | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b > 0) printf "%.2f", a / b; else print "n/a"}'; }
# met when a <= b * factor
target() { awk -v a="$1" -v b="$2" -v f="$3" 'BEGIN {print (a <= b * f) ? "met" : "NOT met"}'; }
declare -A startup rss switches
# measure WHO LINE: keeps the figures of one start the probe reported.
measure() {
    sane "start-up of $1 (ms)" "$(field startup_ms <<<"$2")" 1 20000
    sane "peak memory of $1 (KiB)" "$(field peak_rss_kb <<<"$2")" 1000 1000000
    startup[$1]+="$(field startup_ms <<<"$2") "
    rss[$1]+="$(field peak_rss_kb <<<"$2") "
}
fastest() { tr ' ' '\n' <<<"$1" | grep . | sort -n | head -n 1; }
# The first rows of the table: start-up and memory, and with --wine the fastest start-up too.
report() {
    local sg sb rg rb fg fb
    sg=$(m "${startup[game]}"); sb=$(m "${startup[bare]}")
    rg=$(m "${rss[game]}"); rb=$(m "${rss[bare]}")
    echo "| measure | game | bare window | game / bare | target |"
    echo "|---|---:|---:|---:|---|"
    echo "| start-up to first painted frame, ms (median of $runs) | $sg | $sb |" \
        "$(ratio "$sg" "$sb") | ≤ 1.10: $(target "$sg" "$sb" 1.10) |"
    if [ -n "$wine" ]; then
        fg=$(fastest "${startup[game]}"); fb=$(fastest "${startup[bare]}")
        echo "| start-up, fastest of $runs, ms | $fg | $fb | $(ratio "$fg" "$fb") | — |"
    fi
    echo "| peak $1 memory, KiB (median of $runs) | $rg | $rb | $(ratio "$rg" "$rb") |" \
        "≤ 1.10: $(target "$rg" "$rb" 1.10) |"
}

if [ -n "$wine" ]; then
    build=${build:-build-windows}
    runner=$(dirname "$0")/../tests/win32/run_in_wine.sh
    prefix=$(realpath "$build")/wine-bench
    probe=$build/bench/startup_probe.exe
    for program in "$build/QUV.exe" "$build/bench/bare_window.exe" "$probe"; do
        [ -f "$program" ] || { echo "missing $program: build it with cmake --preset windows && cmake --build --preset windows" >&2; exit 2; }
    done
    # Wine takes Windows paths; its drive Z: is the root of the Linux file system.
    windows_path() { local p; p=$(realpath "$1"); echo "Z:${p//\//\\}"; }
    game=(QuvForm1 Quv "$(windows_path "$build/QUV.exe")")
    bare=(QuvBareWindow Bare "$(windows_path "$build/bench/bare_window.exe")")
    # One wineserver for the whole run, so that no start pays for starting it.
    "$runner" "$prefix" --start
    trap '"$runner" "$prefix" --stop' EXIT
    # One unmeasured start each fills the caches (the prefix's DLLs, fonts).
    "$runner" "$prefix" "$probe" "${game[@]}" >/dev/null
    "$runner" "$prefix" "$probe" "${bare[@]}" >/dev/null
    # Each goes first every other round: a start can leave work behind for the next one.
    for ((i = 0; i < runs; i++)); do
        order=(game bare)
        ((i % 2)) && order=(bare game)
        for who in "${order[@]}"; do
            if [ "$who" = game ]; then
                measure game "$("$runner" "$prefix" "$probe" "${game[@]}")"
            else
                measure bare "$("$runner" "$prefix" "$probe" "${bare[@]}")"
            fi
        done
    done
    report "working set"
    exit 0
fi

build=${build:-build}
game=$build/quv
bare=$build/bench/bare_window
probe=$build/bench/startup_probe
if ((prepare)); then
    source=$(cd "$(dirname "$0")/.." && pwd)
    bash "$source/scripts/install-deps.sh" bench
    # A tree configured before Xlib came has no benchmark in it; configuring again finds Xlib.
    # A new tree holds the game and the benchmark only, as the play command's does.
    if [ -f "$build/CMakeCache.txt" ]; then
        cmake -S "$source" -B "$build" >/dev/null
    else
        cmake -S "$source" -B "$build" -DBUILD_TESTING=OFF >/dev/null
    fi
    cmake --build "$build" --parallel "$(nproc)" --target quv bare_window startup_probe
fi
for program in "$game" "$bare" "$probe"; do
    [ -x "$program" ] || { echo "missing $program: build it, or leave out --no-build" >&2; exit 2; }
done
if ! command -v Xvfb >/dev/null; then
    echo "no Xvfb: install it (bash scripts/install-deps.sh bench), or leave out --no-build" >&2
    exit 2
fi

runtime=$(mktemp -d)
chmod 700 "$runtime"
# Xvfb makes /tmp/.X11-unix for its socket where no X server has made it before; then it goes
# again with the socket, unless another server has come to use it meanwhile.
x11_sockets=/tmp/.X11-unix
[ -d "$x11_sockets" ] && x11_sockets=
# Xvfb picks a display number nobody holds and says which; no guess from /tmp can be wrong.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$runtime/display" \
    >"$runtime/xvfb.log" 2>&1 &
xvfb=$!
cleanup() {
    kill $xvfb 2>/dev/null || true
    wait $xvfb 2>/dev/null || true
    rm -rf "$runtime"
    [ -z "$x11_sockets" ] || rmdir "$x11_sockets" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 200); do
    [ -s "$runtime/display" ] && break
    kill -0 $xvfb 2>/dev/null || break # it has given up: no use waiting
    sleep 0.05
done
[ -s "$runtime/display" ] || { echo "Xvfb did not start:" >&2; cat "$runtime/xvfb.log" >&2; exit 1; }
display=:$(cat "$runtime/display")
export DISPLAY=$display XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR

# One unmeasured start each fills the caches (fonts, shared libraries).
"$probe" 0 "$game" >/dev/null
"$probe" 0 "$bare" >/dev/null

for ((i = 0; i < runs; i++)); do
    for who in game bare; do
        program=$game; [ $who = bare ] && program=$bare
        measure $who "$("$probe" 0 "$program")"
    done
done
idle_runs=3
for ((i = 0; i < idle_runs; i++)); do
    for who in game bare; do
        program=$game; [ $who = bare ] && program=$bare
        line=$("$probe" "$idle" "$program")
        sane "idle context switches of $who" "$(field idle_switches <<<"$line")" 0 100000
        switches[$who]+="$(field idle_switches <<<"$line") "
    done
done

wg=$(m "${switches[game]}"); wb=$(m "${switches[bare]}")

report resident
echo "| context switches in ${idle} s idle (median of $idle_runs) | $wg | $wb | $(ratio "$wg" "$wb") |" \
    "≤ bare: $(target "$wg" "$wb" 1) |"
