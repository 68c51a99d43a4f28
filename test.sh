#!/usr/bin/env bash
# Builds Quillery (installing what is missing) and runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/setup.sh"
ctest --test-dir "$top/build" --output-on-failure

# The suite again under AddressSanitizer and UndefinedBehaviorSanitizer, then
# each fuzz target for a bounded time.
for stage in sanitize fuzz; do
    started=$SECONDS
    "$top/scripts/$stage.sh"
    echo "The $stage stage took $((SECONDS - started)) s"
done
