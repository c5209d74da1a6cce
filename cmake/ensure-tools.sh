#!/bin/sh
# Installs what building and testing need, only when something is missing.
# With --can-run-32-bit it only answers (exit 0 or 1) whether 32-bit Wine
# runs here.
set -eu

# A 91-byte 32-bit Linux program that exits with 42. Some kernels run no
# 32-bit program at all (execve fails with ENOEXEC); there wine32's loader
# cannot start, and the wine command, which prefers it, then starts nothing.
kernel_runs_32_bit() {
    probe=$(mktemp)
    printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\133\000\000\000\133\000\000\000\005\000\000\000\000\020\000\000\061\300\100\263\052\315\200' > "$probe"
    chmod +x "$probe"
    status=0
    "$probe" 2>/dev/null || status=$?
    rm -f "$probe"
    [ $status -eq 42 ]
}

if [ "${1:-}" = --can-run-32-bit ]; then
    kernel_runs_32_bit && [ -x /usr/lib/wine/wine ]
    exit
fi

# g++ builds the portable code natively with sanitizers (its runtime
# libraries come with it).
packages="g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix cmake ninja-build wine wine64 xvfb xauth
fonts-wine fonts-ipafont-gothic locales doctest-dev imagemagick g++"

missing=""
for p in $packages; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    case "$status" in
    *"install ok installed"*) ;;
    *) missing="$missing $p" ;;
    esac
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Run as root, or install these packages first:$missing" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq $missing >/dev/null
fi

# 32-bit Wine runs the i686 build's tests. A prefix made before it was
# installed no longer starts any program (exit 53): ombrel_start_wine
# (cmake/wine-env.sh) drops a prefix made by the other loader and makes it
# again.
wine32=$(dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null || true)
if kernel_runs_32_bit; then
    case "$wine32" in
    *"install ok installed"*) ;;
    *)
        if [ "$(id -u)" -ne 0 ]; then
            echo "Run as root, or install wine32:i386 first (the 32-bit tests are skipped without it)" >&2
        else
            echo "Installing: wine32:i386"
            export DEBIAN_FRONTEND=noninteractive
            dpkg --add-architecture i386
            apt-get update -qq
            apt-get install -y -qq wine32:i386 >/dev/null
        fi
        ;;
    esac
else
    case "$wine32" in
    *"install ok installed"*)
        # Here it would stop every Wine program, the 64-bit ones included.
        echo "This kernel runs no 32-bit program: removing wine32:i386"
        if [ "$(id -u)" -eq 0 ]; then
            DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq wine32:i386 >/dev/null
        else
            echo "Run as root, or remove wine32:i386 first" >&2
            exit 1
        fi
        ;;
    esac
fi

# Japanese-mode runs read the locale's name; keep it generated as well. The
# English-mode runs need theirs generated too: without it Wine takes file
# names through ASCII and cannot make a file named in Japanese or an emoji.
for name in ja_JP en_US; do
    if ! locale -a 2>/dev/null | grep -qi "^$name\.utf-\?8$"; then
        if [ "$(id -u)" -eq 0 ]; then
            sed -i "s/^# *\($name.UTF-8 UTF-8\)/\1/" /etc/locale.gen
            grep -q "^$name.UTF-8 UTF-8" /etc/locale.gen || echo "$name.UTF-8 UTF-8" >> /etc/locale.gen
            locale-gen >/dev/null
        fi
    fi
done
