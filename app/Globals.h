#pragma once

#include "platform/Win32Types.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CodeEditor;

// A registered editor handler of any event; each event's routing calls it
// with the signature it was registered with.
using EditorEventHandler = void (*)();

// Every global of the program; all are touched on the GUI thread only.
extern std::unique_ptr<CodeEditor> TheEditor;
extern std::vector<std::string> CategoryList;
extern std::string FoundCategoryName;
extern std::string FoundNoteName;
extern std::int32_t CategoryIndex;
extern std::int32_t CurrentCategoryItem;
extern WNDPROC SavedHostWndProc;
extern std::array<EditorEventHandler, 26> EditorEventSlots;

void initializeGlobals();
// Releases what the globals own, at the normal end; a second run finds
// nothing left to release.
void destroyGlobals();
