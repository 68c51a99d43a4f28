#pragma once

#include "platform/Win32Qt.h"
#include "platform/Win32Types.h"

// What a loadable module of ours is handed when LoadLibraryA first loads it:
// the services of the program's own Win32 layer, so that a module registers
// its classes with the same registry the program creates its windows from.
namespace platform {

struct ModuleServices {
    bool (*registerWindowClass)(const char* className, WNDPROC procedure, WidgetFactory createWidget);
    HWND (*findWindowOf)(const QWidget* widget);
    QWidget* (*widgetOf)(HWND window);
    HWND (*getParent)(HWND window);
    int (*getDlgCtrlID)(HWND window);
    LRESULT (*sendMessage)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT (*defWindowProc)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// The entry a module exports under ModuleAttachName; its answer is ignored.
using ModuleAttach = int (*)(const ModuleServices* services);
inline constexpr char ModuleAttachName[] = "QuilleryModuleAttach";

} // namespace platform
