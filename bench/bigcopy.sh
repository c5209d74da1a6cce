#!/bin/sh
# A 4 GiB file copied by syncbench and by native cp onto the same disk, side
# by side in one run (best of three interleaved rounds), each timed alone
# and with its file flushed to the disk after it; syncbench's peak working
# set during the copy; and how long a run takes to end after an abort asked
# in the middle of such a copy over an older file, which must stay as it was.
# Two sources: a sparse file, whose holes cp writes as zeros without reading
# them (it is told to write every byte, as syncbench does), and a file of
# real zeros on the disk, which both read.
# Usage: bench/bigcopy.sh [WORKDIR]   (default build/bench-big; removed at the end)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$root/build/bench-big}
size=$((4 * 1024 * 1024 * 1024))

. "$root/bench/syncbench-start.sh"
trap 'rm -rf "$work"; ombrel_stop_wine' EXIT INT TERM

now() { date +%s.%N; }

rm -rf "$work"
mkdir -p "$work/sparse" "$work/dense"
truncate -s $size "$work/sparse/big.bin"
dd if=/dev/zero of="$work/dense/big.bin" bs=1M count=4096 status=none
touch -d '2021-04-01 10:00' "$work/sparse/big.bin" "$work/dense/big.bin"
sync
mb() { awk "BEGIN { printf \"%.0f\", $size / 1048576 / $1 }"; }
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

for kind in sparse dense; do
    copy_syncbench="" copy_cp="" flushed_syncbench="" flushed_cp=""
    for round in 1 2 3; do
        for tool in syncbench cp; do
            rm -rf "$work/dst"
            mkdir -p "$work/dst"
            sync
            start=$(now)
            case $tool in
            syncbench) wine "$bin/syncbench.exe" --memory "$(win "$work/$kind")" "$(win "$work/dst")" >"$work/out" ;;
            cp) cp --sparse=never --reflink=never "$work/$kind/big.bin" "$work/dst/big.bin" ;;
            esac
            copied=$(now)
            sync "$work/dst/big.bin"
            flushed=$(now)
            [ "$(stat -c %s "$work/dst/big.bin")" = $size ] || { echo "$tool: the copy is not whole" >&2; exit 1; }
            [ $tool = syncbench ] && grep 'peak working set' "$work/out" | sed "s/^/$kind source, round $round: syncbench /"
            eval "copy_$tool=\$(best \"\$copy_$tool\" $(awk "BEGIN { print $copied - $start }"))"
            eval "flushed_$tool=\$(best \"\$flushed_$tool\" $(awk "BEGIN { print $flushed - $start }"))"
        done
    done
    rm -rf "$work/dst"
    printf '4 GiB copy, %s source:          syncbench %.3f s (%s MB/s)  cp %.3f s (%s MB/s)  syncbench/cp throughput %.3f (target >= 0.8)\n' \
        $kind "$copy_syncbench" "$(mb "$copy_syncbench")" "$copy_cp" "$(mb "$copy_cp")" \
        "$(awk "BEGIN { print $copy_cp / $copy_syncbench }")"
    printf '4 GiB copy, %s source, flushed: syncbench %.3f s (%s MB/s)  cp %.3f s (%s MB/s)  syncbench/cp throughput %.3f\n' \
        $kind "$flushed_syncbench" "$(mb "$flushed_syncbench")" "$flushed_cp" "$(mb "$flushed_cp")" \
        "$(awk "BEGIN { print $flushed_cp / $flushed_syncbench }")"
done

# An abort two seconds into a copy over an older file.
mkdir -p "$work/dst"
printf 'the old version' >"$work/dst/big.bin"
touch -d '2020-01-01 10:00' "$work/dst/big.bin"
before=$(stat -c '%s %Y' "$work/dst/big.bin")
sync
wine "$bin/syncbench.exe" --abort-after 2000 "$(win "$work/dense")" "$(win "$work/dst")" >"$work/out" || true
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

grep -E '^(abort|copied)' "$work/out" | sed 's/^/abort in the middle: /'
after=$(stat -c '%s %Y' "$work/dst/big.bin")
left=$(find "$work/dst" -name '~omb*' | wc -l)
echo "abort in the middle: destination $( [ "$before" = "$after" ] && echo unchanged || echo CHANGED), temporary files left: $left"
