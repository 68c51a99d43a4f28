#include "ui/Commands.h"

#include "app/Globals.h"
#include "editor/CodeEditor.h"
#include "store/NoteName.h"
#include "store/TextEncoding.h"
#include "ui/AddNoteWindow.h"
#include "ui/CategoryTree.h"
#include "ui/Store.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <string_view>

using platform::NoTreeItem;
using platform::TreeItem;

namespace {

// The editor's whole text where the engine holds it, without a copy: valid
// until the engine is next sent a message, and empty without an engine.
std::string_view editorText()
{
    auto length = static_cast<size_t>(std::max<LRESULT>(TheEditor->getTextLength(), 0));
    const auto* bytes = reinterpret_cast<const char*>(TheEditor->sendMessage(SCI_GETCHARACTERPOINTER));
    return bytes == nullptr ? std::string_view() : std::string_view(bytes, length);
}

bool askYesNo(std::string_view question)
{
    return platform::messageBox(question, MB_YESNO, "提示") == platform::AnswerYes;
}

// Removes the item; a removal that failed, other than for a file already
// gone, is said, and the tree shows again what is on disk.
void afterDelete(platform::TreeView& tree, TreeItem item, StoreStatus status)
{
    if (status.ok() || status.error() == ENOENT) {
        tree.deleteItem(item);
        return;
    }
    platform::messageBox("删除失败：" + status.reason());
    refreshCategoryTree(tree);
}

} // namespace

void newCategory(platform::TreeView& tree)
{
    std::string name;
    platform::inputBox("请输出新建分类名称", "添加新的分类", "", name);
    if (!name.empty()) {
        if (isAcceptableCategoryName(name))
            (void)theStore().createCategory(name);
        else
            platform::messageBox("分类名称不能包含 / 或 \\，也不能是 . 或 ..");
    }
    refreshCategoryTree(tree);
}

void openAddNoteWindow(platform::TreeView& tree)
{
    AddNoteWindow window(tree);
    window.open();
}

void deleteSelected(platform::TreeView& tree)
{
    TreeItem item = tree.selectedItem();
    if (item == NoTreeItem) {
        platform::messageBox("请先选中要删除的分类或笔记");
        return;
    }
    TreeItem parent = tree.parentOf(item);
    if (parent == NoTreeItem) {
        if (!askYesNo("您确定删除该分类吗,该操作也会将该分类内的所有笔记删除。"))
            return;
        afterDelete(tree, item, theStore().deleteCategory(tree.textOf(item)));
        return;
    }
    if (!askYesNo("您确定删除此笔记吗"))
        return;
    afterDelete(tree, item, theStore().deleteNote(tree.textOf(parent), tree.textOf(item)));
}

void saveEditedNote(const platform::TreeView& tree)
{
    std::optional<SelectedNote> target = selectedNote(tree);
    if (!target) {
        platform::messageBox("请先在左侧选中要保存的笔记");
        return;
    }
    // Without its window the editor gives no text, and the note would be emptied.
    if (TheEditor->windowHandle() == nullptr) {
        platform::messageBox("编辑器不可用，未保存");
        return;
    }
    if (!isShownWhole(*target)) {
        platform::messageBox("该笔记未能完整显示，保存会丢掉它原有的内容，未保存");
        return;
    }
    ConvertedText text = toStoreText(editorText());
    if (text.failed) {
        platform::messageBox("笔记中含有无法用GBK保存的字符，未保存");
        return;
    }
    StoreStatus written = theStore().writeNote(target->category, target->note, text.text);
    if (!written.ok()) {
        platform::messageBox("保存失败：" + written.reason());
        return;
    }
    platform::messageBox("修改成功", MB_OK | MB_ICONINFORMATION);
}

void copyEditedNote()
{
    ConvertedText text = toStoreText(editorText());
    if (text.failed) {
        platform::messageBox("笔记中含有无法用GBK保存的字符，未复制");
        return;
    }
    if (!platform::setClipboardText(text.text)) {
        platform::messageBox("复制失败：无法把文字放到剪贴板上");
        return;
    }
    platform::messageBox("复制成功", MB_OK | MB_ICONINFORMATION);
}

void onToolbarButtonClicked(platform::TreeView& tree, int index)
{
    if (index == 0)
        newCategory(tree);
    if (index == 1)
        openAddNoteWindow(tree);
    if (index == 2)
        deleteSelected(tree);
    if (index == 4)
        saveEditedNote(tree);
    if (index == 5)
        copyEditedNote();
}
