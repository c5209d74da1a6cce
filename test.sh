#!/bin/sh
# Builds both targets and runs every test under Wine; ends with ctest's summary.
set -eu
root=$(cd "$(dirname "$0")" && pwd)
cd "$root"

sh cmake/ensure-tools.sh
sh cmake/build.sh x86_64
sh cmake/build.sh i686

. "$root/cmake/xvfb.sh"
export WINEPREFIX="$root/build/x86_64/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export OMBREL_OWN_WINESERVER=1
server_pid=""

cleanup() {
    if [ -n "$server_pid" ]; then
        # Ends the prefix's own services too; killing the server alone
        # leaves them running without it.
        wineserver -k >/dev/null 2>&1 || true
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    ombrel_stop_xvfb
}
trap cleanup EXIT INT TERM

ombrel_start_xvfb
mkdir -p "$WINEPREFIX"
# A server left over from an interrupted run would refuse -p.
wineserver -k >/dev/null 2>&1 || true
wineserver -f -p >/dev/null 2>&1 &
server_pid=$!

status=0
ctest --test-dir build/x86_64 --output-on-failure || status=$?
exit $status
