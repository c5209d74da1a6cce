#!/bin/sh
# Configures (once) and builds one target: x86_64 or i686; with more
# arguments, only those build targets of it.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
arch=$1
shift
dir="$root/build/$arch"
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" >/dev/null
fi
if [ $# -gt 0 ]; then
    cmake --build "$dir" --target "$@"
else
    cmake --build "$dir"
fi
