// The editor on the real engine: creation, the message channel, the window.

#include "EditorFixture.h"

#include "app/Globals.h"
#include "editor/CodeEditor.h"
#include "editor/EditorRouting.h"
#include "platform/Scintilla.h"
#include "platform/TextConverter.h"
#include "platform/Win32.h"
#include "platform/Win32Qt.h"

#include <Qsci/qsciscintillabase.h>

#include <QTest>

namespace {

using CreateTest = EditorTest;

TEST_F(CreateTest, BeforeCreateEveryOperationAnswersZeroAndTextsStayAsTheyWere)
{
    EXPECT_EQ(TheEditor->windowHandle(), nullptr);
    EXPECT_EQ(TheEditor->sendMessage(SCI_GETTEXTLENGTH), 0);
    EXPECT_EQ(TheEditor->setText("abc"), 0);
    EXPECT_EQ(TheEditor->getTextLength(), 0);
    EXPECT_EQ(TheEditor->lineFromPosition(5), 0);
    EXPECT_EQ(TheEditor->getTextRange(0, 3), "");
    std::string text = "kept";
    EXPECT_EQ(TheEditor->getText(5, text), 0);
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(TheEditor->getLine(0, text), 0);
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(TheEditor->getSelText(text), 0);
    EXPECT_EQ(text, "kept");
    TheEditor->show();
    TheEditor->move(1, 2, 3, 4, true);
    EXPECT_EQ(TheEditor->errorText(), "");
}

TEST_F(CreateTest, MakesAVisible600By400ChildAtTheHostsOriginThatAnswersThroughTheDirectFunction)
{
    createEditor();
    QWidget* editor = editorWidget();
    EXPECT_EQ(editor->parentWidget(), hostWidget());
    EXPECT_EQ(editor->geometry(), QRect(0, 0, 600, 400));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_NE(qobject_cast<QsciScintillaBase*>(editor), nullptr);
    EXPECT_EQ(TheEditor->errorText(), "");
    EXPECT_EQ(GetParent(TheEditor->windowHandle()), host());
    EXPECT_NE(SavedHostWndProc, nullptr);

    // getText has no other path than the direct function.
    TheEditor->setText("int main() {}");
    std::string text;
    EXPECT_EQ(TheEditor->getText(TheEditor->getTextLength() + 1, text), 13);
    EXPECT_EQ(text, "int main() {}");
}

TEST_F(CreateTest, ASecondCreateChangesNothingAndAnswersZero)
{
    createEditor();
    HWND window = TheEditor->windowHandle();
    WNDPROC saved = SavedHostWndProc;
    int children = hostWidget()->findChildren<QsciScintillaBase*>().size();

    EXPECT_EQ(TheEditor->create(host()), 0);
    EXPECT_EQ(TheEditor->windowHandle(), window);
    EXPECT_EQ(SavedHostWndProc, saved);
    EXPECT_EQ(hostWidget()->findChildren<QsciScintillaBase*>().size(), children);
    // The host's procedure was not taken over a second time.
    EXPECT_NE(SavedHostWndProc, hostWindowProc);
}

TEST_F(CreateTest, ANegativeAnswerOfTheEngineComesBackUnchanged)
{
    createEditor();
    TheEditor->setText("hello world");
    // Nothing to find: the engine answers -1, and -1 it stays.
    std::intptr_t foundStart = 7;
    std::intptr_t foundEnd = 7;
    EXPECT_EQ(TheEditor->findText(0, 0, 11, "moon", foundStart, foundEnd), -1);
    EXPECT_EQ(TheEditor->sendMessage(SCI_SETTARGETSTART, 0), 0);
    TheEditor->sendMessage(SCI_SETTARGETEND, 11);
    EXPECT_EQ(TheEditor->searchInTarget(4, "moon"), -1);
}

TEST_F(CreateTest, ShowAndMovePlaceTheWindowInItsHost)
{
    createEditor();
    TheEditor->move(10, 20, 300, 200);
    EXPECT_EQ(editorWidget()->geometry(), QRect(10, 20, 300, 200));
    ShowWindow(TheEditor->windowHandle(), SW_HIDE);
    EXPECT_FALSE(editorWidget()->isVisible());
    TheEditor->show();
    EXPECT_TRUE(editorWidget()->isVisible());
}

TEST_F(CreateTest, ACopyDrivesTheSameWindowAndTheWindowOutlivesTheEditor)
{
    createEditor();
    TheEditor->setText("shared");
    std::unique_ptr<CodeEditor> copy = TheEditor->copy();
    EXPECT_EQ(copy->windowHandle(), TheEditor->windowHandle());
    EXPECT_EQ(copy->getTextLength(), 6);
    copy->appendText("!");
    EXPECT_EQ(TheEditor->getTextLength(), 7);
    // Its error text is its own.
    copy->getTextRange(2, 1);
    EXPECT_NE(copy->errorText(), "");
    EXPECT_EQ(TheEditor->errorText(), "");

    HWND window = TheEditor->windowHandle();
    TheEditor.reset();
    EXPECT_NE(platform::widgetOf(window), nullptr);
}

} // namespace
