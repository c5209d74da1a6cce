#!/bin/sh
# Builds both targets and runs every test under Wine; ends with ctest's summary.
set -eu
root=$(cd "$(dirname "$0")" && pwd)
cd "$root"

sh cmake/ensure-tools.sh
sh cmake/build.sh x86_64
sh cmake/build.sh i686

. "$root/cmake/wine-env.sh"
# The run owns the prefix's server: the tests' fixture leaves it running.
export OMBREL_OWN_WINESERVER=1

cleanup() {
    # Ends the prefix's own services too.
    wineserver -k >/dev/null 2>&1 || true
    ombrel_stop_display
}
trap cleanup EXIT INT TERM

ombrel_start_display
# A server left over from an interrupted run is ended first.
wineserver -k >/dev/null 2>&1 || true
ombrel_start_wine

status=0
ctest --test-dir build/x86_64 --output-on-failure || status=$?
exit $status
