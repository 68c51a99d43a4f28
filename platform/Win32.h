#pragma once

#include "platform/Win32Types.h"

// The few Win32 services the editor component calls, over Qt: a window is a
// widget with a handle and a chain of window procedures, a class names a
// procedure and a way to make the widget, and the keyboard hook watches the
// key events of the GUI thread. Only what the program uses is here.

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_COMMAND = 0x0111;

constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_HSCROLL = 0x00100000;
constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_CHILD = 0x40000000;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

constexpr int GWL_WNDPROC = -4;

constexpr int WH_KEYBOARD = 2;

// Virtual-key codes; letters and digits are their upper-case ASCII codes.
constexpr WPARAM VK_BACK = 0x08;
constexpr WPARAM VK_TAB = 0x09;
constexpr WPARAM VK_RETURN = 0x0D;
constexpr WPARAM VK_SHIFT = 0x10;
constexpr WPARAM VK_CONTROL = 0x11;
constexpr WPARAM VK_MENU = 0x12;
constexpr WPARAM VK_ESCAPE = 0x1B;
constexpr WPARAM VK_SPACE = 0x20;
constexpr WPARAM VK_PRIOR = 0x21;
constexpr WPARAM VK_NEXT = 0x22;
constexpr WPARAM VK_END = 0x23;
constexpr WPARAM VK_HOME = 0x24;
constexpr WPARAM VK_LEFT = 0x25;
constexpr WPARAM VK_UP = 0x26;
constexpr WPARAM VK_RIGHT = 0x27;
constexpr WPARAM VK_DOWN = 0x28;
constexpr WPARAM VK_INSERT = 0x2D;
constexpr WPARAM VK_DELETE = 0x2E;
constexpr WPARAM VK_F1 = 0x70;

// The keystroke flags in a keyboard hook's or a key message's lParam: the
// repeat count in the low 16 bits, the scan code in bits 16 to 23.
constexpr LPARAM KeyFlagAltDown = 0x20000000;
constexpr LPARAM KeyFlagWasDown = 0x40000000;
constexpr LPARAM KeyFlagReleased = 0x80000000;

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};

// The header every WM_NOTIFY record begins with.
struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};

// Sends the message to the window's current procedure and gives back its
// answer; 0 for a window that does not exist.
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Only GWL_WNDPROC: puts the procedure at the head of the window's chain and
// gives back the one it replaces.
LONG_PTR SetWindowLongA(HWND window, int index, LONG_PTR newValue);
LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The end of every chain: a window's own painting for WM_PAINT, 0 otherwise.
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A window of a registered class; 0 when the class is unknown or the parent
// does not exist. The menu of a child window is its control identifier.
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y, int width,
    int height, HWND parent, HMENU menu, HINSTANCE instance, void* parameter);
BOOL ShowWindow(HWND window, int command);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL GetClientRect(HWND window, RECT* rect);
HWND GetParent(HWND window);
int GetDlgCtrlID(HWND window);

// Outside a paint of the window, nothing is drawn either way: the window's
// next paint draws what is due.
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);

// "Name.dll" is the shared library "libName.so", looked for in the program's
// folder first and then along the usual search. A module of ours is attached
// once, when it is first loaded.
HMODULE LoadLibraryA(const char* fileName);
// The null name is the program itself.
HMODULE GetModuleHandleA(const char* moduleName);
// The exported entry of that name; null when the module has none.
FARPROC GetProcAddress(HMODULE module, const char* procedureName);
// Gives back one load of the module; its last unloads it.
BOOL FreeLibrary(HMODULE module);

// Only WH_KEYBOARD, for the GUI thread: every key press and release of the
// program goes to the newest hook (older ones would be reached through a next
// hook call, which nothing here makes); a non-zero answer swallows the key.
HHOOK SetWindowsHookExA(int hookType, HOOKPROC procedure, HINSTANCE module, DWORD threadId);
