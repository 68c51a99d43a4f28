#!/usr/bin/env bash
# Builds Quillery (installing what is missing) and runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/setup.sh"
ctest --test-dir "$top/build" --output-on-failure
