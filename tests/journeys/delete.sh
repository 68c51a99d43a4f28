#!/usr/bin/env bash
# Deleting with the toolbar: with nothing selected it says so; a note and a
# category are each asked about, kept after No and gone after Yes, the
# category with every note in it; the tree then still leads to what is left.
source "$(dirname "$0")/journey.sh"

note C hello 'int main() {}'
note C 指针 'int *p;'
note 旧分类 a 'a'
note 旧分类 b 'b'

start_program
remember_store
toolbar 删除选中笔记
expect_box 信息： 请先选中要删除的分类或笔记 Return 1-nothing-selected
expect_store_unchanged "a delete with nothing selected"

select_in_tree C 指针
toolbar 删除选中笔记
expect_box 提示 您确定删除此笔记吗 n 2-note-question
expect_store_unchanged "No to deleting a note"
toolbar 删除选中笔记
expect_box 提示 您确定删除此笔记吗 y
[ ! -e "$store/C/指针.txt" ] || fail "Yes left the note 指针"
expect_note C hello 'int main() {}'

select_in_tree 旧分类
remember_store
toolbar 删除选中笔记
expect_box 提示 '您确定删除该分类吗,该操作也会将该分类内的所有笔记删除。' n 3-category-question
expect_store_unchanged "No to deleting a category"
toolbar 删除选中笔记
expect_box 提示 '您确定删除该分类吗,该操作也会将该分类内的所有笔记删除。' y
[ ! -e "$store/旧分类" ] || fail "Yes left the category 旧分类: $(ls -A "$store/旧分类")"
[ "$(find "$store" -type f)" = "$store/C/hello.txt" ] || fail "the store holds $(find "$store" -type f)"

select_in_tree C hello
copy_note
expect_clipboard 'int main() {}'
shot 4-end
close_with_esc
echo "$journey: passed"
