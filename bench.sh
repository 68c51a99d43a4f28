#!/usr/bin/env bash
# Builds the benchmarks in Release mode in build-release/ (installing what is
# missing), runs each from a scratch folder where it makes its stores, and
# prints the table of the figures against their floors, which
# bench/results.json keeps. BENCH_REPETITIONS sets the repetitions (7).
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/setup.sh" --packages-only
cmake -S "$top" -B "$top/build-release" -DCMAKE_BUILD_TYPE=Release >/dev/null
benchmarks=(bench_encoding bench_note bench_tree bench_startup)
cmake --build "$top/build-release" --parallel "$(nproc)" --target "${benchmarks[@]}"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quillery-bench.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
cp "$top/build-release/bin/bench/"* "$top/build-release/bin/libSciLexer.so" "$scratch/"
for benchmark in "${benchmarks[@]}"; do
    echo "Running $benchmark"
    if ! (cd "$scratch" && "./$benchmark" --benchmark_repetitions="${BENCH_REPETITIONS:-7}" \
        --benchmark_enable_random_interleaving=true --benchmark_out="$scratch/$benchmark.json" \
        --benchmark_out_format=json >"$scratch/$benchmark.txt" 2>&1); then
        cat "$scratch/$benchmark.txt" >&2
        exit 1
    fi
done
python3 "$top/bench/report.py" "$scratch" "$top/bench/results.json"
