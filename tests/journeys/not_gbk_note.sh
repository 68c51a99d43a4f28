#!/usr/bin/env bash
# A note whose bytes are not GBK, selected after a note with text: it says so,
# shows an empty editor, whose copy is empty, and its file keeps its bytes,
# also when a save is tried with the editor empty and with text typed.
source "$(dirname "$0")/journey.sh"

note 好 hello 'int main() {}'
category 坏
printf 'int \xff\xfe;\r\n' >"$store/坏/乱码.txt"

start_program
remember_store
select_in_tree 好 hello
copy_note
expect_clipboard 'int main() {}'

select_in_tree 坏 乱码
expect_box 信息： 该笔记不是有效的GBK文本，无法显示 Return 1-not-gbk
copy_note
expect_clipboard ''
expect_store_unchanged "selecting a note that is not GBK"

toolbar 保存编辑内容
expect_box 信息： 该笔记未能完整显示，保存会丢掉它原有的内容，未保存 Return 2-save-refused
into_editor
type_text 'int x;'
toolbar 保存编辑内容
expect_box 信息： 该笔记未能完整显示，保存会丢掉它原有的内容，未保存 Return
expect_store_unchanged "saves into a note that was not shown"

shot 3-end
close_with_esc
echo "$journey: passed"
