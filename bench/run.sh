#!/bin/sh
# Builds the x86_64 target and runs every benchmark under Wine, in the test
# prefix, on a virtual display of its own when none is set.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
sh cmake/build.sh x86_64 >/dev/null

. "$root/cmake/wine-env.sh"
trap 'ombrel_stop_wine; ombrel_stop_display' EXIT INT TERM
ombrel_start_display
ombrel_start_wine

cat /proc/loadavg | sed "s/^/load average: /"
for bench in build/x86_64/bin/*_bench.exe; do
    echo "== $(basename "$bench" .exe)"
    # The window's trees on a memory disk: the disk's own hiccups would
    # swamp what the window adds.
    if [ "${bench##*/}" = window_bench.exe ] && [ -d /dev/shm ]; then
        wine "$bench" "${1:-10000}" 'Z:\dev\shm'
    else
        wine "$bench" "$@"
    fi
done
