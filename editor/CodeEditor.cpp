#include "editor/CodeEditor.h"

#include "app/Globals.h"
#include "editor/EditorRouting.h"
#include "platform/Win32.h"

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

LRESULT CodeEditor::sendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A direct function without its pointer would be called on no engine.
    if (m_directFunction == nullptr || m_directPointer == 0)
        return SendMessageA(m_window, message, wParam, lParam);
    m_directArgs = { m_directPointer, static_cast<std::intptr_t>(message), static_cast<std::intptr_t>(wParam), lParam };
    return m_directFunction(
        m_directArgs[0], static_cast<UINT>(m_directArgs[1]), static_cast<WPARAM>(m_directArgs[2]), m_directArgs[3]);
}

// The window name and the error texts are GBK written as bytes, which every
// compiler keeps as they are.
std::int32_t CodeEditor::create(HWND host)
{
    if (m_window != nullptr)
        return 0;
    LoadLibraryA("SciLexer.dll");
    m_window = CreateWindowExA(0, "Scintilla", "\xb4\xfa\xc2\xeb\xb1\xe0\xbc\xad\xbf\xf2", // 代码编辑框
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL, 0, 0, 600, 400, host,
        nullptr, nullptr, nullptr);
    if (m_window == nullptr) {
        m_errorText = "\xb4\xb4\xbd\xa8\xb4\xb0\xbf\xda\xca\xa7\xb0\xdc"; // 创建窗口失败
        return 0;
    }
    m_directFunction = reinterpret_cast<SciFnDirect>(SendMessageA(m_window, SCI_GETDIRECTFUNCTION, 0, 0));
    if (m_directFunction == nullptr)
        m_errorText = "m_directFunction \xbb\xf1\xc8\xa1\xca\xa7\xb0\xdc"; // 获取失败
    m_directPointer = SendMessageA(m_window, SCI_GETDIRECTPOINTER, 0, 0);
    if (m_directPointer == 0)
        m_errorText = "m_directPointer \xbb\xf1\xc8\xa1\xca\xa7\xb0\xdc"; // 获取失败
    SavedHostWndProc
        = reinterpret_cast<WNDPROC>(SetWindowLongA(host, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(hostWindowProc)));
    SetWindowsHookExA(WH_KEYBOARD, keyboardHookProc, GetModuleHandleA(nullptr), 0);
    return 1;
}

void CodeEditor::show()
{
    ShowWindow(m_window, SW_SHOW);
}

HWND CodeEditor::windowHandle() const
{
    return m_window;
}

void CodeEditor::move(std::intptr_t x, std::intptr_t y, std::intptr_t width, std::intptr_t height, bool repaint)
{
    MoveWindow(m_window, static_cast<int>(x), static_cast<int>(y), static_cast<int>(width), static_cast<int>(height),
        repaint ? TRUE : FALSE);
}
