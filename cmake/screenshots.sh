#!/bin/sh
# Opens the main window with sample sets (English and Japanese), the
# question about unsaved changes at Open and a refused set name, the
# questions at close about a set file that cannot be written or was changed
# on disk (English and Japanese), a run (English), a preview with its summary
# and the deletion guard's question (English and Japanese), the log of a run over
# names of other code pages and an emoji (English and Japanese), the log
# at the last of a million rows (English), the
# replace confirmation, the success dialog, the replace and delete questions
# about sample files and the replace question about a file named in
# Japanese with an emoji, the question about a file that failed (English
# and Japanese), a frame with every standard control
# and the About dialog (English and Japanese) under a virtual display and
# saves them to docs/screenshots/.
# Run after a build (cmake/build.sh x86_64).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/cmake/wine-env.sh"
bin="$root/build/x86_64/bin"
out="$root/docs/screenshots"
mkdir -p "$out"
work=$(mktemp -d)
trap 'ombrel_stop_wine; ombrel_stop_display; rm -rf "$work"' EXIT INT TERM

ombrel_start_display
ombrel_start_wine

# shots <program> <locale> <argument or -> <png name>...: the program gets the
# argument and one marker file per picture; it writes its window's rectangle
# to each in turn and goes on when the marker is deleted.
shots() {
    program_name=$1 locale=$2 argument=$3
    shift 3
    markers=""
    for name in "$@"; do
        markers="$markers Z:$(echo "$work/$name.txt" | tr / '\\\\')"
    done
    [ "$argument" = - ] && argument=""
    LC_ALL=$locale wine "$bin/$program_name.exe" $argument $markers >/dev/null 2>&1 &
    program=$!
    for name in "$@"; do
        marker="$work/$name.txt"
        i=0
        while [ ! -s "$marker" ] && [ $i -lt 600 ]; do
            sleep 0.1
            i=$((i + 1))
        done
        [ -s "$marker" ] || { echo "nothing shown by $program_name for $name" >&2; exit 1; }
        sleep 0.3
        read -r x y w h < "$marker"
        import -window root -crop "$((w + 16))x$((h + 16))+$((x > 8 ? x - 8 : 0))+$((y > 8 ? y - 8 : 0))" +repage "$out/$name.png"
        rm -f "$marker"
    done
    wait "$program" || true  # the programs end with 1, as every start does
}

shots main_window_showcase en_US.UTF-8 window main_window_en
shots main_window_showcase ja_JP.UTF-8 window main_window_ja
shots main_window_showcase en_US.UTF-8 unsaved open_unsaved_en
shots main_window_showcase ja_JP.UTF-8 unsaved open_unsaved_ja
shots main_window_showcase en_US.UTF-8 refused refused_name_en
shots main_window_showcase ja_JP.UTF-8 refused refused_name_ja
shots main_window_showcase en_US.UTF-8 run run_create_en run_progress_en run_replace_en run_success_en
shots main_window_showcase en_US.UTF-8 names log_names_en
shots main_window_showcase ja_JP.UTF-8 names log_names_ja
shots main_window_showcase en_US.UTF-8 safety preview_en guard_en
shots main_window_showcase ja_JP.UTF-8 safety preview_ja guard_ja
shots main_window_showcase en_US.UTF-8 million log_million_en
shots main_window_showcase en_US.UTF-8 failed save_failed_en
shots main_window_showcase ja_JP.UTF-8 failed save_failed_ja
shots main_window_showcase en_US.UTF-8 changed file_changed_en
shots main_window_showcase ja_JP.UTF-8 changed file_changed_ja
shots confirm_showcase en_US.UTF-8 EConfirmMultipleFileReplaceDialog replace_en
shots confirm_showcase en_US.UTF-8 Success success_en
shots confirm_showcase ja_JP.UTF-8 EConfirmMultipleFileReplaceDialog replace_ja
shots confirm_showcase ja_JP.UTF-8 Success success_ja
shots file_confirm_showcase en_US.UTF-8 replace file_replace_en
shots file_confirm_showcase en_US.UTF-8 delete file_delete_en
shots file_confirm_showcase ja_JP.UTF-8 replace file_replace_ja
shots file_confirm_showcase ja_JP.UTF-8 delete file_delete_ja
shots file_confirm_showcase en_US.UTF-8 names file_replace_names_en
shots file_confirm_showcase ja_JP.UTF-8 names file_replace_names_ja
shots file_confirm_showcase en_US.UTF-8 skip file_skip_en
shots file_confirm_showcase ja_JP.UTF-8 skip file_skip_ja
shots frame_showcase en_US.UTF-8 - controls_en
shots frame_showcase ja_JP.UTF-8 - controls_ja
shots frame_showcase en_US.UTF-8 about about_en
shots frame_showcase ja_JP.UTF-8 about about_ja
ls -l "$out"
