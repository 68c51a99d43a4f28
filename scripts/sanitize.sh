#!/usr/bin/env bash
# Builds the whole suite with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitize/ and runs every CTest test there: the first report ends
# the test that made it. Called by test.sh after the normal build's tests.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
suppressions="$top/tests/sanitizers"

cmake -S "$top" -B "$top/build-sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLERY_SANITIZE=ON
cmake --build "$top/build-sanitize" --parallel "$(nproc)"

export ASAN_OPTIONS="halt_on_error=1:abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$suppressions/lsan.supp:print_suppressions=0"
ctest --test-dir "$top/build-sanitize" --output-on-failure
