#!/usr/bin/env bash
# A note edited in the editor and saved with the toolbar: after "修改成功"
# its file holds exactly the GBK bytes of the editor's text. An edit left
# unsaved when Esc closes the window changes nothing, and the program ends
# with status 0.
source "$(dirname "$0")/journey.sh"

before=$'int main()\r\n{\r\n    return 0; // 你好\r\n}'
note C hello "$before"
note C other 'int other;'

start_program
select_in_tree C hello
into_editor
keys Return
type_text 'int y = 2;'
paste_text ' // 修改后'
shot 1-edited
toolbar 保存编辑内容
expect_box 信息： 修改成功 Return 2-saved
saved="$before"$'\r\nint y = 2; // 修改后'
expect_note C hello "$saved"
expect_note C other 'int other;'

into_editor
type_text ' lost'
paste_text '未保存'
shot 3-unsaved
close_with_esc
expect_note C hello "$saved"
echo "$journey: passed"
