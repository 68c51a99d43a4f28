// The exact messages the editor sends, to a recording engine, in a folder
// where the real engine module is not.

#include "EditorFixture.h"
#include "RecordingEngine.h"

#include "app/Globals.h"
#include "editor/CodeEditor.h"
#include "platform/Scintilla.h"
#include "platform/TextConverter.h"
#include "platform/Win32.h"
#include "platform/Win32Qt.h"

#include <QLineEdit>
#include <QTest>

#include <cstdlib>
#include <iostream>

namespace {

class MessagesTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        m_engine = std::make_unique<RecordingEngine>();
    }
    void TearDown() override
    {
        m_engine.reset();
        EditorTest::TearDown();
    }

    // A created editor, with nothing sent yet.
    void createRecordedEditor()
    {
        createEditor();
        RecordingEngine::takeSent();
    }

private:
    std::unique_ptr<RecordingEngine> m_engine;
};

SentMessage direct(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, std::string text = "")
{
    return { message, wParam, lParam, true, std::move(text) };
}

SentMessage windowMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return { message, wParam, lParam, false, "" };
}

TEST_F(MessagesTest, GoThroughTheDirectFunctionWithZeroForParametersNotGiven)
{
    createRecordedEditor();
    RecordingEngine::answers[SCI_GETTEXTLENGTH] = -7;
    EXPECT_EQ(TheEditor->sendMessage(SCI_GETTEXTLENGTH), -7);
    EXPECT_EQ(TheEditor->sendMessage(SCI_GOTOPOS, 3), 0);
    EXPECT_EQ(
        RecordingEngine::takeSent(), (std::vector<SentMessage> { direct(SCI_GETTEXTLENGTH), direct(SCI_GOTOPOS, 3) }));
    EXPECT_EQ(TheEditor->errorText(), "");
}

TEST_F(MessagesTest, WithoutADirectFunctionEverythingButGetTextGoesToTheWindow)
{
    RecordingEngine::handsOutDirectFunction = false;
    createRecordedEditor();
    EXPECT_EQ(platform::utf8FromGbk(TheEditor->errorText()), "m_directFunction 获取失败");

    RecordingEngine::answers[SCI_GETTEXTLENGTH] = 12;
    EXPECT_EQ(TheEditor->getTextLength(), 12);
    std::string text = "kept";
    EXPECT_EQ(TheEditor->getText(13, text), 0);
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(RecordingEngine::takeSent(), std::vector<SentMessage> { windowMessage(SCI_GETTEXTLENGTH) });
}

TEST_F(MessagesTest, ADirectFunctionWithoutItsPointerIsNotCalled)
{
    RecordingEngine::directPointer = 0;
    createRecordedEditor();
    // The later failure's text is the one kept.
    EXPECT_EQ(platform::utf8FromGbk(TheEditor->errorText()), "m_directPointer 获取失败");
    TheEditor->gotoLine(4);
    EXPECT_EQ(RecordingEngine::takeSent(), std::vector<SentMessage> { windowMessage(SCI_GOTOLINE, 4) });
}

TEST_F(MessagesTest, TheLexerNameIsLowerCasedInPlaceLeavingDoubleByteCharactersAlone)
{
    createRecordedEditor();
    std::string language = "CPP";
    TheEditor->setLexerLanguage(language);
    EXPECT_EQ(language, "cpp");
    // 0xB0 0x41 is one character, whose second byte is not the letter A.
    std::string mixed = "C\xB0\x41P\xD6\xD0Z";
    TheEditor->setLexerLanguage(mixed);
    EXPECT_EQ(mixed, "c\xB0\x41p\xD6\xD0z");
    std::vector<SentMessage> sent = RecordingEngine::takeSent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].message, SCI_SETLEXERLANGUAGE);
    EXPECT_EQ(sent[0].wParam, 0u);
    EXPECT_EQ(sent[0].text, "cpp");
    EXPECT_EQ(sent[1].text, "c\xB0\x41p\xD6\xD0z");
}

TEST_F(MessagesTest, ParametersAreSentAsTheOperationsDescribe)
{
    createRecordedEditor();
    TheEditor->wordStartPosition(10, true);
    TheEditor->wordEndPosition(10, false);
    TheEditor->setMarginSensitiveN(3, 5);
    TheEditor->getMarginWidthN();
    TheEditor->setCodePageUtf8();
    TheEditor->grabFocus();
    TheEditor->setFocus(false);
    TheEditor->autoCSetSeparator(0x1FF);
    TheEditor->autoCSetTypeSeparator(0x23F);
    TheEditor->moveCaretInsideView();
    TheEditor->pointXFromPosition(8);
    EXPECT_EQ(RecordingEngine::takeSent(),
        (std::vector<SentMessage> { direct(SCI_WORDSTARTPOSITION, 9, 1), direct(SCI_WORDENDPOSITION, 9, 0),
            direct(SCI_SETMARGINSENSITIVEN, 3, 1), direct(SCI_GETMARGINWIDTHN), direct(SCI_SETCODEPAGE, 65001),
            direct(SCI_SETFOCUS, 1), direct(SCI_SETFOCUS, 0), direct(SCI_AUTOCSETSEPARATOR, 0xFF),
            direct(SCI_AUTOCSETTYPESEPARATOR, 0x3F), direct(2401), direct(SCI_POINTXFROMPOSITION, 0, 8) }));
}

TEST_F(MessagesTest, SetStyleSendsSizeAndFontOnlyWhenGiven)
{
    createRecordedEditor();
    TheEditor->setStyle(32, 0x0000FF, 0xFFFFFF, 0, "");
    EXPECT_EQ(RecordingEngine::takeSent(),
        (std::vector<SentMessage> { direct(SCI_STYLESETFORE, 32, 0x0000FF), direct(SCI_STYLESETBACK, 32, 0xFFFFFF) }));

    TheEditor->setStyle(32, 1, 2, 11, "Courier New");
    std::vector<SentMessage> sent = RecordingEngine::takeSent();
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[2], direct(SCI_STYLESETSIZE, 32, 11));
    EXPECT_EQ(sent[3].message, SCI_STYLESETFONT);
    EXPECT_EQ(sent[3].text, "Courier New");
}

TEST_F(MessagesTest, AnEmptyInputTextIsTheAddressOfAZeroNotZero)
{
    createRecordedEditor();
    TheEditor->appendText("");
    std::vector<SentMessage> sent = RecordingEngine::takeSent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].message, SCI_APPENDTEXT);
    EXPECT_EQ(sent[0].wParam, 0u);
    EXPECT_NE(sent[0].lParam, 0);
}

TEST_F(MessagesTest, ATextRangeEndingBeforeItsStartSendsNothing)
{
    createRecordedEditor();
    EXPECT_EQ(TheEditor->getTextRange(5, 3), "");
    EXPECT_EQ(RecordingEngine::takeSent(), std::vector<SentMessage> {});
    EXPECT_EQ(platform::utf8FromGbk(TheEditor->errorText()), "没有选中任何文本 结束位置小于开始位置");

    std::unique_ptr<CodeEditor> fresh = TheEditor->copy();
    EXPECT_EQ(fresh->getTextRange(3, 3), "");
    // The document's length first, to keep the range inside it.
    std::vector<SentMessage> sent = RecordingEngine::takeSent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], direct(SCI_GETLENGTH));
    EXPECT_EQ(sent[1].message, SCI_GETTEXTRANGE);
}

TEST_F(MessagesTest, AnOutputTextIsSizedFromTheEnginesAnswerFirst)
{
    createRecordedEditor();
    std::string text = "x";
    TheEditor->getSelText(text);
    EXPECT_EQ(text, RecordingEngine::SelectedText);
    std::vector<SentMessage> sent = RecordingEngine::takeSent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], direct(SCI_GETSELTEXT, 0, 0));
    EXPECT_NE(sent[1].lParam, 0);
}

TEST_F(MessagesTest, PositionsWithoutAMessageSendNothing)
{
    createRecordedEditor();
    for (auto operation : { &CodeEditor::reserved19, &CodeEditor::reserved28, &CodeEditor::reserved36,
             &CodeEditor::reserved59, &CodeEditor::reserved75, &CodeEditor::reserved78, &CodeEditor::reserved89,
             &CodeEditor::reserved102, &CodeEditor::reserved157, &CodeEditor::reserved181, &CodeEditor::reserved216,
             &CodeEditor::reserved234, &CodeEditor::reserved245 })
        (TheEditor.get()->*operation)();
    EXPECT_EQ(RecordingEngine::takeSent(), std::vector<SentMessage> {});
}

std::vector<std::string> keyCalls;

void onKeyPress(std::int32_t virtualKey, std::int32_t flags)
{
    keyCalls.push_back("press " + std::to_string(virtualKey) + " " + std::to_string(flags));
}

void onKeyRepeatOrRelease(std::int32_t virtualKey, std::int32_t flags)
{
    keyCalls.push_back("repeatOrRelease " + std::to_string(virtualKey) + " " + std::to_string(flags));
}

TEST_F(MessagesTest, OnlyTabIsHandedToTheEditorAndEveryKeyIsReported)
{
    createRecordedEditor();
    keyCalls.clear();
    TheEditor->setKeyPressHandler(onKeyPress);
    TheEditor->setKeyRepeatOrReleaseHandler(onKeyRepeatOrRelease);
    QLineEdit elsewhere;
    elsewhere.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&elsewhere));

    QTest::keyPress(elsewhere.windowHandle(), Qt::Key_Tab);
    QTest::keyRelease(elsewhere.windowHandle(), Qt::Key_Tab);
    QTest::keyClick(elsewhere.windowHandle(), Qt::Key_A);

    const LPARAM press = 0x00000001;
    const LPARAM release = 0xC0000001;
    EXPECT_EQ(RecordingEngine::takeSent(),
        (std::vector<SentMessage> {
            windowMessage(WM_KEYUP, VK_TAB, press), windowMessage(WM_KEYDOWN, VK_TAB, release) }));
    EXPECT_EQ(keyCalls,
        (std::vector<std::string> {
            "press 9 1", "repeatOrRelease 9 -1073741823", "press 65 1", "repeatOrRelease 65 -1073741823" }));
}

TEST_F(MessagesTest, AnAutoRepeatedTabGoesDownAsTheReleaseDoes)
{
    createRecordedEditor();
    QLineEdit elsewhere;
    elsewhere.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&elsewhere));
    qt_handleKeyEvent(elsewhere.windowHandle(), QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QString(), true);
    QCoreApplication::processEvents();
    EXPECT_EQ(RecordingEngine::takeSent(), std::vector<SentMessage> { windowMessage(WM_KEYDOWN, VK_TAB, 0x40000001) });
}

} // namespace

// Where the engine module is missing, create fails and takes nothing over.
// It runs in a process of its own, where no editor has installed a hook.
namespace {

using WithoutEngineTest = EditorTest;

int pressesSeen = 0;

void countPress(std::int32_t, std::int32_t)
{
    ++pressesSeen;
}

LRESULT hostProcedureBefore(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

TEST_F(WithoutEngineTest, CreateFailsLeavingTheHostsProcedureAndInstallingNoHook)
{
    auto createWithoutEngine = [this] {
        SetWindowLongA(host(), GWL_WNDPROC, reinterpret_cast<LONG_PTR>(hostProcedureBefore));
        TheEditor->setKeyPressHandler(countPress);
        int failures = 0;
        auto check = [&failures](bool holds, const char* what) {
            if (!holds) {
                std::cerr << "not so: " << what << "\n";
                ++failures;
            }
        };
        check(TheEditor->create(host()) == 0, "create answers 0");
        check(platform::utf8FromGbk(TheEditor->errorText()) == "创建窗口失败", "the error text");
        check(TheEditor->windowHandle() == nullptr, "no window");
        check(SavedHostWndProc == nullptr, "nothing saved");
        check(SetWindowLongA(host(), GWL_WNDPROC, reinterpret_cast<LONG_PTR>(hostProcedureBefore))
                == reinterpret_cast<LONG_PTR>(hostProcedureBefore),
            "the host keeps its procedure");
        QTest::keyClick(hostWidget()->windowHandle(), Qt::Key_A);
        check(pressesSeen == 0, "no hook reports the key");
        std::exit(failures);
    };
    EXPECT_EXIT(createWithoutEngine(), ::testing::ExitedWithCode(0), "");
}

} // namespace
