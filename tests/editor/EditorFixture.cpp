#include "EditorFixture.h"

#include "app/Globals.h"
#include "editor/CodeEditor.h"
#include "platform/Win32.h"
#include "platform/Win32Qt.h"

#include <QTest>

namespace {

LRESULT recordingHostProc(HWND, UINT message, WPARAM, LPARAM lParam)
{
    UINT code = message == WM_NOTIFY && lParam != 0 ? reinterpret_cast<const NMHDR*>(lParam)->code : 0;
    hostMessages().push_back({ message, code });
    return HostAnswer;
}

} // namespace

std::vector<HostMessage>& hostMessages()
{
    static std::vector<HostMessage> messages;
    return messages;
}

std::vector<UINT> notificationsPassedOn()
{
    std::vector<UINT> codes;
    for (const HostMessage& message : hostMessages()) {
        if (message.message == WM_NOTIFY)
            codes.push_back(message.code);
    }
    return codes;
}

std::vector<std::string>& handlerCalls()
{
    static std::vector<std::string> calls;
    return calls;
}

void EditorTest::SetUp()
{
    EditorEventSlots.fill(nullptr);
    SavedHostWndProc = nullptr;
    handlerCalls().clear();
    TheEditor = std::make_unique<CodeEditor>();
    m_host = std::make_unique<QWidget>();
    m_host->resize(800, 600);
    m_host->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_host.get()));
    m_hostHandle = platform::windowOf(m_host.get());
    SetWindowLongA(m_hostHandle, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(recordingHostProc));
    hostMessages().clear();
}

void EditorTest::TearDown()
{
    TheEditor.reset();
    m_host.reset();
    EditorEventSlots.fill(nullptr);
}

void EditorTest::createEditor()
{
    ASSERT_EQ(TheEditor->create(m_hostHandle), 1);
    ASSERT_NE(editorWidget(), nullptr);
}

QWidget* EditorTest::editorWidget() const
{
    return platform::widgetOf(TheEditor->windowHandle());
}
