#!/bin/sh
# The sample store goes beside the executable only where no store is.
set -eu
cmake=$1 script=$2 sample=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cmake" -DSOURCE="$sample" -DDESTINATION="$work/fresh/CodeData" -P "$script"
diff -r "$sample" "$work/fresh/CodeData"

mkdir -p "$work/used/CodeData/Mine"
printf 'my own note' > "$work/used/CodeData/Mine/note.txt"
"$cmake" -DSOURCE="$sample" -DDESTINATION="$work/used/CodeData" -P "$script"
[ "$(ls "$work/used/CodeData")" = "Mine" ]
[ "$(cat "$work/used/CodeData/Mine/note.txt")" = "my own note" ]
echo "sample store: copied where none was, left alone where one was"
