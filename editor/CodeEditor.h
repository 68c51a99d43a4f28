#pragma once

#include "platform/Win32Types.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

// Scintilla's direct function: (direct pointer, message, wParam, lParam).
using SciFnDirect = std::intptr_t (*)(std::intptr_t directPointer, unsigned int message, std::uintptr_t wParam,
                                      std::intptr_t lParam);

// The wrapper around the one Scintilla window of the program.
class CodeEditor {
public:
    CodeEditor();
    virtual ~CodeEditor();
    // Drives the same window, with its own copies of the texts it owns.
    virtual std::unique_ptr<CodeEditor> copy() const;

    HWND windowHandle() const { return m_window; }
    const std::string& errorText() const { return m_errorText; }

protected:
    CodeEditor(const CodeEditor&) = default;
    CodeEditor& operator=(const CodeEditor&) = delete;

    SciFnDirect m_directFunction = nullptr;
    std::intptr_t m_directPointer = 0;
    HWND m_window = nullptr;
    std::string m_errorText;
    // Staging of a direct call: direct pointer, message, wParam, lParam.
    std::array<std::intptr_t, 4> m_directArgs{};
};
