#!/usr/bin/env bash
# Start-up time and peak memory of the wizard (to its first page, offscreen) against a bare
# Qt Widgets window, measured in the same run: RUNS launches each, medians compared.
set -euo pipefail
dir=$(realpath "$1")
runs=${RUNS:-21}
export QT_QPA_PLATFORM=offscreen
key=$(mktemp -d)
trap 'rm -rf "$key"' EXIT
cd "$key"

measure() {  # prints "median_ms median_rss_kib"
    local bin=$1 times=() rss=()
    for ((i = 0; i < runs; i++)); do
        local start end out
        start=$(date +%s%N)
        out=$("$bin" 2>/dev/null)
        end=$(date +%s%N)
        times+=($(( (end - start) / 1000 )))
        rss+=($(awk '/peak_rss_kib/ {print $2}' <<<"$out"))
    done
    local t r
    t=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$((runs / 2 + 1))p")
    r=$(printf '%s\n' "${rss[@]}" | sort -n | sed -n "$((runs / 2 + 1))p")
    echo "$t $r"
}

"$dir/startup_bare" >/dev/null 2>&1 || true  # warm the page cache
"$dir/startup_wizard" >/dev/null 2>&1 || true
read -r bare_us bare_rss < <(measure "$dir/startup_bare")
read -r wiz_us wiz_rss < <(measure "$dir/startup_wizard")
read -r text_us text_rss < <(measure "$dir/startup_bare_text")
awk -v bt="$bare_us" -v wt="$wiz_us" -v br="$bare_rss" -v wr="$wiz_rss" -v n="$runs" \
    -v tt="$text_us" -v tr="$text_rss" 'BEGIN {
    printf "start-up to first window (median of %d): bare Qt %.1f ms, wizard %.1f ms, ratio %.2f (target 1.30)\n", n, bt/1000, wt/1000, wt/bt
    printf "peak RSS: bare Qt %d KiB, wizard %d KiB, ratio %.2f (target 1.30)\n", br, wr, wr/br
    printf "for comparison, the main menu'"'"'s texts in plain Qt widgets: %.1f ms (%.2f), %d KiB (%.2f)\n", tt/1000, tt/bt, tr, tr/br
}'
