#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer in build-fuzz/ and runs
# each for a bounded time, from a scratch copy of its seeds and regressions,
# so that the corpus in the repository is never written. An input that breaks
# a target is copied into tests/fuzz/regressions/<target>/ and the run fails:
# mend the fault and commit the input, which the replay tests then run in
# every build. Called by test.sh.
# Usage: fuzz.sh [target...]; QUILLERY_FUZZ_SECONDS sets the time of each (45).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${QUILLERY_FUZZ_SECONDS:-45}
targets=("$@")
((${#targets[@]} > 0)) || targets=(note_name text_encoding name_checks editor_buffers)

cmake -S "$top/tests/fuzz/libfuzzer" -B "$top/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$top/build-fuzz" --parallel "$(nproc)"

suppressions="$top/tests/sanitizers"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$suppressions/lsan.supp:print_suppressions=0"

broken=()
for target in "${targets[@]}"; do
    work="$top/build-fuzz/runs/$target"
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/crashes"
    for kept in "$top/tests/fuzz/corpus/$target" "$top/tests/fuzz/regressions/$target"; do
        [ -d "$kept" ] && cp -R "$kept/." "$work/corpus/"
    done
    echo "Fuzzing $target for ${seconds}s"
    status=0
    (cd "$work" && QT_QPA_PLATFORM=offscreen "$top/build-fuzz/fuzz_$target" -max_total_time="$seconds" \
        -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 -artifact_prefix="$work/crashes/" corpus) \
        >"$work/log" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done)' "$work/log" || true
    if ((status != 0)); then
        tail -n 60 "$work/log"
        mkdir -p "$top/tests/fuzz/regressions/$target"
        cp "$work/crashes/"* "$top/tests/fuzz/regressions/$target/" 2>/dev/null || true
        broken+=("$target")
    fi
done

if ((${#broken[@]} > 0)); then
    echo "Fuzzing broke: ${broken[*]}; the inputs are in tests/fuzz/regressions/" >&2
    exit 1
fi
