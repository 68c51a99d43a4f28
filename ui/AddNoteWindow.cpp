#include "ui/AddNoteWindow.h"

#include "app/Globals.h"
#include "store/NoteName.h"
#include "ui/CategoryTree.h"
#include "ui/Pictures.h"
#include "ui/Store.h"

AddNoteWindow::AddNoteWindow(platform::TreeView& categoryTree)
    : m_categoryTree(categoryTree)
    , m_window("AddNoteWindow", "添加笔记", 658, 419)
    , m_categoryPromptLabel(m_window, "CategoryPromptLabel", { 8, 7, 168, 16 }, "请选择在哪个分类中添加笔记：")
    , m_categoryCombo(m_window, "CategoryCombo", { 176, 6, 120, 20 }, 160)
    , m_noteNameLabel(m_window, "NoteNameLabel", { 115, 32, 64, 16 }, "笔记名称：")
    , m_noteNameEdit(m_window, "NoteNameEdit", { 176, 31, 120, 20 }, platform::EditKind::SingleLine)
    , m_saveNoteButton(m_window, "SaveNoteButton", { 319, 29, 64, 24 }, "保存")
    , m_noteContentEdit(m_window, "NoteContentEdit", { 8, 56, 632, 328 }, platform::EditKind::MultiLine)
{
    m_window.setIcon(programIcon());
    m_window.onCreated([this] { onAddNoteWindowCreated(); });
    m_saveNoteButton.onClicked([this] { onSaveNoteClicked(); });
}

void AddNoteWindow::open()
{
    m_window.openModal();
}

void AddNoteWindow::onAddNoteWindowCreated()
{
    StoreListing categories = theStore().listCategories();
    while (!(FoundCategoryName = categories.next()).empty())
        m_categoryCombo.addEntry(FoundCategoryName);
    m_categoryCombo.setCurrentEntry(-1);
}

std::string AddNoteWindow::refusal(
    const std::optional<std::string>& name, const std::optional<std::string>& content) const
{
    if (m_categoryCombo.text().empty())
        return "请选择在哪个分类中添加笔记";
    if (!name)
        return "笔记名称中含有无法用GBK保存的字符，未保存";
    if (!isAcceptableNoteName(*name))
        return "笔记名称不能包含 / 或 \\";
    if (!content)
        return "笔记中含有无法用GBK保存的字符，未保存";
    return std::string();
}

// Everything typed stays in the window until the note is written.
void AddNoteWindow::onSaveNoteClicked()
{
    std::optional<std::string> name = m_noteNameEdit.text();
    std::optional<std::string> content = m_noteContentEdit.text();
    if (std::string why = refusal(name, content); !why.empty()) {
        platform::messageBox(why);
        return;
    }
    StoreStatus written = theStore().writeNote(m_categoryCombo.text(), *name, *content);
    if (!written.ok()) {
        platform::messageBox("保存失败：" + written.reason());
        return;
    }
    m_window.close();
    refreshCategoryTree(m_categoryTree);
}
