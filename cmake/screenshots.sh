#!/bin/sh
# Opens the replace confirmation, the success dialog, the replace and delete
# questions about sample files, a frame with every standard control, and the
# About dialog, in English and in Japanese under a virtual display and saves
# them to docs/screenshots/.
# Run after a build (cmake/build.sh x86_64).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/cmake/xvfb.sh"
export WINEPREFIX="$root/build/x86_64/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
bin="$root/build/x86_64/bin"
out="$root/docs/screenshots"
mkdir -p "$out"
work=$(mktemp -d)
trap 'ombrel_stop_xvfb; rm -rf "$work"' EXIT INT TERM

ombrel_start_xvfb
sh "$root/cmake/wine-prefix.sh" start

# shot <program> <locale> <png name> [argument]: the program writes the
# marker and closes when it is deleted.
shot() {
    marker="$work/$3.txt"
    LC_ALL=$2 wine "$bin/$1.exe" ${4:-} "Z:$(echo "$marker" | tr / '\\\\')" >/dev/null 2>&1 &
    program=$!
    i=0
    while [ ! -s "$marker" ] && [ $i -lt 300 ]; do
        sleep 0.1
        i=$((i + 1))
    done
    [ -s "$marker" ] || { echo "nothing shown by $1 ${4:-}" >&2; exit 1; }
    read -r x y w h < "$marker"
    import -window root -crop "$((w + 16))x$((h + 16))+$((x > 8 ? x - 8 : 0))+$((y > 8 ? y - 8 : 0))" +repage "$out/$3.png"
    rm -f "$marker"
    wait "$program" || true  # the program ends with 1, as every start does
}

shot confirm_showcase en_US.UTF-8 replace_en EConfirmMultipleFileReplaceDialog
shot confirm_showcase en_US.UTF-8 success_en Success
shot confirm_showcase ja_JP.UTF-8 replace_ja EConfirmMultipleFileReplaceDialog
shot confirm_showcase ja_JP.UTF-8 success_ja Success
shot file_confirm_showcase en_US.UTF-8 file_replace_en replace
shot file_confirm_showcase en_US.UTF-8 file_delete_en delete
shot file_confirm_showcase ja_JP.UTF-8 file_replace_ja replace
shot file_confirm_showcase ja_JP.UTF-8 file_delete_ja delete
shot frame_showcase en_US.UTF-8 controls_en
shot frame_showcase ja_JP.UTF-8 controls_ja
shot frame_showcase en_US.UTF-8 about_en about
shot frame_showcase ja_JP.UTF-8 about_ja about
wineserver -k >/dev/null 2>&1 || true
ls -l "$out"
