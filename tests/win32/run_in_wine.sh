#!/usr/bin/env bash
# Runs a Windows program under Wine, in a prefix of the build tree's own:
#   run_in_wine.sh PREFIX PROGRAM [ARGUMENTS...]
#   run_in_wine.sh PREFIX --start   prepares the prefix and keeps one wineserver for the run
#   run_in_wine.sh PREFIX --stop    ends that wineserver
# The prefix needs no X server: its graphics driver is Wine's null driver, and its UI font links
# to a Japanese font, as Windows links its own for Japanese text.
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=${WINEDEBUG:--all}
# No menu entries or file associations in the home folder, and no Mono or Gecko to install.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

prepare() {
    [ -f "$WINEPREFIX/.quv-ready" ] && return
    mkdir -p "$WINEPREFIX"
    # Neither Wine nor the wineserver it starts may keep the lock or the caller's output open.
    "$wine" wineboot -i >/dev/null 2>&1 </dev/null 9>&-
    local link='NotoSansCJK-Regular.ttc,Noto Sans CJK JP'
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    for font in "Tahoma" "Segoe UI" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
        "$wine" reg add "$key" /v "$font" /t REG_MULTI_SZ /d "$link" /f >/dev/null 2>&1 9>&-
    done
    "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 9>&-
    "$wineserver" -w 9>&-
    touch "$WINEPREFIX/.quv-ready"
}

case ${1:-} in
--start)
    # One process at a time prepares the prefix; the others wait for it.
    mkdir -p "$(dirname "$WINEPREFIX")"
    exec 9>"$WINEPREFIX.lock"
    flock 9
    prepare
    "$wineserver" -p >/dev/null 2>&1 </dev/null 9>&-
    # A first throwaway process, whose output nobody reads, lets the persistent server settle.
    "$wine" cmd /c exit >/dev/null 2>&1 </dev/null 9>&- || true
    ;;
--stop)
    "$wineserver" -k 2>/dev/null || true
    # The server's lock stays behind in the temporary folder, in wine-XXXXXX/server-DEV-INODE
    # named after the prefix; it is of no use once the server has ended.
    if [ -d "$WINEPREFIX" ]; then
        server=server-$(stat -c %D "$WINEPREFIX")-$(printf %x "$(stat -c %i "$WINEPREFIX")")
        for dir in "${TMPDIR:-/tmp}"/wine-*/"$server"; do
            [ -d "$dir" ] || continue
            rm -rf "$dir"
            rmdir "$(dirname "$dir")" 2>/dev/null || true
        done
    fi
    ;;
*)
    exec 9>"$WINEPREFIX.lock"
    flock 9
    prepare
    exec 9>&-
    exec "$wine" "$@"
    ;;
esac
