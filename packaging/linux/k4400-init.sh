#!/bin/sh
# Starts k4400-init from the key it is on, with the key's top folder as its working folder.
# A desktop mounts a FAT key without execute permission, so run this script with sh:
#     sh /media/<user>/<key>/k4400-init.sh
# The system's dynamic loader then starts the program, which needs no execute bit.
here=$(cd "$(dirname "$0")" && pwd) || exit 2
for loader in /lib64/ld-linux-x86-64.so.2 /lib/x86_64-linux-gnu/ld-linux-x86-64.so.2; do
    if [ -e "$loader" ]; then
        cd "$here" && exec "$loader" "$here/k4400-init" "$@"
    fi
done
echo "k4400-init.sh: no x86-64 dynamic loader on this machine" >&2
exit 2
