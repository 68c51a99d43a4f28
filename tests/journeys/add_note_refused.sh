#!/usr/bin/env bash
# The add-note window refuses a save with no category chosen, a name with "/"
# and a character GBK cannot hold, says why each time and stays open with
# everything typed, which a save with a category and a good name then writes.
source "$(dirname "$0")/journey.sh"

category C
note Java Main 'class Main {}'

start_program
remember_store
open_add_note
in_note_name
paste_text 新笔记
in_note_content
paste_text '内容'
keys_to "$adding" Return
type_text 'int x;'
save_note
expect_box 信息： 请选择在哪个分类中添加笔记 Return 1-no-category
is_shown "$adding" || fail "the add-note window closed after a save with no category"
expect_store_unchanged "a save with no category chosen"

choose_category C
in_note_name
keys_to "$adding" ctrl+a
type_text 'a/b'
save_note
expect_box 信息： '笔记名称不能包含 / 或 \' Return 2-refused-name
is_shown "$adding" || fail "the add-note window closed after a refused name"
expect_store_unchanged "a refused note name"

in_note_name
keys_to "$adding" ctrl+a
paste_text 新笔记
in_note_content
keys_to "$adding" ctrl+End
paste_text 😀
save_note
expect_box 信息： 笔记中含有无法用GBK保存的字符，未保存 Return 3-not-gbk
is_shown "$adding" || fail "the add-note window closed after a character GBK cannot hold"
expect_store_unchanged "a character GBK cannot hold"

in_note_content
keys_to "$adding" ctrl+End BackSpace
shot 4-kept
save_note
wait_until 5 is_gone "$adding" || fail "the add-note window stayed open after a good save"
expect_note C 新笔记 $'内容\r\nint x;'

shot 5-end
close_with_esc
echo "$journey: passed"
