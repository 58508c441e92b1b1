#!/usr/bin/env bash
# Start-up time and peak memory of the wizard (to its first page on screen) against a bare
# Qt Widgets window, measured in the same run: RUNS launches each, in turns, medians compared.
# Usage: startup.sh BENCH_FOLDER [offscreen|xcb]: offscreen (the default) draws into memory;
# xcb, under an X server (xvfb-run), waits for the window mapped and exposed, as a person
# meets it.
set -euo pipefail
dir=$(realpath "$1")
runs=${RUNS:-21}
export QT_QPA_PLATFORM=${2:-offscreen}
key=$(mktemp -d)
trap 'rm -rf "$key"' EXIT
cd "$key"

# One launch: prints "microseconds peak_rss_kib".
launch() {
    local start end out
    start=$(date +%s%N)
    out=$("$1" 2>/dev/null)
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 )) $(awk '/peak_rss_kib/ {print $2}' <<<"$out")"
}

median() { sort -n | sed -n "$((runs / 2 + 1))p"; }

"$dir/startup_bare" >/dev/null 2>&1 || true  # warm the page cache
"$dir/startup_wizard" >/dev/null 2>&1 || true
"$dir/startup_bare_text" >/dev/null 2>&1 || true
# In turns, so that whatever else the machine does weighs on all three alike.
declare -a bt br wt wr tt tr
for ((i = 0; i < runs; i++)); do
    read -r t r < <(launch "$dir/startup_bare"); bt+=("$t"); br+=("$r")
    read -r t r < <(launch "$dir/startup_wizard"); wt+=("$t"); wr+=("$r")
    read -r t r < <(launch "$dir/startup_bare_text"); tt+=("$t"); tr+=("$r")
done
bare_us=$(printf '%s\n' "${bt[@]}" | median); bare_rss=$(printf '%s\n' "${br[@]}" | median)
wiz_us=$(printf '%s\n' "${wt[@]}" | median); wiz_rss=$(printf '%s\n' "${wr[@]}" | median)
text_us=$(printf '%s\n' "${tt[@]}" | median); text_rss=$(printf '%s\n' "${tr[@]}" | median)
awk -v bt="$bare_us" -v wt="$wiz_us" -v br="$bare_rss" -v wr="$wiz_rss" -v n="$runs" \
    -v tt="$text_us" -v tr="$text_rss" 'BEGIN {
    printf "start-up to first window, " ENVIRON["QT_QPA_PLATFORM"] " (median of %d): bare Qt %.1f ms, wizard %.1f ms, ratio %.2f (target 1.30)\n", n, bt/1000, wt/1000, wt/bt
    printf "peak RSS: bare Qt %d KiB, wizard %d KiB, ratio %.2f (target 1.30)\n", br, wr, wr/br
    printf "for comparison, the main menu'"'"'s texts in plain Qt widgets: %.1f ms (%.2f), %d KiB (%.2f)\n", tt/1000, tt/bt, tr, tr/br
}'
