#!/usr/bin/env bash
# The tree's right-click menu: pressed on the picture of a note that is not
# selected, its "删除选中" deletes that note and no other; pressed on empty
# space, "新建分类" and "添加笔记" open their dialog and window.
source "$(dirname "$0")/journey.sh"

note C a 'int a;'
note C b 'int b;'
note Java Main 'class Main {}'

# Opens the menu with a right click at a place of the tree; menu names it.
right_click_tree() {
    local before
    before=$(program_windows)
    x_client_origin "$main"
    xdotool mousemove $((client_left + $1)) $((client_top + $2))
    sleep 0.05
    xdotool click 3
    menu=$(wait_until 5 new_window_since "$before") || fail "a right click on the tree opened no menu"
}

start_program
select_in_tree C a

# Rows are 17 high from 46 of the client area: the categories before C are
# closed, C's notes follow it, and their pictures lie from 49 to 60.
row=$(($(categories_in_order | position_in C) + 1 + $(notes_in_order C | position_in b)))
right_click_tree 55 $((46 + 17 * row))
shot 1-menu-on-a-note
keys_to "$main" Down Down Down Return
expect_box 提示 您确定删除此笔记吗 y
[ ! -e "$store/C/b.txt" ] || fail "删除选中 left the right-clicked note b"
expect_note C a 'int a;'

right_click_tree 100 600
keys_to "$main" Down Return
dialog=$(window_named 添加新的分类) || fail "新建分类 from the menu opened no dialog"
paste_text 菜单分类
keys_to "$dialog" Return
wait_until 5 is_gone "$dialog" || fail "the dialog stayed open after OK"
[ -d "$store/菜单分类" ] || fail "新建分类 from the menu created no folder"

remember_store
right_click_tree 100 600
keys_to "$main" Down Down Return
adding=$(window_named 添加笔记) || fail "添加笔记 from the menu opened no window"
shot 2-add-note-from-the-menu
choose_category C
in_note_name
type_text never
in_note_content
type_text 'int never;'
keys_to "$adding" Escape
wait_until 5 is_gone "$adding" || fail "Esc left the add-note window open"
expect_store_unchanged "Esc in the add-note window"

shot 3-end
close_with_esc
echo "$journey: passed"
