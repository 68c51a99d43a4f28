#pragma once

#include "platform/Win32Types.h"

// The two procedures create installs: in place of the host window's own
// procedure, and as the keyboard hook. Both address TheEditor.

// Calls the handlers of the editor's notifications, answers the host's
// WM_PAINT without drawing, and passes everything else to the host's
// previous procedure.
LRESULT hostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Hands the Tab key to the editor whichever window has the focus, and
// reports every keystroke to the keyboard handlers; never swallows a key.
LRESULT keyboardHookProc(int code, WPARAM wParam, LPARAM lParam);
