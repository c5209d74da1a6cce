#!/bin/sh
# Installs what building and testing need, only when something is missing.
set -eu

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
