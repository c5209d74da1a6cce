#!/bin/sh
# What ctest calls:
#   start | stop              the prefix's server (the tests' fixture)
#   run PROGRAM [ARGS]        a test program under Wine
#   run32 PROGRAM [ARGS]      a 32-bit one; skipped (77) where 32-bit Wine cannot run
#   root PROGRAM [ARGS]       cases that need root; skipped (77) without it
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/cmake/wine-env.sh"

action=${1:-}
[ $# -gt 0 ] && shift
case "$action" in
start) ombrel_start_wine || exit 1 ;;
stop) ombrel_stop_wine ;;
run) exec wine "$@" ;;
run32)
    if ! sh "$root/cmake/ensure-tools.sh" --can-run-32-bit; then
        echo "SKIPPED: this machine cannot run 32-bit Wine (its kernel runs no 32-bit Linux program, or wine32 is not installed)"
        exit 77
    fi
    exec wine "$@"
    ;;
root)
    if [ "$(id -u)" -ne 0 ]; then
        echo "SKIPPED: these cases mount small disks, which needs root"
        exit 77
    fi
    export OMBREL_ROOT_CASES=1
    exec wine "$@"
    ;;
*)
    echo "usage: $0 start|stop|run|run32|root [PROGRAM ARGS...]" >&2
    exit 2
    ;;
esac
