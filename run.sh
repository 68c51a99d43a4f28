#!/usr/bin/env bash
# Builds Quillery (installing what is missing) and starts it, with a sample
# store beside it on the first run.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/setup.sh"
exec "$top/build/bin/Quillery"
