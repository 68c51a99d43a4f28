#include "RecordingEngine.h"

#include "platform/Scintilla.h"
#include "platform/Win32.h"
#include "platform/Win32Qt.h"

#include <QWidget>

#include <cstring>
#include <set>

namespace {

std::vector<SentMessage> sent;

const std::set<UINT> messagesWithText = { SCI_SETLEXERLANGUAGE, SCI_APPENDTEXT, SCI_STYLESETFONT, SCI_SETTEXT };

LRESULT answer(UINT message, WPARAM wParam, LPARAM lParam, bool direct)
{
    std::string text = messagesWithText.count(message) != 0 && lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
    sent.push_back({ message, wParam, lParam, direct, text });
    if (message == SCI_GETSELTEXT) {
        if (lParam != 0)
            std::memcpy(reinterpret_cast<char*>(lParam), RecordingEngine::SelectedText,
                std::strlen(RecordingEngine::SelectedText) + 1);
        return static_cast<LRESULT>(std::strlen(RecordingEngine::SelectedText) + 1);
    }
    auto found = RecordingEngine::answers.find(message);
    return found == RecordingEngine::answers.end() ? 0 : found->second;
}

LRESULT directFunction(LPARAM pointer, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (pointer != RecordingEngine::directPointer)
        return -99;
    return answer(message, wParam, lParam, true);
}

LRESULT recordingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == SCI_GETDIRECTFUNCTION)
        return RecordingEngine::handsOutDirectFunction ? reinterpret_cast<LRESULT>(directFunction) : 0;
    if (message == SCI_GETDIRECTPOINTER)
        return RecordingEngine::directPointer;
    if (message >= SCI_START || message == WM_KEYDOWN || message == WM_KEYUP)
        return answer(message, wParam, lParam, false);
    return DefWindowProcA(window, message, wParam, lParam);
}

QWidget* createPlainWidget(QWidget* parent)
{
    return new QWidget(parent);
}

} // namespace

RecordingEngine::RecordingEngine()
{
    handsOutDirectFunction = true;
    directPointer = 0x5C1;
    answers.clear();
    sent.clear();
    platform::registerWindowClass("Scintilla", recordingWindowProc, createPlainWidget);
}

RecordingEngine::~RecordingEngine()
{
    platform::unregisterWindowClass("Scintilla");
}

std::vector<SentMessage> RecordingEngine::takeSent()
{
    return std::exchange(sent, {});
}
