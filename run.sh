#!/bin/sh
# Builds Ombrel and starts it under Wine. Without a display it starts a
# virtual one, saves a screenshot of the window and says where it is.
set -eu
root=$(cd "$(dirname "$0")" && pwd)
cd "$root"

sh cmake/ensure-tools.sh
# Only the program: the tests and benchmarks are built by ./test.sh.
sh cmake/build.sh x86_64 Ombrel

# A prefix of its own, apart from the tests', and the user's Recycle Bin.
ombrel_prefix=run-prefix
ombrel_user_trash=1
. "$root/cmake/wine-env.sh"
program="$root/build/x86_64/bin/Ombrel.exe"

# A first start in this prefix gets a sample set over two small folders, so
# the window shows something to run; the user's own set file, once chosen,
# is what later starts open.
seed_demo() {
    key='HKCU\Software\KorvaneSoft\KorvaneFolderSync\Settings'
    wine reg query "$key" /v "Ini file" >/dev/null 2>&1 && return 0
    demo="$root/build/demo"
    mkdir -p "$demo/source/letters" "$demo/source/reports" "$demo/destination"
    for n in 1 2 3; do
        echo "letter $n" > "$demo/source/letters/letter-$n.txt"
        echo "report $n" > "$demo/source/reports/report-$n.txt"
    done
    windows=$(echo "Z:$demo" | tr / '\\')
    printf '[Sample]\r\nSRC="%s\\source"\r\nDST="%s\\destination"\r\nDELETE=N\r\nDOSTIME=N\r\nFORCE=N\r\nEXCLUDEOBJ=N\r\n\r\n' \
        "$windows" "$windows" > "$demo/sample.ini"
    wine reg add "$key" /v "Ini file" /d "$windows\\sample.ini" /f >/dev/null 2>&1
}

if [ -n "${DISPLAY:-}" ]; then
    ombrel_start_wine
    seed_demo
    exec wine "$program" "$@"
fi

cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    ombrel_stop_display
}
trap cleanup EXIT INT TERM
ombrel_start_display
ombrel_start_wine
seed_demo

wine "$program" "$@" >/dev/null 2>&1 &
mkdir -p shots
shot="$root/shots/main-window.png"
raw="$root/shots/.screen.png"
# Wait until the window has been drawn on the black screen.
i=0
while [ $i -lt 60 ]; do
    sleep 0.5
    import -window root "$raw" 2>/dev/null || continue
    mean=$(convert "$raw" -format '%[fx:mean>0.01]' info: 2>/dev/null || echo 0)
    [ "$mean" = 1 ] && break
    i=$((i + 1))
done
sleep 1
import -window root "$raw"
convert "$raw" -trim +repage "$shot"
rm -f "$raw"
echo "Ombrel ran on a virtual display; screenshot of its window: $shot"
