#include "editor/CodeEditor.h"

#include "app/Globals.h"
#include "editor/EditorEvents.h"

static_assert(EditorEventCount == std::tuple_size_v<decltype(EditorEventSlots)>);

CodeEditor::CodeEditor()
{
    EditorEventSlots[CharAddedEvent] = nullptr;
}

CodeEditor::~CodeEditor() = default;

std::unique_ptr<CodeEditor> CodeEditor::copy() const
{
    return std::unique_ptr<CodeEditor>(new CodeEditor(*this));
}
