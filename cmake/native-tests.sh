#!/bin/sh
# Builds the code free of window and file-system calls natively with the
# address and undefined-behaviour sanitizers, then runs its tests and the
# random-input loop. Any sanitizer report fails the run.
# Usage: native-tests.sh [BUILD_DIR]   (default build/native)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build/native}
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$root/tests/native" -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=g++ >/dev/null
fi
cmake --build "$dir"
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$dir/native_tests"
