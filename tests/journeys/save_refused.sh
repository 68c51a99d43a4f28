#!/usr/bin/env bash
# Saves that cannot be made say why and write nothing: with nothing selected,
# with a category selected, of a character GBK cannot hold (which is not
# copied either), and into a read-only note, which keeps its bytes.
source "$(dirname "$0")/journey.sh"

note C hello 'int main() {}'
note C 只读 '// 只读的笔记'
chmod 444 "$store/C/只读.txt"

start_program
remember_store
toolbar 保存编辑内容
expect_box 信息： 请先在左侧选中要保存的笔记 Return 1-nothing-selected
expect_store_unchanged "a save with nothing selected"

select_in_tree C
toolbar 保存编辑内容
expect_box 信息： 请先在左侧选中要保存的笔记 Return 2-category-selected
expect_store_unchanged "a save with a category selected"

select_in_tree C hello
into_editor
paste_text ' // 😀'
toolbar 保存编辑内容
expect_box 信息： 笔记中含有无法用GBK保存的字符，未保存 Return 3-not-gbk
expect_store_unchanged "a save of a character GBK cannot hold"
put_on_clipboard '(not copied)'
toolbar 复制笔记
expect_box 信息： 笔记中含有无法用GBK保存的字符，未复制
expect_clipboard '(not copied)'

select_in_tree C 只读
into_editor
type_text ' changed'
toolbar 保存编辑内容
expect_box 信息： 保存失败：没有访问权限，或文件是只读的 Return 4-read-only
expect_store_unchanged "a save into a read-only note"
expect_note C 只读 '// 只读的笔记'

shot 5-end
close_with_esc
echo "$journey: passed"
