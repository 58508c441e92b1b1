#!/usr/bin/env bash
# Generates two hostile satask_result.html files in a temporary folder (1 GiB in a single
# line, and 10 million short lines), reads each with the results reader and prints the
# peak resident memory. The reader must stay under 64 MiB on both.
set -euo pipefail
reader=$(realpath "$1")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
limit_kib=$((64 * 1024))
status=0

measure() {
    local name=$1
    local line
    line=$(cd "$dir" && "$reader")
    echo "$name: $line"
    local kib
    kib=$(sed -E 's/.*peak RSS ([0-9]+) KiB.*/\1/' <<<"$line")
    if (( kib >= limit_kib )); then
        echo "  over the 64 MiB limit"
        status=1
    fi
}

head -c $((1024 * 1024 * 1024)) /dev/zero | tr '\0' 'a' > "$dir/satask_result.html"
measure "1 GiB in one line"
{ yes 'cluster_ip 192.168.1.50' || true; } | head -n 10000000 > "$dir/satask_result.html"
measure "10 million short lines"
exit $status
