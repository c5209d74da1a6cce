# Sourced. When no display is set, starts Xvfb on a free display number and
# sets DISPLAY and OMBREL_XVFB_PID; ombrel_stop_xvfb ends it again.
ombrel_start_xvfb() {
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

ombrel_stop_xvfb() {
    if [ -n "${OMBREL_XVFB_PID:-}" ]; then
        kill "$OMBREL_XVFB_PID" 2>/dev/null || true
        wait "$OMBREL_XVFB_PID" 2>/dev/null || true
        OMBREL_XVFB_PID=""
    fi
}
