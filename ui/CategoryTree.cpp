#include "ui/CategoryTree.h"

#include "app/Globals.h"
#include "editor/CodeEditor.h"
#include "store/NoteName.h"
#include "store/TextEncoding.h"
#include "ui/Store.h"

using platform::NoTreeItem;
using platform::TreeItem;

namespace {

// The note last selected when the editor could not show all of it: a save
// would write what is shown over what is not.
std::optional<SelectedNote> NoteNotShownWhole;

bool isSameNote(const SelectedNote& a, const SelectedNote& b)
{
    return a.category == b.category && a.note == b.note;
}

// While a note is loaded, the engine reports its changes only when a handler
// of ours listens: QScintilla's own report converts the whole text to a
// QString, which doubles the time of a large note's load.
class LoadReportedOnlyToListeners {
public:
    LoadReportedOnlyToListeners()
        : m_quiet(EditorEventSlots[ModifiedEvent] == nullptr)
        , m_reported(m_quiet ? TheEditor->sendMessage(SCI_GETMODEVENTMASK) : 0)
    {
        if (m_quiet)
            TheEditor->sendMessage(SCI_SETMODEVENTMASK, 0, 0);
    }
    ~LoadReportedOnlyToListeners()
    {
        if (m_quiet)
            TheEditor->sendMessage(SCI_SETMODEVENTMASK, static_cast<WPARAM>(m_reported), 0);
    }
    LoadReportedOnlyToListeners(const LoadReportedOnlyToListeners&) = delete;
    LoadReportedOnlyToListeners& operator=(const LoadReportedOnlyToListeners&) = delete;

private:
    bool m_quiet;
    LRESULT m_reported;
};

// A note shown starts an undo history of its own: undoing must never bring
// back the text shown before, which a save would then write over this note.
// Nor does the engine keep copies of both texts for an undo that cannot come.
void showInEditor(const std::string& utf8Text)
{
    LoadReportedOnlyToListeners reports;
    TheEditor->setUndoCollection(false);
    TheEditor->setText(utf8Text);
    TheEditor->setUndoCollection(true);
    TheEditor->emptyUndoBuffer();
}

} // namespace

void refreshCategoryTree(platform::TreeView& tree)
{
    tree.clear();
    CategoryList.clear();
    NoteStore store = theStore();
    StoreListing categories = store.listCategories();
    while (!(FoundCategoryName = categories.next()).empty())
        CategoryList.push_back(FoundCategoryName);
    for (CategoryIndex = 1; CategoryIndex <= static_cast<std::int32_t>(CategoryList.size()); ++CategoryIndex) {
        const std::string& category = CategoryList[CategoryIndex - 1];
        CurrentCategoryItem = tree.addItem(NoTreeItem, category, CategoryPicture);
        StoreListing notes = store.listNotes(category);
        while (!(FoundNoteName = notes.next()).empty())
            tree.addItem(CurrentCategoryItem, noteNameOf(FoundNoteName), NotePicture);
    }
}

std::optional<SelectedNote> selectedNote(const platform::TreeView& tree)
{
    TreeItem item = tree.selectedItem();
    TreeItem parent = tree.parentOf(item);
    if (item == NoTreeItem || parent == NoTreeItem)
        return std::nullopt;
    return SelectedNote { tree.textOf(parent), tree.textOf(item) };
}

void onTreeSelectionChanged(platform::TreeView& tree)
{
    std::optional<SelectedNote> selected = selectedNote(tree);
    if (!selected)
        return;
    NoteContent content = theStore().readNote(selected->category, selected->note);
    NoteNotShownWhole = selected;
    if (!content.status.ok()) {
        showInEditor(std::string());
        platform::messageBox("无法读取该笔记：" + content.status.reason());
        return;
    }
    std::string_view shown = textOfBlock(content.bytes);
    ConvertedText text = toEditorText(shown);
    showInEditor(text.text);
    if (text.failed) {
        platform::messageBox("该笔记不是有效的GBK文本，无法显示");
        return;
    }
    if (shown.size() == content.bytes.size())
        NoteNotShownWhole.reset();
}

bool isShownWhole(const SelectedNote& note)
{
    return !NoteNotShownWhole || !isSameNote(*NoteNotShownWhole, note);
}
