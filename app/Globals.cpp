#include "app/Globals.h"

#include "editor/CodeEditor.h"

std::unique_ptr<CodeEditor> TheEditor;
std::vector<std::string> CategoryList;
std::string FoundCategoryName;
std::string FoundNoteName;
std::int32_t CategoryIndex = 0;
std::int32_t CurrentCategoryItem = 0;
WNDPROC SavedHostWndProc = nullptr;
std::array<EditorEventHandler, 26> EditorEventSlots{};

namespace {

template <typename Owned>
void release(Owned& value)
{
    Owned().swap(value);
}

}  // namespace

void initializeGlobals()
{
    TheEditor = std::make_unique<CodeEditor>();
    CategoryList.clear();
}

void destroyGlobals()
{
    TheEditor.reset();
    release(CategoryList);
    release(FoundCategoryName);
    release(FoundNoteName);
}
