#!/bin/sh
# Mounts (setup) or removes (cleanup) a small tmpfs for the full-disk test.
# Where mounting is not permitted the folder is left absent and the test
# says it skipped.
dir=$2
case $1 in
setup)
    if mountpoint -q "$dir" 2>/dev/null; then umount "$dir"; fi
    mkdir -p "$dir"
    if ! mount -t tmpfs -o size=64k tmpfs "$dir" 2>/dev/null; then
        rmdir "$dir"
        echo "cannot mount a tmpfs here; the full-disk test will be skipped"
    fi
    ;;
cleanup)
    if mountpoint -q "$dir" 2>/dev/null; then umount "$dir" || exit 1; fi
    if [ -d "$dir" ]; then rmdir "$dir"; fi
    ;;
esac
exit 0
