#include "editing/TypingAids.h"

#include "app/Globals.h"
#include "editor/CodeEditor.h"
#include "store/TextEncoding.h"

#include <string_view>

namespace {

constexpr std::string_view CompletionWord = "file";
// Split at blanks by the editor: five entries.
constexpr std::string_view CompletionList = "close good plorvent f 石桥听雪";
constexpr std::string_view CallTip = "CreateWindow(hWnd,x,y,cx,cy)";

// The position of the first ch in the text from position from on, both
// counted from 1; -1 when there is none.
std::intptr_t positionFrom1(std::string_view text, char ch, std::intptr_t from)
{
    size_t found = text.find(ch, static_cast<size_t>(from - 1));
    return found == std::string_view::npos ? -1 : static_cast<std::intptr_t>(found) + 1;
}

// Only the low byte of the code counts, so a wide character can act as a trigger.
std::string typedText(std::int32_t ch)
{
    return std::string(1, static_cast<char>(ch & 0xFF));
}

void offerCompletionList()
{
    LRESULT caret = TheEditor->getCurrentPos();
    LRESULT start = TheEditor->wordStartPosition(caret, true);
    LRESULT end = TheEditor->wordEndPosition(caret, true);
    std::string word = TheEditor->getTextRange(start, end);
    if (word != CompletionWord)
        return;
    ConvertedText list = toEditorText(CompletionList);
    TheEditor->autoCShow(0, list.text);
}

void showCallTip()
{
    LRESULT caret = TheEditor->getCurrentPos();
    TheEditor->callTipShow(caret, std::string(CallTip));
    // The positions counted from 1, used as the engine's 0-based bounds, cover "hWnd,".
    std::intptr_t opening = positionFrom1(CallTip, '(', 1);
    std::intptr_t comma = positionFrom1(CallTip, ',', opening);
    TheEditor->callTipSetHlt(opening, comma);
}

} // namespace

void onCharAdded(std::int32_t ch)
{
    if (typedText(ch) == ".")
        offerCompletionList();
    if (typedText(ch) == "(")
        showCallTip();
    if (typedText(ch) == ",")
        TheEditor->callTipSetHlt(0, 13);
    if (typedText(ch) == ")")
        TheEditor->callTipCancel();
}

void onMarginClick(std::int32_t, std::int32_t position, std::int32_t)
{
    TheEditor->toggleFold(TheEditor->lineFromPosition(position));
}

void onUpdateUI(std::int32_t, std::int32_t) { }

void onAutoCompleteSelection(std::int32_t, const std::string&) { }

void onKeyRepeatOrRelease(std::int32_t, std::int32_t) { }

void onKeyPress(std::int32_t, std::int32_t) { }
