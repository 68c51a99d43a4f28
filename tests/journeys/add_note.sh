#!/usr/bin/env bash
# A note added through the add-note window, in a category chosen from its
# list, with a Chinese name and text on several lines: its file holds the
# text's GBK bytes with CR LF between the lines, the window closes, and the
# tree shows the new note, whose text the copy command then gives.
source "$(dirname "$0")/journey.sh"

category 算法
category 排序
category 空

start_program
# The last category listed, so that the choice goes down the list.
chosen=$(categories_in_order | tail -1)
open_add_note
shot 1-opened
choose_category "$chosen"
in_note_name
paste_text 冒泡排序
in_note_content
paste_text '// 冒泡排序'
keys_to "$adding" Return
type_text 'int a[3] = {3, 1, 2};'
keys_to "$adding" Return
paste_text '/* 从小到大 */'
shot 2-filled
save_note
wait_until 5 is_gone "$adding" || fail "the add-note window stayed open after the save"

text=$'// 冒泡排序\r\nint a[3] = {3, 1, 2};\r\n/* 从小到大 */'
expect_note "$chosen" 冒泡排序 "$text"
[ "$(find "$store" -type f)" = "$store/$chosen/冒泡排序.txt" ] || fail "the store holds $(find "$store" -type f)"

select_in_tree "$chosen" 冒泡排序
copy_note
expect_clipboard "$text"
shot 3-shown

close_with_esc
echo "$journey: passed"
