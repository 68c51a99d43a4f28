# Sourced by every journey: the real program, copied into a fresh folder
# beside a fresh store, in an X server of its own under openbox, driven with
# xdotool as a person would, and read back from the disk, the clipboard, the
# boxes it shows and its exit status. Screenshots stay in the artefact folder.
# A journey runs as: <journey>.sh <Quillery executable> <engine module> <artefact folder>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/x-session.sh"

journey=$(basename "$0" .sh)
artefacts=$3
rm -rf "$artefacts"
mkdir -p "$artefacts"
work=$(mktemp -d)
x_cleanup_dirs+=("$work")
cp "$1" "$2" "$work/"
store=$work/CodeData
mkdir "$store"
main_title='Quillery1.0  By Tamberlo'

# Runs the command until it succeeds, at most for the given seconds.
wait_until() {
    local tries=$(($1 * 10))
    shift
    while ((tries-- > 0)); do
        "$@" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# The whole screen, with every box, list and tip on it.
shot() {
    import -window root "$artefacts/$1.png"
}

fail() {
    echo "$journey: $*" >&2
    { [ -n "${DISPLAY:-}" ] && import -window root "$artefacts/failure.png"; } 2>/dev/null || true
    if [ -s "$artefacts/program.log" ]; then
        echo "--- what the program said:" >&2
        cat "$artefacts/program.log" >&2
    fi
    exit 1
}

# --- The store, from a few lines ---------------------------------------------

category() {
    mkdir -p "$store/$1"
}

# A note holding what iconv makes of the given UTF-8 text in GBK.
note() {
    category "$1"
    gbk_of "$3" >"$store/$1/$2.txt"
}

gbk_of() {
    printf '%s' "$1" | iconv -f UTF-8 -t GBK
}

# The note file holds exactly the GBK bytes of the given UTF-8 text.
expect_note() {
    local file=$store/$1/$2.txt
    [ -f "$file" ] || fail "there is no note file $1/$2.txt"
    gbk_of "$3" >"$work/expected"
    cmp -s "$work/expected" "$file" \
        || fail "$1/$2.txt holds$(od -An -c "$file" | head -4), not$(od -An -c "$work/expected" | head -4)"
}

# Every name under the store, with the bytes of every file.
store_state() {
    (cd "$store" && find . -printf '%y %m %p\n' | sort && find . -type f -exec md5sum {} + | sort)
}

remember_store() {
    store_state >"$work/remembered"
}

expect_store_unchanged() {
    store_state >"$work/now"
    diff "$work/remembered" "$work/now" >&2 || fail "$1 changed the store"
}

# --- The X server and the program --------------------------------------------

# Xvfb takes a display that no other server holds, so that journeys run in
# parallel never meet; openbox manages it as on a desktop.
start_x_session() {
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    x_pids+=($!)
    wait_until 10 grep -qx '[0-9][0-9]*' "$work/display" || fail "the X server did not start"
    export DISPLAY=":$(cat "$work/display")"
    openbox --sm-disable >/dev/null 2>&1 &
    x_pids+=($!)
    wait_until 10 window_manager_runs || fail "openbox did not start"
}

window_manager_runs() {
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

# Starts the program; program_pid and main name it and its main window.
start_program() {
    start_x_session
    QT_QPA_PLATFORM=xcb "$work/Quillery" 2>"$artefacts/program.log" &
    program_pid=$!
    x_pids+=("$program_pid")
    main=$(window_named "$main_title") || fail "the main window did not open"
    activate "$main"
}

# The first shown window whose title is exactly the given one, waited for
# until the window manager has placed it.
window_named() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        if [ -n "$id" ]; then
            wait_until 5 is_settled "$id" || return 1
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

is_shown() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'
}

is_gone() {
    ! is_shown "$1"
}

is_active() {
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]
}

# Its place unchanged over a tenth of a second: the window manager is done with it.
is_settled() {
    local before
    before=$(xwininfo -id "$1" | grep Absolute)
    sleep 0.1
    [ "$before" = "$(xwininfo -id "$1" | grep Absolute)" ]
}

activate() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
    wait_until 5 is_active "$1" || fail "window $1 did not take the focus"
}

# The program's windows on the screen, lists and tips among them, one a line.
program_windows() {
    xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | sort || true
}

# A window of the program on the screen now that was not among the given ones.
new_window_since() {
    local window
    window=$(comm -13 <(printf '%s\n' "$1") <(program_windows) | head -1)
    [ -n "$window" ] && echo "$window"
}

# --- Mouse and keys ----------------------------------------------------------

# Moves, lets the pointer rest, then clicks, as a hand does.
click_screen() {
    xdotool mousemove "$1" "$2"
    sleep 0.05
    xdotool click --repeat "${3:-1}" --delay 80 1
    sleep 0.1
}

# Clicks at a place of a window's client area, wherever the window lies now.
click_in() {
    x_client_origin "$1"
    click_screen $((client_left + $2)) $((client_top + $3)) "${4:-1}"
}

keys_to() {
    local window=$1
    shift
    activate "$window"
    xdotool key --delay 40 "$@"
}

keys() {
    keys_to "$main" "$@"
}

# ASCII, typed key by key.
type_text() {
    xdotool type --delay 40 "$1"
}

# Chinese is pasted, not typed: xdotool types a character outside the keymap
# by remapping a spare key for it, and Qt here often read the key before or
# after its remapping, so characters went missing or came twice.
paste_text() {
    put_on_clipboard "$1"
    xdotool key ctrl+v
    sleep 0.2
}

put_on_clipboard() {
    printf '%s' "$1" | xclip -selection clipboard -i >/dev/null 2>&1
    printf '%s' "$1" >"$work/pasting"
    wait_until 5 clipboard_holds "$work/pasting" || fail "the clipboard did not take '$1'"
}

clipboard_holds() {
    clipboard_to "$work/held"
    cmp -s "$1" "$work/held"
}

clipboard_to() {
    timeout 5 xclip -o -selection clipboard >"$1" 2>/dev/null || : >"$1"
}

# The clipboard holds exactly the given UTF-8 text.
expect_clipboard() {
    printf '%s' "$1" >"$work/expected"
    clipboard_to "$work/copied"
    cmp -s "$work/expected" "$work/copied" \
        || fail "the clipboard holds$(od -An -c "$work/copied" | head -4), not$(od -An -c "$work/expected" | head -4)"
}

# --- The main window ---------------------------------------------------------

# The toolbar's buttons, named by their tooltips, 23 wide from 4, 4 of the
# client area, with a separator 8 wide after the third.
toolbar() {
    local index
    case $1 in
    新建分类) index=0 ;;
    添加笔记) index=1 ;;
    删除选中笔记) index=2 ;;
    保存编辑内容) index=4 ;;
    复制笔记) index=5 ;;
    *) fail "no toolbar button $1" ;;
    esac
    local x=$((4 + 23 * index + 11))
    ((index > 3)) && x=$((x - 23 + 8))
    activate "$main"
    click_in "$main" "$x" 15
}

# A click in the editor below its text, and the caret to the end.
into_editor() {
    activate "$main"
    click_in "$main" 700 500
    xdotool key ctrl+End
}

# The tree lists the categories and their notes in the order the directory
# gives them, as ls -U does.
categories_in_order() {
    local name
    while IFS= read -r name; do
        [[ $name == .* ]] && continue
        [ -d "$store/$name" ] && printf '%s\n' "$name"
    done < <(ls -U -A "$store")
}

notes_in_order() {
    local name
    while IFS= read -r name; do
        [ -d "$store/$1/$name" ] && continue
        [[ ${name,,} == *.txt ]] && printf '%s\n' "${name:0:-4}"
    done < <(ls -U -A "$store/$1")
}

# The place of a name among the lines given, counted from 0.
position_in() {
    local wanted=$1 index=0 name found=
    while IFS= read -r name; do
        [ -z "$found" ] && [ "$name" = "$wanted" ] && found=$index
        index=$((index + 1))
    done
    [ -n "$found" ] && echo "$found"
}

# Selects a category, or a note of it, with the keys from the first item:
# every category on the way is closed, the one wanted opened. Only the notes
# before the one wanted in its category are selected on the way.
select_in_tree() {
    local category_index note_index sequence=(Home)
    category_index=$(categories_in_order | position_in "$1") || fail "no category $1 in the store"
    for _ in $(seq "$category_index"); do sequence+=(Left Down); done
    if [ $# -gt 1 ]; then
        note_index=$(notes_in_order "$1" | position_in "$2") || fail "no note $1/$2 in the store"
        sequence+=(Left Right)
        for _ in $(seq $((note_index + 1))); do sequence+=(Down); done
    fi
    activate "$main"
    # Empty space in the tree gives it the focus and selects nothing.
    click_in "$main" 100 600
    keys "${sequence[@]}"
    sleep 0.2
}

# Copies the editor's text with the toolbar and answers the box.
copy_note() {
    put_on_clipboard '(not copied)'
    toolbar 复制笔记
    expect_box 信息： 复制成功
}

# --- Boxes -------------------------------------------------------------------

# A box's text, selected by a triple click on it as a person would, and read
# from the selection that this makes (Qt copies a box with Ctrl+C only on
# Windows). Its text begins 32 from the left, or 62 beside an icon, 18 down:
# 70 lies on it either way.
box_text() {
    printf '(nothing selected)' | xclip -selection primary -i >/dev/null 2>&1
    click_in "$1" 70 18 3
    timeout 5 xclip -o -selection primary 2>/dev/null || true
}

# Waits for the box of the given title, reads its text and answers it with
# the given key (Return, the first button, when none is given); a picture is
# taken of it when a name for one is given.
expect_box() {
    local title=$1 text=$2 answer=${3:-Return} picture=${4:-} box said
    box=$(window_named "$title") || fail "no box '$title' came to say '$text'"
    activate "$box"
    said=$(box_text "$box") || said=
    [ "$said" = "$text" ] || fail "the box '$title' says '$said', not '$text'"
    [ -z "$picture" ] || shot "$picture"
    keys_to "$box" "$answer"
    wait_until 5 is_gone "$box" || fail "the box '$title' did not close on $answer"
}

# No box of the given title comes within a second.
expect_no_box() {
    sleep 1
    [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ] || fail "$2 showed a box '$1'"
}

# --- The add-note window and the input dialog --------------------------------

open_add_note() {
    toolbar 添加笔记
    adding=$(window_named 添加笔记) || fail "the add-note window did not open"
    activate "$adding"
}

# Chooses a category from the drop-down list, as the store lists them.
choose_category() {
    local index before list sequence=(Home)
    index=$(categories_in_order | position_in "$1") || fail "no category $1 in the store"
    for _ in $(seq "$index"); do sequence+=(Down); done
    before=$(program_windows)
    click_in "$adding" 236 16
    list=$(wait_until 5 new_window_since "$before") || fail "the list of categories did not drop down"
    keys_to "$adding" "${sequence[@]}" Return
    wait_until 5 is_gone "$list" || fail "the list of categories stayed open"
}

in_note_name() {
    click_in "$adding" 236 41
}

in_note_content() {
    click_in "$adding" 300 200
}

save_note() {
    click_in "$adding" 351 41
}

# Opens the new-category dialog; dialog names it.
open_new_category() {
    toolbar 新建分类
    dialog=$(window_named 添加新的分类) || fail "the new-category dialog did not open"
    activate "$dialog"
}

# --- The end -----------------------------------------------------------------

# Esc closes the program, which ends with status 0.
close_with_esc() {
    keys Escape
    timeout 10 tail --pid="$program_pid" -f /dev/null || fail "Esc did not end the program"
    local status=0
    wait "$program_pid" || status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
