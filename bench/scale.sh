#!/bin/sh
# The no-change pass over a million small files in 51,050 folders against
# the same pass over 50,000 files in 2,550 folders (20 files in each folder
# at the bottom in both), side by side in one run: three interleaved rounds,
# the best of each, their ratio and syncbench's peak working set in each.
# The trees and their copies (cp -a, so that nothing needs copying) are made
# on the Linux side, by default on the memory disk; about 9 GB.
# Usage: bench/scale.sh [WORKDIR]   (default /dev/shm/ombrel-scale; removed
# at the end unless KEEP_TREES=1)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-/dev/shm/ombrel-scale}

. "$root/bench/syncbench-start.sh"
trap '[ "${KEEP_TREES:-}" = 1 ] || rm -rf "$work"; ombrel_stop_wine' EXIT INT TERM

most() { if [ -z "$1" ]; then echo "$2"; else awk "BEGIN { print ($2 > $1) ? $2 : $1 }"; fi; }

mkdir -p "$work"
for kind in small million; do
    [ -f "$work/$kind.done" ] || {
        rm -rf "$work/$kind" "$work/$kind-copy"
        python3 "$root/bench/make_trees.py" $kind "$work/$kind"
        cp -a "$work/$kind" "$work/$kind-copy"
        touch "$work/$kind.done"
    }
done
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

time_small="" time_million="" peak_small="" peak_million=""
for round in 1 2 3; do
    for kind in small million; do
        out=$(wine "$bin/syncbench.exe" --memory "$(win "$work/$kind")" "$(win "$work/$kind-copy")")
        case $out in *"result OK"*"copied 0"*|*"copied 0"*"result OK"*) ;; *) echo "$kind: $out" >&2; exit 1 ;; esac
        seconds=$(printf '%s\n' "$out" | sed -n 's/.*seconds \([0-9.]*\).*/\1/p')
        peak=$(printf '%s\n' "$out" | sed -n 's/^peak working set \([0-9.]*\) MB/\1/p')
        echo "round $round: $kind no-change pass $seconds s, peak working set $peak MB"
        eval "time_$kind=\$(best \"\$time_$kind\" $seconds)"
        eval "peak_$kind=\$(most \"\$peak_$kind\" $peak)"
    done
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
printf 'no-change pass, best of 3: 1,000,000 files %.3f s, 50,000 files %.3f s, ratio %.2f (target <= 21)\n' \
    "$time_million" "$time_small" "$(awk "BEGIN { print $time_million / $time_small }")"
printf 'peak working set: 1,000,000 files %s MB (target <= 64), 50,000 files %s MB\n' "$peak_million" "$peak_small"
