# Sourced, with root set to the checkout, by every script that runs Wine:
# the prefix, quiet debug channels, no Mono or Gecko prompts, the build's
# own Recycle Bin, a display when there is none, and the prefix's server.
# Set before sourcing: ombrel_prefix (a folder under build/, default
# x86_64/wineprefix); ombrel_user_trash=1 to keep the user's Recycle Bin.
export WINEPREFIX="$root/build/${ombrel_prefix:-x86_64/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's Recycle Bin is $XDG_DATA_HOME/Trash. Wine deletes for good where
# that folder is missing at a process's first recycling, so it is made here.
if [ -z "${ombrel_user_trash:-}" ]; then
    export XDG_DATA_HOME="${OMBREL_TRASH_HOME:-$root/build/x86_64/trash-home}"
    mkdir -p "$XDG_DATA_HOME/Trash"
fi

# Which loader the wine command starts: with wine32 installed it is the
# 32-bit one, and a prefix made by the other kind no longer starts at all.
ombrel_wine_kind() {
    if [ -x /usr/lib/wine/wine ]; then echo wine32; else echo wine64; fi
}

# When no display is set, starts Xvfb on a free display number and sets
# DISPLAY; ombrel_stop_display ends it again.
ombrel_start_display() {
    OMBREL_XVFB_PID=""
    [ -n "${DISPLAY:-}" ] && return 0
    # Spread the start so runs side by side rarely race for one number.
    n=$((90 + $$ % 400))
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do
        n=$((n + 1))
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    OMBREL_XVFB_PID=$!
    i=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 100 ]; do
        sleep 0.1
        i=$((i + 1))
    done
    export DISPLAY=":$n"
}

ombrel_stop_display() {
    if [ -n "${OMBREL_XVFB_PID:-}" ]; then
        kill "$OMBREL_XVFB_PID" 2>/dev/null || true
        wait "$OMBREL_XVFB_PID" 2>/dev/null || true
        OMBREL_XVFB_PID=""
    fi
}

# Makes the prefix, starts its persistent server and configures it once:
# unmanaged windows (no 2 s stall without a window manager), Japanese font
# replacements, the caption buttons' font. All output goes away: Wine's
# services would otherwise hold the caller's pipes open.
ombrel_start_wine() {
    stamp="$WINEPREFIX/.ombrel-configured"
    if [ -d "$WINEPREFIX" ] && [ "$(cat "$stamp" 2>/dev/null)" != "$(ombrel_wine_kind)" ]; then
        wineserver -k >/dev/null 2>&1 || true
        rm -rf "$WINEPREFIX"
    fi
    mkdir -p "$WINEPREFIX"
    # Exit 2 means a server for this prefix runs already: that is fine.
    wineserver -p >/dev/null 2>&1
    wineboot >/dev/null 2>&1 || return 1
    [ -f "$stamp" ] && return 0
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 &&
    LC_ALL=C.UTF-8 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAGothic /f >/dev/null 2>&1 &&
    LC_ALL=C.UTF-8 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f >/dev/null 2>&1 &&
    LC_ALL=C.UTF-8 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d IPAGothic /f >/dev/null 2>&1 || return 1
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    [ -f /usr/share/wine/fonts/marlett.ttf ] && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
    ombrel_wine_kind > "$stamp"
}

# Stops the prefix's server and its services, unless the caller owns the
# server (./test.sh stops its own).
ombrel_stop_wine() {
    [ -n "${OMBREL_OWN_WINESERVER:-}" ] || wineserver -k >/dev/null 2>&1 || true
}
