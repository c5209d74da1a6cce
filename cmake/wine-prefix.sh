#!/bin/sh
# start: make the prefix, start its persistent server, configure it once.
# stop: stop the server, unless the caller owns it (./test.sh stops its own).
set -u
: "${WINEPREFIX:?WINEPREFIX must be set}"

case "${1:-}" in
start)
    mkdir -p "$WINEPREFIX"
    # Exit 2 means a server for this prefix runs already: that is fine.
    wineserver -p >/dev/null 2>&1
    wineboot >/dev/null 2>&1 || exit 1
    stamp="$WINEPREFIX/.ombrel-configured"
    if [ ! -f "$stamp" ]; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 &&
        LC_ALL=C.UTF-8 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAGothic /f >/dev/null 2>&1 &&
        LC_ALL=C.UTF-8 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f >/dev/null 2>&1 &&
        LC_ALL=C.UTF-8 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d IPAGothic /f >/dev/null 2>&1 || exit 1
        fonts="$WINEPREFIX/drive_c/windows/Fonts"
        mkdir -p "$fonts"
        [ -f /usr/share/wine/fonts/marlett.ttf ] && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
        touch "$stamp"
    fi
    ;;
stop)
    [ -n "${OMBREL_OWN_WINESERVER:-}" ] || wineserver -k >/dev/null 2>&1
    ;;
*)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
exit 0
