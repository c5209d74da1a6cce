# Sourced by the benchmarks that time syncbench, with root set: the tools,
# syncbench built, the test prefix with a fresh server (stopped at exit), and
# the helpers bin, win (a Linux path as Wine's Z: path) and best (the
# smaller of two figures, the first possibly empty).
sh "$root/cmake/ensure-tools.sh"
sh "$root/cmake/build.sh" x86_64 syncbench >/dev/null

. "$root/cmake/wine-env.sh"
# A fresh persistent, booted server, so that every start costs the same.
wineserver -k >/dev/null 2>&1 || true
trap 'ombrel_stop_wine' EXIT INT TERM
ombrel_start_wine

bin="$root/build/x86_64/bin"
win() { printf 'Z:%s' "$1" | tr / '\\'; }
best() { if [ -z "$1" ]; then echo "$2"; else awk "BEGIN { print ($2 < $1) ? $2 : $1 }"; fi; }
