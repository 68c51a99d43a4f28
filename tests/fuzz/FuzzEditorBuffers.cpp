// The editor's operations that hand the engine a buffer, driven through its
// message channel to an engine that answers as the real one does, for a
// document and positions taken from the input: negative, reversed and huge
// values too. Each gives the document's bytes where they lie, the engine
// writes into no byte it was not given, and nothing throws.

#include "FakeEngine.h"
#include "FuzzCheck.h"

#include "app/Globals.h"
#include "editor/CodeEditor.h"
#include "platform/TextConverter.h"
#include "platform/Win32Qt.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

// What the input says, read from its front; bytes past its end read as 0.
class InputReader {
public:
    InputReader(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    std::uint8_t byte() { return m_at < m_size ? m_data[m_at++] : (m_at++, 0); }
    std::int64_t word()
    {
        std::uint64_t value = 0;
        for (int i = 0; i < 8; ++i)
            value = value << 8 | byte();
        return static_cast<std::int64_t>(value);
    }
    std::string rest() const
    {
        return m_at < m_size ? std::string(reinterpret_cast<const char*>(m_data) + m_at, m_size - m_at) : std::string();
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

// A value as a tag byte and eight bytes: the kinds of position that matter
// are each one tag away.
struct RawValue {
    std::uint8_t tag;
    std::int64_t word;
};

RawValue readValue(InputReader& input)
{
    std::uint8_t tag = input.byte();
    return { tag, input.word() };
}

std::intptr_t valueFor(RawValue raw, std::size_t documentSize)
{
    constexpr std::intptr_t Largest = std::numeric_limits<std::intptr_t>::max();
    constexpr std::intptr_t Smallest = std::numeric_limits<std::intptr_t>::min();
    auto size = static_cast<std::intptr_t>(documentSize);
    auto small = static_cast<std::int8_t>(raw.word & 0xFF);
    switch (raw.tag % 8) {
    case 0:
        return static_cast<std::intptr_t>(raw.word);
    case 1:
        return small;
    case 2:
        return -1;
    case 3:
        return size + small;
    case 4:
        return Largest - (raw.word & 0xFF);
    case 5:
        return Smallest + (raw.word & 0xFF);
    case 6:
        return static_cast<std::intptr_t>(static_cast<std::uint64_t>(raw.word) % (documentSize + 1));
    default:
        return 0;
    }
}

std::size_t positionFor(RawValue raw, std::size_t documentSize)
{
    return static_cast<std::size_t>(
        std::clamp<std::intptr_t>(valueFor(raw, documentSize), 0, static_cast<std::intptr_t>(documentSize)));
}

std::string upToZero(std::string_view bytes)
{
    return std::string(bytes.substr(0, bytes.find('\0')));
}

std::string_view documentPart(std::size_t start, std::size_t length)
{
    return std::string_view(FakeEngine::document).substr(start, length);
}

std::size_t clampedToDocument(std::intptr_t position)
{
    return static_cast<std::size_t>(
        std::clamp<std::intptr_t>(position, 0, static_cast<std::intptr_t>(FakeEngine::document.size())));
}

std::string_view lineText(const FakeEngine::Line& line)
{
    return documentPart(line.start, line.length);
}

void checkTextRange(std::intptr_t start, std::intptr_t end)
{
    std::string errorBefore = TheEditor->errorText();
    std::string text = TheEditor->getTextRange(start, end);
    if (end < start) {
        FUZZ_CHECK(text.empty());
        FUZZ_CHECK(platform::utf8FromGbk(TheEditor->errorText()) == "没有选中任何文本 结束位置小于开始位置");
        return;
    }
    // Only where the range lies in the document is there text.
    std::size_t from = clampedToDocument(start);
    std::size_t to = clampedToDocument(end);
    FUZZ_CHECK(text == upToZero(documentPart(from, to - from)));
    FUZZ_CHECK(TheEditor->errorText() == errorBefore);
}

void checkText(std::intptr_t length)
{
    std::string text = "?";
    LRESULT result = TheEditor->getText(length, text);
    std::size_t size = FakeEngine::document.size();
    if (length <= 0) {
        FUZZ_CHECK(text.empty());
        FUZZ_CHECK(result == static_cast<LRESULT>(size) + 1);
        return;
    }
    std::size_t held = std::min(static_cast<std::size_t>(length) - 1, size);
    FUZZ_CHECK(text == upToZero(documentPart(0, held)));
    FUZZ_CHECK(result == static_cast<LRESULT>(held));
}

void checkCurLine(std::intptr_t length, std::size_t textSize)
{
    FakeEngine::Line caretLine = FakeEngine::lines()[FakeEngine::lineOf(FakeEngine::caret)];
    std::string_view line = lineText(caretLine);
    std::string before(textSize, 'x');
    std::string text = before;
    LRESULT result = TheEditor->getCurLine(length, text);
    if (textSize == 0 || length == 0) {
        // Nothing to write into: the engine only says how long the line is.
        FUZZ_CHECK(text == before);
        FUZZ_CHECK(result == static_cast<LRESULT>(line.size()) + 1);
        return;
    }
    std::size_t copied = std::min(line.size(), static_cast<std::size_t>(length) - 1);
    FUZZ_CHECK(text == upToZero(line.substr(0, copied)));
    FUZZ_CHECK(result == static_cast<LRESULT>(FakeEngine::caret - caretLine.start));
}

void checkSelText(std::size_t textSize)
{
    std::size_t start = std::min(FakeEngine::anchor, FakeEngine::caret);
    std::string_view selection = documentPart(start, std::max(FakeEngine::anchor, FakeEngine::caret) - start);
    std::string before(textSize, 'x');
    std::string text = before;
    LRESULT result = TheEditor->getSelText(text);
    if (textSize == 0) {
        FUZZ_CHECK(text == before);
        FUZZ_CHECK(result == static_cast<LRESULT>(selection.size()) + 1);
        return;
    }
    FUZZ_CHECK(text == upToZero(selection));
    FUZZ_CHECK(result == (selection.empty() ? 0 : static_cast<LRESULT>(selection.size()) + 1));
}

void checkLine(std::intptr_t number, std::size_t textSize)
{
    std::vector<FakeEngine::Line> lines = FakeEngine::lines();
    bool exists = number >= 0 && static_cast<std::size_t>(number) < lines.size();
    std::string_view line = exists ? lineText(lines[static_cast<std::size_t>(number)]) : std::string_view();
    std::string before(textSize, 'x');
    std::string text = before;
    FUZZ_CHECK(TheEditor->getLine(number, text) == 0);
    if (!exists || line.empty())
        FUZZ_CHECK(text == before);
    else
        FUZZ_CHECK(text == upToZero(line));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_editor_buffers";
    static char* argv[] = { name, nullptr };
    static QApplication application(argc, argv);
    static FakeEngine engine;
    static QWidget host;
    TheEditor = std::make_unique<CodeEditor>();
    FUZZ_CHECK(TheEditor->create(platform::windowOf(&host)) == 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    InputReader input(data, size);
    RawValue rangeStart = readValue(input);
    RawValue rangeEnd = readValue(input);
    RawValue textLength = readValue(input);
    RawValue curLineLength = readValue(input);
    RawValue lineNumber = readValue(input);
    RawValue anchor = readValue(input);
    RawValue caret = readValue(input);
    std::size_t curLineTextSize = input.byte();
    std::size_t selTextSize = input.byte();
    std::size_t lineTextSize = input.byte();
    FakeEngine::document = input.rest();
    std::size_t documentSize = FakeEngine::document.size();
    FakeEngine::anchor = positionFor(anchor, documentSize);
    FakeEngine::caret = positionFor(caret, documentSize);

    checkTextRange(valueFor(rangeStart, documentSize), valueFor(rangeEnd, documentSize));
    checkText(valueFor(textLength, documentSize));
    checkCurLine(valueFor(curLineLength, documentSize), curLineTextSize);
    checkSelText(selTextSize);
    checkLine(valueFor(lineNumber, documentSize), lineTextSize);
    return 0;
}
