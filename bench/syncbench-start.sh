# Sourced by the benchmarks that time syncbench, with root set: the tools,
# syncbench built, the test prefix with no server left running in it, and
# the helpers bin, win (a Linux path as Wine's Z: path) and best (the
# smaller of two figures, the first possibly empty).
sh "$root/cmake/ensure-tools.sh"
sh "$root/cmake/build.sh" x86_64 syncbench >/dev/null

export WINEPREFIX="$root/build/x86_64/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wineserver -k >/dev/null 2>&1 || true

bin="$root/build/x86_64/bin"
win() { printf 'Z:%s' "$1" | tr / '\\'; }
best() { if [ -z "$1" ]; then echo "$2"; else awk "BEGIN { print ($2 < $1) ? $2 : $1 }"; fi; }
