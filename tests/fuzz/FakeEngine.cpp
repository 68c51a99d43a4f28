#include "FakeEngine.h"

#include "FuzzCheck.h"

#include "platform/Scintilla.h"
#include "platform/Win32.h"
#include "platform/Win32Qt.h"

#include <QWidget>

#include <algorithm>
#include <cstring>

namespace {

constexpr LPARAM DirectPointer = 0xF0;

char* bufferAt(LPARAM address)
{
    return reinterpret_cast<char*>(address);
}

LRESULT documentLength()
{
    return static_cast<LRESULT>(FakeEngine::document.size());
}

// Asks for wParam bytes: the document's first wParam - 1, zeros past its end,
// and a zero.
LRESULT getText(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0)
        return documentLength() + 1;
    auto asked = static_cast<std::intptr_t>(wParam);
    FUZZ_CHECK(asked >= 0); // the engine would write far past any buffer
    if (asked == 0)
        return 0;
    char* buffer = bufferAt(lParam);
    for (std::intptr_t i = 0; i + 1 < asked; ++i)
        buffer[i] = static_cast<std::size_t>(i) < FakeEngine::document.size() ? FakeEngine::document[i] : '\0';
    buffer[asked - 1] = '\0';
    return asked - 1;
}

// Copies the range only when it lies in the document, but always writes the
// zero at its length: -1 as the end stands for the document's end.
LRESULT getTextRange(LPARAM lParam)
{
    auto& range = *reinterpret_cast<Sci_TextRange*>(lParam);
    long end = range.chrg.cpMax == -1 ? static_cast<long>(documentLength()) : range.chrg.cpMax;
    FUZZ_CHECK(end <= documentLength()); // the engine asserts cpMax <= pdoc->Length()
    long length = end - range.chrg.cpMin;
    FUZZ_CHECK(length >= 0); // the engine would write its zero before the buffer
    if (range.chrg.cpMin >= 0)
        std::memcpy(range.lpstrText, FakeEngine::document.data() + range.chrg.cpMin, static_cast<std::size_t>(length));
    range.lpstrText[length] = '\0';
    return length;
}

// The caret's line, at most wParam - 1 bytes of it and a zero; the caret's
// place in its line.
LRESULT getCurLine(WPARAM wParam, LPARAM lParam)
{
    FakeEngine::Line line = FakeEngine::lines()[FakeEngine::lineOf(FakeEngine::caret)];
    if (lParam == 0)
        return static_cast<LRESULT>(line.length) + 1;
    FUZZ_CHECK(wParam > 0); // the engine asserts wParam > 0
    std::size_t copied = std::min<std::size_t>(line.length, wParam - 1);
    std::memcpy(bufferAt(lParam), FakeEngine::document.data() + line.start, copied);
    bufferAt(lParam)[copied] = '\0';
    return static_cast<LRESULT>(FakeEngine::caret - line.start);
}

LRESULT getSelText(LPARAM lParam)
{
    std::size_t start = std::min(FakeEngine::anchor, FakeEngine::caret);
    std::size_t length = std::max(FakeEngine::anchor, FakeEngine::caret) - start;
    if (lParam == 0)
        return static_cast<LRESULT>(length) + 1;
    std::memcpy(bufferAt(lParam), FakeEngine::document.data() + start, length);
    bufferAt(lParam)[length] = '\0';
    return length == 0 ? 0 : static_cast<LRESULT>(length) + 1;
}

LRESULT lineLength(WPARAM wParam)
{
    auto index = static_cast<std::intptr_t>(wParam);
    std::vector<FakeEngine::Line> lines = FakeEngine::lines();
    if (index < 0 || static_cast<std::size_t>(index) >= lines.size())
        return 0;
    return static_cast<LRESULT>(lines[static_cast<std::size_t>(index)].length);
}

// The line's bytes with its end of line, and no zero.
LRESULT getLine(WPARAM wParam, LPARAM lParam)
{
    LRESULT length = lineLength(wParam);
    if (lParam != 0 && length > 0)
        std::memcpy(bufferAt(lParam), FakeEngine::document.data() + FakeEngine::lines()[wParam].start,
            static_cast<std::size_t>(length));
    return length;
}

LRESULT answer(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case SCI_GETLENGTH:
    case SCI_GETTEXTLENGTH:
        return documentLength();
    case SCI_GETTEXT:
        return getText(wParam, lParam);
    case SCI_GETTEXTRANGE:
        return getTextRange(lParam);
    case SCI_GETCURLINE:
        return getCurLine(wParam, lParam);
    case SCI_GETSELTEXT:
        return getSelText(lParam);
    case SCI_LINELENGTH:
        return lineLength(wParam);
    case SCI_GETLINE:
        return getLine(wParam, lParam);
    case SCI_GETCURRENTPOS:
        return static_cast<LRESULT>(FakeEngine::caret);
    case SCI_GETANCHOR:
        return static_cast<LRESULT>(FakeEngine::anchor);
    default:
        return 0;
    }
}

LRESULT directFunction(LPARAM pointer, UINT message, WPARAM wParam, LPARAM lParam)
{
    FUZZ_CHECK(pointer == DirectPointer);
    return answer(message, wParam, lParam);
}

LRESULT fakeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == SCI_GETDIRECTFUNCTION)
        return reinterpret_cast<LRESULT>(directFunction);
    if (message == SCI_GETDIRECTPOINTER)
        return DirectPointer;
    if (message >= SCI_START)
        return answer(message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

QWidget* createPlainWidget(QWidget* parent)
{
    return new QWidget(parent);
}

} // namespace

std::vector<FakeEngine::Line> FakeEngine::lines()
{
    std::vector<Line> found { {} };
    for (std::size_t at = 0; at < document.size(); ++at) {
        if (document[at] == '\r' && at + 1 < document.size() && document[at + 1] == '\n')
            ++at;
        if (document[at] == '\r' || document[at] == '\n') {
            found.back().length = at + 1 - found.back().start;
            found.push_back({ at + 1, 0 });
        }
    }
    found.back().length = document.size() - found.back().start;
    return found;
}

std::size_t FakeEngine::lineOf(std::size_t position)
{
    std::vector<Line> all = lines();
    std::size_t index = 0;
    while (index + 1 < all.size() && all[index + 1].start <= position)
        ++index;
    return index;
}

FakeEngine::FakeEngine()
{
    platform::registerWindowClass("Scintilla", fakeWindowProc, createPlainWidget);
}

FakeEngine::~FakeEngine()
{
    platform::unregisterWindowClass("Scintilla");
}
