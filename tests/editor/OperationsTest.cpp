// The operations the program relies on, against the real engine.

#include "EditorFixture.h"

#include "app/Globals.h"
#include "editor/CodeEditor.h"
#include "platform/Scintilla.h"
#include "platform/TextConverter.h"

#include <Qsci/qsciscintillabase.h>

#include <QTest>

#include <limits>

namespace {

class OperationsTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        createEditor();
        TheEditor->setCodePageUtf8();
    }

    std::string documentText()
    {
        std::string text;
        TheEditor->getText(TheEditor->getTextLength() + 1, text);
        return text;
    }
};

// Every message number we send is the engine's own.
#define QUILLERY_EXPECT_ENGINE_NUMBER(name, number)                                                                    \
    static_assert(number == QsciScintillaBase::name, #name " is not the engine's number");
QUILLERY_SCINTILLA_MESSAGES(QUILLERY_EXPECT_ENGINE_NUMBER)
static_assert(SC_CP_UTF8 == QsciScintillaBase::SC_CP_UTF8);

TEST_F(OperationsTest, TextGoesInAndComesBackWhole)
{
    const std::string utf8 = "// 你好\r\nint x;";
    TheEditor->setText(utf8);
    EXPECT_EQ(TheEditor->getTextLength(), static_cast<LRESULT>(utf8.size()));
    EXPECT_EQ(documentText(), utf8);

    std::string text = "old";
    TheEditor->getText(0, text);
    EXPECT_EQ(text, "");

    TheEditor->appendText("");
    TheEditor->appendText("!");
    TheEditor->addText("?");
    EXPECT_EQ(documentText(), "?" + utf8 + "!"); // addText writes at the caret, still at 0
    TheEditor->setText("");
    EXPECT_EQ(TheEditor->getTextLength(), 0);
}

TEST_F(OperationsTest, LinesComeWithTheirEndsAndAnEmptyLastLineLeavesTheText)
{
    TheEditor->setText("first\r\nsecond\n");
    std::string text = "untouched";
    EXPECT_EQ(TheEditor->getLine(0, text), 0);
    EXPECT_EQ(text, "first\r\n");
    EXPECT_EQ(TheEditor->getLine(1, text), 0);
    EXPECT_EQ(text, "second\n");
    text = "untouched";
    EXPECT_EQ(TheEditor->getLine(2, text), 0);
    EXPECT_EQ(text, "untouched");
    EXPECT_EQ(TheEditor->lineFromPosition(8), 1);
}

TEST_F(OperationsTest, ATextRangeIsReadThroughTheEnginesOwnRecord)
{
    TheEditor->setText("file.close(); 中文");
    EXPECT_EQ(TheEditor->getTextRange(0, 4), "file");
    EXPECT_EQ(TheEditor->getTextRange(5, 10), "close");
    EXPECT_EQ(TheEditor->getTextRange(14, 20), "中文");
    EXPECT_EQ(TheEditor->getTextRange(3, 3), "");
    EXPECT_EQ(TheEditor->errorText(), "");
    EXPECT_EQ(TheEditor->getTextRange(5, 3), "");
    EXPECT_EQ(platform::utf8FromGbk(TheEditor->errorText()), "没有选中任何文本 结束位置小于开始位置");
}

// The engine ends the program on a range past the document's end, writes its
// zero at the range's length even where it copies nothing, and takes an end of
// -1 for the document's end: each of these ranges once broke the editor.
TEST_F(OperationsTest, ATextRangeIsReadOnlyWhereItLiesInTheDocument)
{
    constexpr std::intptr_t Largest = std::numeric_limits<std::intptr_t>::max();
    constexpr std::intptr_t Smallest = std::numeric_limits<std::intptr_t>::min();
    TheEditor->setText("file.close(); 中文");
    const struct {
        std::intptr_t start;
        std::intptr_t end;
        std::string text;
    } cases[] = {
        { 5, 100, "close(); 中文" },
        { 20, 20, "" },
        { 21, 25, "" },
        { -5, 4, "file" },
        { -1, -1, "" },
        { -40, -1, "" },
        { Smallest, Largest, "file.close(); 中文" },
        { Largest - 1, Largest, "" },
        { Smallest, Smallest + 1, "" },
    };
    for (const auto& range : cases)
        EXPECT_EQ(TheEditor->getTextRange(range.start, range.end), range.text) << range.start << ", " << range.end;
    EXPECT_EQ(TheEditor->errorText(), "");
}

TEST_F(OperationsTest, ABufferIsNeverLongerThanTheDocumentNorOfNoLength)
{
    TheEditor->setText("one\ntwo");
    std::string text;
    EXPECT_EQ(TheEditor->getText(std::numeric_limits<std::intptr_t>::max(), text), 7);
    EXPECT_EQ(text, "one\ntwo");
    EXPECT_EQ(TheEditor->getText(5, text), 4);
    EXPECT_EQ(text, "one\n");

    // A length of 0 only asks how long the caret's line is, with its zero.
    TheEditor->gotoPos(5);
    std::string line = "untouched";
    EXPECT_EQ(TheEditor->getCurLine(0, line), 4);
    EXPECT_EQ(line, "untouched");
}

TEST_F(OperationsTest, FindTextReportsWhereItFoundTheText)
{
    TheEditor->setText("int main() { return main; }");
    std::intptr_t start = -5;
    std::intptr_t end = -5;
    EXPECT_EQ(TheEditor->findText(0, 10, 27, "main", start, end), 20);
    EXPECT_EQ(start, 20);
    EXPECT_EQ(end, 24);
    EXPECT_EQ(TheEditor->findText(0, 0, 27, "MAIN", start, end), 4);
}

TEST_F(OperationsTest, WordPositionsLookAtTheCharacterBeforeThePosition)
{
    TheEditor->setText("x = file.");
    // The word holding the character before position 8 ("e") is "file".
    EXPECT_EQ(TheEditor->wordStartPosition(8, true), 4);
    EXPECT_EQ(TheEditor->wordEndPosition(5, true), 8);
}

TEST_F(OperationsTest, TheLexerIsChosenByItsLowerCasedName)
{
    std::string language = "CPP";
    TheEditor->setLexerLanguage(language);
    EXPECT_EQ(language, "cpp");
    EXPECT_EQ(TheEditor->sendMessage(QsciScintillaBase::SCI_GETLEXER), 3); // the C/C++ lexer
}

TEST_F(OperationsTest, StylesAndMarginsTakeTheirValues)
{
    TheEditor->setStyle(32, 0x112233, 0x445566, 0, "");
    EXPECT_EQ(TheEditor->sendMessage(QsciScintillaBase::SCI_STYLEGETFORE, 32), 0x112233);
    EXPECT_EQ(TheEditor->sendMessage(QsciScintillaBase::SCI_STYLEGETBACK, 32), 0x445566);
    TheEditor->setStyle(33, 0, 0xFFFFFF, 14, "Courier New");
    EXPECT_EQ(TheEditor->sendMessage(QsciScintillaBase::SCI_STYLEGETSIZE, 33), 14);

    TheEditor->setMarginWidthN(0, 20);
    TheEditor->setMarginWidthN(1, 5);
    EXPECT_EQ(TheEditor->getMarginWidthN(), 20);
    TheEditor->setMarginSensitiveN(3, true);
    EXPECT_EQ(TheEditor->sendMessage(QsciScintillaBase::SCI_GETMARGINSENSITIVEN, 3), 1);
    TheEditor->styleSetBold(5, true);
    EXPECT_EQ(TheEditor->sendMessage(QsciScintillaBase::SCI_STYLEGETBOLD, 5), 1);
}

TEST_F(OperationsTest, OutputTextsAreMadeLongEnoughForWhatTheEngineWrites)
{
    TheEditor->setText("a selection much longer than the text given");
    TheEditor->setSel(2, 43);
    std::string text = "?";
    TheEditor->getSelText(text);
    EXPECT_EQ(text, "selection much longer than the text given");

    // An empty text only asks how long the answer would be.
    std::string empty;
    EXPECT_GT(TheEditor->getSelText(empty), 0);
    EXPECT_EQ(empty, "");

    TheEditor->gotoPos(4);
    std::string line = "x";
    EXPECT_EQ(TheEditor->getCurLine(1, line), 4);
    EXPECT_EQ(line, ""); // a buffer of length 1 holds only the terminating zero
    line = "x";
    EXPECT_EQ(TheEditor->getCurLine(100, line), 4);
    EXPECT_EQ(line, "a selection much longer than the text given");
}

TEST_F(OperationsTest, CallTipsAndCompletionListsComeAndGo)
{
    TheEditor->setText("CreateWindow(");
    TheEditor->gotoPos(13);
    TheEditor->callTipShow(13, "CreateWindow(hWnd,x,y,cx,cy)");
    TheEditor->callTipSetHlt(13, 18);
    EXPECT_EQ(TheEditor->callTipActive(), 1);
    TheEditor->callTipCancel();
    EXPECT_EQ(TheEditor->callTipActive(), 0);

    TheEditor->autoCSetSeparator(0x120 | ' '); // only the low 8 bits count
    EXPECT_EQ(TheEditor->autoCGetSeparator(), ' ');
    TheEditor->autoCShow(0, "close open");
    EXPECT_EQ(TheEditor->autoCActive(), 1);
    std::string current = "-";
    TheEditor->autoCGetCurrentText(current);
    EXPECT_EQ(current, "close");
    TheEditor->autoCCancel();
    EXPECT_EQ(TheEditor->autoCActive(), 0);
}

TEST_F(OperationsTest, FoldingTogglesABlock)
{
    std::string language = "cpp";
    TheEditor->setLexerLanguage(language);
    TheEditor->setProperty("fold", "1");
    TheEditor->setText("int f() {\n  return 1;\n}\n");
    TheEditor->sendMessage(QsciScintillaBase::SCI_COLOURISE, 0, -1);
    EXPECT_EQ(TheEditor->getLineVisible(1), 1);
    TheEditor->toggleFold(0);
    EXPECT_EQ(TheEditor->getLineVisible(1), 0);
    EXPECT_EQ(TheEditor->getFoldExpanded(0), 0);
    TheEditor->toggleFold(0);
    EXPECT_EQ(TheEditor->getLineVisible(1), 1);
}

TEST_F(OperationsTest, EnterEndsTheLineWithCrLfAsTheNotesDo)
{
    TheEditor->setText("int x;");
    TheEditor->gotoPos(6);
    editorWidget()->setFocus();
    QTest::keyClick(editorWidget(), Qt::Key_Return);
    QTest::keyClicks(editorWidget(), "y");
    EXPECT_EQ(documentText(), "int x;\r\ny");
}

TEST_F(OperationsTest, StyledTextKeepsEachByteWithItsStyle)
{
    TheEditor->addStyledText("ab", 0x107);
    EXPECT_EQ(TheEditor->getTextLength(), 2);
    EXPECT_EQ(TheEditor->getCharAt(1), 'b');
    EXPECT_EQ(TheEditor->getStyleAt(0), 7);
}

} // namespace
