#pragma once

#include <cstdint>

// The Win32 names the editor component is written against, declared here for
// our own window layer. Message parameters and results, and every address,
// are pointer-sized.
struct HWND__;
using HWND = HWND__*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
struct HHOOK__;
using HHOOK = HHOOK__*;
struct HDC__;
using HDC = HDC__*;
struct HMENU__;
using HMENU = HMENU__*;

using BOOL = int;
using BYTE = unsigned char;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using WNDPROC = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
using HOOKPROC = LRESULT (*)(int code, WPARAM wParam, LPARAM lParam);
// An entry point of a module, to be cast to its own type before it is called.
using FARPROC = void (*)();
