#!/usr/bin/env bash
# New categories through the toolbar's dialog: OK creates the folder, Cancel
# creates nothing and still rebuilds the tree, an existing name changes
# nothing and says nothing, a refused name creates nothing and says why.
source "$(dirname "$0")/journey.sh"

note Java Main 'class Main {}'

start_program
open_new_category
paste_text 数据结构
shot 1-named
keys_to "$dialog" Return
wait_until 5 is_gone "$dialog" || fail "the dialog stayed open after OK"
[ -d "$store/数据结构" ] || fail "OK created no folder 数据结构"

# A note put there by another program shows once Cancel has rebuilt the tree:
# the tree names the new category exactly, since its note is read through it.
note 数据结构 栈 '栈：后进先出'
remember_store
open_new_category
type_text never
keys_to "$dialog" alt+c
wait_until 5 is_gone "$dialog" || fail "the dialog stayed open after Cancel"
expect_store_unchanged Cancel
select_in_tree 数据结构 栈
copy_note
expect_clipboard '栈：后进先出'

open_new_category
type_text Java
keys_to "$dialog" Return
wait_until 5 is_gone "$dialog" || fail "the dialog stayed open after OK"
expect_no_box 信息： "an existing name"
expect_store_unchanged "an existing name"

for refused in 'a/b' '..' 'x\y'; do
    open_new_category
    type_text "$refused"
    keys_to "$dialog" Return
    expect_box 信息： '分类名称不能包含 / 或 \，也不能是 . 或 ..' Return 2-refused
    expect_store_unchanged "the refused name $refused"
done

shot 3-end
close_with_esc
echo "$journey: passed"
