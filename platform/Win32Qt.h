#pragma once

#include "platform/Win32Types.h"

class QWidget;

// Where the Win32 layer meets Qt: the toolkit, the engine module and tests
// give widgets handles and register window classes here.
namespace platform {

// Makes the widget of a new window, as a child of the parent (or a top-level
// window when the parent is null).
using WidgetFactory = QWidget* (*)(QWidget* parent);

// False when a class of that name (without regard to case) is registered.
bool registerWindowClass(const char* className, WNDPROC procedure, WidgetFactory createWidget);

// Windows made from the class stay; new ones can no longer be made.
bool unregisterWindowClass(const char* className);

// The widget's handle as a window, made at the first request; the chain of a
// window made so ends in DefWindowProcA. A widget that is gone takes its
// handle with it.
HWND windowOf(QWidget* widget);
// The widget's handle if it has one; no handle is made.
HWND findWindowOf(const QWidget* widget);
// Null for a handle that names no window.
QWidget* widgetOf(HWND window);

} // namespace platform
