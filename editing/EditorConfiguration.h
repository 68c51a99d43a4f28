#pragma once

#include "platform/Win32Types.h"

// Creates the program's one editor inside the host window and gives it the
// introduction text, its margins and markers, the font, the C/C++ colouring,
// the caret line, folding, its size and the typing aids. Runs once, at start.
void configureEditor(HWND editorHost);
