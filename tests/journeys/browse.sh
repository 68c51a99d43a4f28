#!/usr/bin/env bash
# A walk down the whole tree with the arrow keys: every note on the way shows
# its text, which the toolbar's copy puts on the clipboard exactly; every
# category on the way leaves the editor as it was.
source "$(dirname "$0")/journey.sh"

declare -A text=(
    [C/hello]=$'int main()\r\n{\r\n    return 0; // 你好\r\n}'
    [C/指针]=$'int *p = &x; /* 指针 */'
    [C/empty]=
    [数据结构/链表]=$'struct 链表 {\r\n\tint 值;\r\n\tstruct 链表 *next;\r\n};'
    [Java/Main]=$'class Main {}'
)
for path in "${!text[@]}"; do note "${path%%/*}" "${path#*/}" "${text[$path]}"; done
category 空分类

start_program
shot 1-started
mapfile -t categories < <(categories_in_order)

# From the first category down: each is opened, its notes walked, and the
# next category is one more step down.
select_in_tree "${categories[0]}"
shown=
for category in "${categories[@]}"; do
    if [ "$category" != "${categories[0]}" ]; then
        keys Down
        if [ -n "$shown" ]; then
            copy_note
            expect_clipboard "${text[$shown]}"
        fi
    fi
    keys Right
    mapfile -t notes < <(notes_in_order "$category")
    for name in "${notes[@]}"; do
        keys Down
        copy_note
        expect_clipboard "${text[$category/$name]}"
        shown=$category/$name
    done
done
shot 2-walked

close_with_esc
echo "$journey: passed"
