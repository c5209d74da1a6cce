#!/bin/sh
# Times syncbench side by side in one run against Wine's xcopy and against
# the platform's floor (listfloor: both trees of the no-change pass only
# listed, with as many threads as the run): a full copy of a tree of 10,000
# files, a no-change pass over a tree of 50,000 small files, and both over a
# tree of 5,000 files named outside the code page beside its twin of ASCII
# names. Each figure is the best of three runs, interleaved.
# Usage: bench/compare.sh [WORKDIR]   (default build/bench; the trees stay there)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$root/build/bench}

command -v python3 >/dev/null || { DEBIAN_FRONTEND=noninteractive apt-get install -y -qq python3 >/dev/null; }
. "$root/bench/syncbench-start.sh"
sh "$root/cmake/build.sh" x86_64 listfloor >/dev/null
mkdir -p "$work"

for kind in big small names plain; do
    [ -f "$work/$kind.done" ] || { rm -rf "$work/$kind"; python3 "$root/bench/make_trees.py" $kind "$work/$kind"; touch "$work/$kind.done"; }
done
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

now() { date +%s.%N; }
# time_of COMMAND...: seconds the command took; its output is discarded.
time_of() {
    start=$(now)
    "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    end=$(now)
    awk "BEGIN { print $end - $start }"
}

# tool_run TOOL WINDOWS-SOURCE WINDOWS-DESTINATION: the Windows forms are
# made before the clock starts, so that only the tools are timed.
tool_run() {
    case $1 in
    syncbench) wine "$bin/syncbench.exe" "$2" "$3" ;;
    xcopy) wine xcopy /E /D /Y /I "$2" "$3" ;;
    listfloor) wine "$bin/listfloor.exe" "$2" "$3" ;;
    esac
}
# run_of TOOL SOURCE DESTINATION: seconds one run took.
run_of() { time_of tool_run "$1" "$(win "$2")" "$(win "$3")"; }

copy_syncbench="" copy_xcopy=""
same_syncbench="" same_xcopy="" same_listfloor=""
copy_names="" copy_plain="" same_names="" same_plain=""
for round in 1 2 3; do
    for tool in syncbench xcopy; do
        rm -rf "$work/copy-$tool"
        t=$(run_of $tool "$work/big" "$work/copy-$tool")
        eval "copy_$tool=\$(best \"\$copy_$tool\" $t)"
    done
    for kind in names plain; do
        rm -rf "$work/copy-$kind"
        t=$(run_of syncbench "$work/$kind" "$work/copy-$kind")
        eval "copy_$kind=\$(best \"\$copy_$kind\" $t)"
    done
done
for tool in syncbench xcopy; do
    [ -d "$work/same-$tool" ] || run_of $tool "$work/small" "$work/same-$tool" >/dev/null
done
for round in 1 2 3; do
    for tool in syncbench xcopy; do
        t=$(run_of $tool "$work/small" "$work/same-$tool")
        eval "same_$tool=\$(best \"\$same_$tool\" $t)"
    done
    # The floor lists the very trees syncbench's pass compares.
    t=$(run_of listfloor "$work/small" "$work/same-syncbench")
    same_listfloor=$(best "$same_listfloor" "$t")
    for kind in names plain; do
        t=$(run_of syncbench "$work/$kind" "$work/copy-$kind")
        eval "same_$kind=\$(best \"\$same_$kind\" $t)"
    done
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

files_names=$(find "$work/names" -type f | wc -l)
files_plain=$(find "$work/plain" -type f | wc -l)
ratio() { awk "BEGIN { printf \"%.3f\", $1 / $2 }"; }
per_file() { awk "BEGIN { printf \"%.1f\", $1 * 1000000 / $2 }"; }
printf 'full copy, 10,000 files:       syncbench %.3f s  xcopy %.3f s\n' "$copy_syncbench" "$copy_xcopy"
printf 'no-change pass, 50,000 files:  syncbench %.3f s  xcopy %.3f s  floor (listing only) %.3f s\n' \
    "$same_syncbench" "$same_xcopy" "$same_listfloor"
echo "full copy:      syncbench / xcopy = $(ratio "$copy_syncbench" "$copy_xcopy") (target <= 0.6)"
echo "no-change pass: syncbench / xcopy = $(ratio "$same_syncbench" "$same_xcopy") (target <= 0.15), syncbench / floor = $(ratio "$same_syncbench" "$same_listfloor") (target <= 1.15)"
printf 'wide names, %d files:  full copy %.3f s (%s us/file), no-change pass %.3f s (%s us/file)\n' \
    "$files_names" "$copy_names" "$(per_file "$copy_names" "$files_names")" \
    "$same_names" "$(per_file "$same_names" "$files_names")"
printf 'ASCII twin, %d files:  full copy %.3f s (%s us/file), no-change pass %.3f s (%s us/file)\n' \
    "$files_plain" "$copy_plain" "$(per_file "$copy_plain" "$files_plain")" \
    "$same_plain" "$(per_file "$same_plain" "$files_plain")"
echo "wide names / ASCII twin: full copy $(ratio "$copy_names" "$copy_plain"), no-change pass $(ratio "$same_names" "$same_plain")"
