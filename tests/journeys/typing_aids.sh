#!/usr/bin/env bash
# The typing aids in the real window: "file." offers the completion list,
# whose Enter inserts "close", or its last entry, Chinese, chosen with the
# arrow keys; "(" shows the call tip, ")" closes it. The text typed is saved
# and read back from the note's file and the clipboard.
source "$(dirname "$0")/journey.sh"

note C 空白 ''

start_program
select_in_tree C 空白
into_editor
before=$(program_windows)
type_text file.
list=$(wait_until 5 new_window_since "$before") || fail "file. offered no completion list"
shot 1-completion-list
keys Return
wait_until 5 is_gone "$list" || fail "Enter left the completion list open"

before=$(program_windows)
type_text '('
tip=$(wait_until 5 new_window_since "$before") || fail "( showed no call tip"
shot 2-call-tip
type_text ')'
wait_until 5 is_gone "$tip" || fail ") left the call tip open"

keys Return
before=$(program_windows)
type_text file.
list=$(wait_until 5 new_window_since "$before") || fail "file. on a new line offered no completion list"
keys Down Down Down Down Return
wait_until 5 is_gone "$list" || fail "Enter left the completion list open"

toolbar 保存编辑内容
expect_box 信息： 修改成功
expect_note C 空白 $'file.close()\r\nfile.石桥听雪'
copy_note
expect_clipboard $'file.close()\r\nfile.石桥听雪'
shot 3-end
close_with_esc
echo "$journey: passed"
