#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 60), seeded from the
# test fixtures. Fails on any finding; the input that caused it is left in build/fuzz/.
set -euo pipefail
seconds=${1:-60}
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build/fuzz
cmake -S "$top/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" >/dev/null

seed() {  # seed corpus for a target
    local dir=$build/corpus/$1
    mkdir -p "$dir"
    case $1 in
        results) for f in "$top"/tests/fixtures/*/satask_result.html "$top"/tests/fixtures/*/DORNA_results.txt; do
                     [[ -f "$f" && $(stat -c %s "$f") -lt 200000 ]] || continue
                     cp "$f" "$dir/$(basename "$(dirname "$f")")-$(basename "$f")"
                 done ;;
        classify) printf 'satask mkcluster -clusterip 1.2.3.4 -gw 1.2.3.1 -mask 255.0.0.0\n0\nx' > "$dir/init"
                  printf 'satask mknascluster -clusterip 1.2.3.4\n0\n0' > "$dir/unified" ;;
        address) printf '2001:db8::1\n64\n2001:db8::fe' > "$dir/ok"; printf 'fe80::1::2\n128\n::' > "$dir/bad"
                 printf '[fd00::5]/service' > "$dir/url" ;;
    esac
}

status=0
for target in results classify address; do
    seed "$target"
    mkdir -p "$build/artifacts/$target"
    echo "fuzz_$target: ${seconds}s"
    if ! "$build/fuzz_$target" -max_total_time="$seconds" -max_len=70000 -print_final_stats=0 \
            -artifact_prefix="$build/artifacts/$target/" "$build/corpus/$target" \
            > "$build/$target.log" 2>&1; then
        echo "fuzz_$target found a problem:"; tail -30 "$build/$target.log"; status=1
    else
        grep -E '^#[0-9]+.*DONE' "$build/$target.log" | tail -1 || true
    fi
done
exit $status
