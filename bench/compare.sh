#!/bin/sh
# Times syncbench against Wine's xcopy and native rsync, side by side in one
# run: a full copy of a tree of 10,000 files and a no-change pass over a tree
# of 50,000 small files. Each figure is the best of three runs, interleaved.
# Usage: bench/compare.sh [WORKDIR]   (default build/bench; the trees stay there)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$root/build/bench}

sh "$root/cmake/ensure-tools.sh"
command -v rsync >/dev/null || { DEBIAN_FRONTEND=noninteractive apt-get install -y -qq rsync >/dev/null; }
command -v python3 >/dev/null || { DEBIAN_FRONTEND=noninteractive apt-get install -y -qq python3 >/dev/null; }
sh "$root/cmake/build.sh" x86_64 >/dev/null

export WINEPREFIX="$root/build/x86_64/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$work"
# A fresh persistent, booted server, so that every start costs the same ~0.05 s.
wineserver -k >/dev/null 2>&1 || true
trap 'sh "$root/cmake/wine-prefix.sh" stop' EXIT INT TERM
sh "$root/cmake/wine-prefix.sh" start

bench="$root/build/x86_64/bin/syncbench.exe"
win() { printf 'Z:%s' "$1" | tr / '\\'; }

[ -f "$work/big.done" ] || { rm -rf "$work/big"; python3 "$root/bench/make_trees.py" big "$work/big"; touch "$work/big.done"; }
[ -f "$work/small.done" ] || { rm -rf "$work/small"; python3 "$root/bench/make_trees.py" small "$work/small"; touch "$work/small.done"; }

now() { date +%s.%N; }
# time_of COMMAND...: seconds the command took; its output is discarded.
time_of() {
    start=$(now)
    "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    end=$(now)
    awk "BEGIN { print $end - $start }"
}
best() { if [ -z "$1" ]; then echo "$2"; else awk "BEGIN { print ($2 < $1) ? $2 : $1 }"; fi; }

# tool_run TOOL SOURCE DESTINATION WINDOWS-SOURCE WINDOWS-DESTINATION: the
# Windows forms are made before the clock starts, so that only the tools
# are timed.
tool_run() {
    case $1 in
    syncbench) wine "$bench" "$4" "$5" ;;
    xcopy) wine xcopy /E /D /Y /I "$4" "$5" ;;
    rsync) rsync -r --times --update "$2/" "$3/" ;;
    esac
}
# run_of TOOL SOURCE DESTINATION: seconds one run took.
run_of() { time_of tool_run "$1" "$2" "$3" "$(win "$2")" "$(win "$3")"; }

tools="syncbench xcopy rsync"
copy_syncbench="" copy_xcopy="" copy_rsync=""
same_syncbench="" same_xcopy="" same_rsync=""
for round in 1 2 3; do
    for tool in $tools; do
        rm -rf "$work/copy-$tool"
        t=$(run_of "$tool" "$work/big" "$work/copy-$tool")
        eval "copy_$tool=\$(best \"\$copy_$tool\" $t)"
    done
done
for tool in $tools; do
    [ -d "$work/same-$tool" ] || run_of "$tool" "$work/small" "$work/same-$tool" >/dev/null
done
for round in 1 2 3; do
    for tool in $tools; do
        t=$(run_of "$tool" "$work/small" "$work/same-$tool")
        eval "same_$tool=\$(best \"\$same_$tool\" $t)"
    done
done

ratio() { awk "BEGIN { printf \"%.3f\", $1 / $2 }"; }
printf 'full copy, 10,000 files:       syncbench %.3f s  xcopy %.3f s  rsync %.3f s\n' "$copy_syncbench" "$copy_xcopy" "$copy_rsync"
printf 'no-change pass, 50,000 files:  syncbench %.3f s  xcopy %.3f s  rsync %.3f s\n' "$same_syncbench" "$same_xcopy" "$same_rsync"
echo "full copy:      syncbench / xcopy = $(ratio "$copy_syncbench" "$copy_xcopy") (target <= 0.6), syncbench / rsync = $(ratio "$copy_syncbench" "$copy_rsync")"
echo "no-change pass: syncbench / xcopy = $(ratio "$same_syncbench" "$same_xcopy") (target <= 0.15), syncbench / rsync = $(ratio "$same_syncbench" "$same_rsync") (target <= 3)"
