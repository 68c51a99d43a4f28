#pragma once

#include <cstdint>

// The Win32 names the editor component is written against, declared here for
// our own window layer. Message parameters and results are pointer-sized.
struct HWND__;
using HWND = HWND__*;
using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using WNDPROC = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
