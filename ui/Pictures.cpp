#include "ui/Pictures.h"

#include "resources/pictures/program_icon.xpm"
#include "resources/pictures/toolbar_00_add_note.xpm"
#include "resources/pictures/toolbar_01_new_category.xpm"
#include "resources/pictures/toolbar_02_save.xpm"
#include "resources/pictures/toolbar_03_open.xpm"
#include "resources/pictures/toolbar_04_cut.xpm"
#include "resources/pictures/toolbar_05_paste.xpm"
#include "resources/pictures/toolbar_06_copy.xpm"
#include "resources/pictures/toolbar_07_find.xpm"
#include "resources/pictures/toolbar_08_delete.xpm"
#include "resources/pictures/toolbar_09_undo.xpm"
#include "resources/pictures/toolbar_10_redo.xpm"
#include "resources/pictures/toolbar_11_print.xpm"
#include "resources/pictures/toolbar_12_page.xpm"
#include "resources/pictures/toolbar_13_move_up.xpm"
#include "resources/pictures/toolbar_14_move_down.xpm"
#include "resources/pictures/toolbar_15_rename.xpm"
#include "resources/pictures/toolbar_16_information.xpm"
#include "resources/pictures/toolbar_17_help.xpm"
#include "resources/pictures/toolbar_18_list.xpm"
#include "resources/pictures/toolbar_19_favourite.xpm"
#include "resources/pictures/toolbar_20_lock.xpm"
#include "resources/pictures/toolbar_21_home.xpm"
#include "resources/pictures/toolbar_22_history.xpm"
#include "resources/pictures/toolbar_23_done.xpm"
#include "resources/pictures/toolbar_24_mail.xpm"
#include "resources/pictures/toolbar_25_bookmark.xpm"
#include "resources/pictures/tree_category.xpm"
#include "resources/pictures/tree_note.xpm"

platform::ImageList toolbarPictures()
{
    return { 16, 16,
        { toolbar_00_add_note_xpm, toolbar_01_new_category_xpm, toolbar_02_save_xpm, toolbar_03_open_xpm,
            toolbar_04_cut_xpm, toolbar_05_paste_xpm, toolbar_06_copy_xpm, toolbar_07_find_xpm, toolbar_08_delete_xpm,
            toolbar_09_undo_xpm, toolbar_10_redo_xpm, toolbar_11_print_xpm, toolbar_12_page_xpm, toolbar_13_move_up_xpm,
            toolbar_14_move_down_xpm, toolbar_15_rename_xpm, toolbar_16_information_xpm, toolbar_17_help_xpm,
            toolbar_18_list_xpm, toolbar_19_favourite_xpm, toolbar_20_lock_xpm, toolbar_21_home_xpm,
            toolbar_22_history_xpm, toolbar_23_done_xpm, toolbar_24_mail_xpm, toolbar_25_bookmark_xpm } };
}

platform::ImageList treePictures()
{
    return { 16, 15, { tree_note_xpm, tree_category_xpm } };
}

const char* const* programIcon()
{
    return program_icon_xpm;
}
