#!/bin/sh
# Opens the replace confirmation and the success dialog, and the replace and
# delete questions about sample files, in English and in Japanese under a
# virtual display and saves them to docs/screenshots/.
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

# shot <showcase> <what to show> <locale> <png name>
shot() {
    marker="$work/$4.txt"
    LC_ALL=$3 wine "$bin/$1.exe" "$2" "Z:$(echo "$marker" | tr / '\\\\')" >/dev/null 2>&1 &
    program=$!
    i=0
    while [ ! -s "$marker" ] && [ $i -lt 300 ]; do
        sleep 0.1
        i=$((i + 1))
    done
    [ -s "$marker" ] || { echo "no dialog for $2" >&2; exit 1; }
    read -r x y w h < "$marker"
    import -window root -crop "$((w + 16))x$((h + 16))+$((x > 8 ? x - 8 : 0))+$((y > 8 ? y - 8 : 0))" +repage "$out/$4.png"
    rm -f "$marker"
    wait "$program" || true  # the program ends with 1, as every start does
}

shot confirm_showcase EConfirmMultipleFileReplaceDialog en_US.UTF-8 replace_en
shot confirm_showcase Success en_US.UTF-8 success_en
shot confirm_showcase EConfirmMultipleFileReplaceDialog ja_JP.UTF-8 replace_ja
shot confirm_showcase Success ja_JP.UTF-8 success_ja
shot file_confirm_showcase replace en_US.UTF-8 file_replace_en
shot file_confirm_showcase delete en_US.UTF-8 file_delete_en
shot file_confirm_showcase replace ja_JP.UTF-8 file_replace_ja
shot file_confirm_showcase delete ja_JP.UTF-8 file_delete_ja
wineserver -k >/dev/null 2>&1 || true
ls -l "$out"
