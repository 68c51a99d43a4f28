// The engine's notifications and the keyboard reaching the handlers, on the
// real engine, typed and clicked as a person would.

#include "EditorFixture.h"

#include "app/Globals.h"
#include "editor/CodeEditor.h"
#include "platform/Scintilla.h"
#include "platform/Win32.h"
#include "platform/Win32Qt.h"

#include <Qsci/qsciscintillabase.h>

#include <QLineEdit>
#include <QTest>

#include <algorithm>

namespace {

using RoutingTest = EditorTest;

void log(const std::string& entry)
{
    handlerCalls().push_back(entry);
}

void onCharAdded(std::int32_t ch)
{
    log("charAdded " + std::to_string(ch));
}

void onOtherCharAdded(std::int32_t ch)
{
    log("other " + std::to_string(ch));
}

void onMarginClick(std::int32_t modifiers, std::int32_t position, std::int32_t margin)
{
    log("marginClick " + std::to_string(modifiers) + " " + std::to_string(position) + " " + std::to_string(margin));
}

void onAutoCSelection(std::int32_t position, const std::string& text)
{
    log("autoCSelection " + std::to_string(position) + " " + text);
}

void onModified(std::int32_t position, std::int32_t modificationType, const std::string& text, std::int32_t length,
    std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t)
{
    if ((modificationType & 0x01) != 0) // an insertion
        log("modified " + std::to_string(position) + " [" + text + "] " + std::to_string(length));
}

std::size_t paintsSeenByHost()
{
    std::vector<UINT> codes = notificationsPassedOn();
    return static_cast<std::size_t>(std::count(codes.begin(), codes.end(), SCN_PAINTED));
}

void onPainted()
{
    log("painted, host had seen " + std::to_string(paintsSeenByHost()));
}

void onKeyPress(std::int32_t virtualKey, std::int32_t flags)
{
    log("keyPress " + std::to_string(virtualKey) + " " + std::to_string(flags));
}

void onKeyRepeatOrRelease(std::int32_t virtualKey, std::int32_t flags)
{
    log("keyRepeatOrRelease " + std::to_string(virtualKey) + " " + std::to_string(flags));
}

QsciScintillaBase* engineOf(QWidget* widget)
{
    return qobject_cast<QsciScintillaBase*>(widget);
}

// A notification as the engine would send it to the host.
LRESULT sendNotification(SCNotification record)
{
    return SendMessageA(GetParent(record.hwndFrom), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&record));
}

void typeText(QWidget* editor, const QString& text)
{
    editor->setFocus();
    for (QChar character : text)
        QTest::sendKeyEvent(
            QTest::Click, editor->window()->windowHandle(), Qt::Key_unknown, QString(character), Qt::NoModifier);
}

TEST_F(RoutingTest, ATypedCharacterReachesItsHandlerWithItsCodeAndNeverThePreviousProcedure)
{
    createEditor();
    TheEditor->setCodePageUtf8();
    TheEditor->setCharAddedHandler(onCharAdded);
    typeText(editorWidget(), QStringLiteral("a") + QChar(0x4E28));

    EXPECT_EQ(handlerCalls(), (std::vector<std::string> { "charAdded 97", "charAdded 20008" }));
    std::vector<UINT> passedOn = notificationsPassedOn();
    EXPECT_EQ(std::count(passedOn.begin(), passedOn.end(), SCN_CHARADDED), 0);
}

TEST_F(RoutingTest, ANotificationWithAnEmptySlotIsAnsweredZeroAndNotPassedOn)
{
    createEditor();
    typeText(editorWidget(), QStringLiteral("x"));
    std::vector<UINT> passedOn = notificationsPassedOn();
    EXPECT_EQ(std::count(passedOn.begin(), passedOn.end(), SCN_CHARADDED), 0);
    EXPECT_EQ(sendNotification({ .hwndFrom = TheEditor->windowHandle(), .code = SCN_CHARADDED, .ch = 'x' }), 0);
    EXPECT_EQ(handlerCalls(), std::vector<std::string> {});
}

TEST_F(RoutingTest, PaintedRunsItsHandlerAndIsThenPassedOnAsAreCodesNotRouted)
{
    createEditor();
    TheEditor->setPaintedHandler(onPainted);
    HWND editor = TheEditor->windowHandle();
    EXPECT_EQ(sendNotification({ .hwndFrom = editor, .code = SCN_PAINTED }), HostAnswer);
    EXPECT_EQ(handlerCalls(), std::vector<std::string> { "painted, host had seen 0" });
    EXPECT_EQ(sendNotification({ .hwndFrom = editor, .code = SCN_DOUBLECLICK }), HostAnswer);
    EXPECT_EQ(notificationsPassedOn(), (std::vector<UINT> { SCN_PAINTED, SCN_DOUBLECLICK }));

    // The engine's own paint takes the same road.
    handlerCalls().clear();
    static_cast<QsciScintillaBase*>(editorWidget())->viewport()->repaint();
    ASSERT_FALSE(handlerCalls().empty());
    EXPECT_GE(paintsSeenByHost(), 2u);
}

TEST_F(RoutingTest, ANotificationFromAnotherWindowGoesToThePreviousProcedureUnread)
{
    createEditor();
    TheEditor->setCharAddedHandler(onCharAdded);
    QWidget other(hostWidget());
    // Only a header: a sender that is not the editor may send no more.
    NMHDR header { platform::windowOf(&other), 0, SCN_CHARADDED };
    EXPECT_EQ(SendMessageA(host(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header)), HostAnswer);
    EXPECT_EQ(notificationsPassedOn(), std::vector<UINT> { SCN_CHARADDED });
    EXPECT_EQ(handlerCalls(), std::vector<std::string> {});
}

TEST_F(RoutingTest, AMarginClickGivesModifiersPositionAndMargin)
{
    createEditor();
    TheEditor->setMarginClickHandler(onMarginClick);
    TheEditor->setText("a\nbc\nd");
    TheEditor->setMarginWidthN(0, 0);
    TheEditor->setMarginWidthN(1, 20);
    TheEditor->setMarginSensitiveN(1, true);
    auto* engine = engineOf(editorWidget());
    int lineHeight = static_cast<int>(TheEditor->textHeight(0));
    QTest::mouseClick(engine->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, lineHeight + lineHeight / 2));
    // Shift is 1 among the engine's modifiers; line 1 begins at 2.
    EXPECT_EQ(handlerCalls(), std::vector<std::string> { "marginClick 1 2 1" });
}

TEST_F(RoutingTest, AChoiceFromTheCompletionListGivesItsPositionAndWord)
{
    createEditor();
    TheEditor->setAutoCSelectionHandler(onAutoCSelection);
    TheEditor->setText("x = be");
    TheEditor->gotoPos(6);
    TheEditor->autoCShow(2, "alpha beta gamma");
    ASSERT_EQ(TheEditor->autoCActive(), 1);
    editorWidget()->setFocus();
    QTest::keyClick(editorWidget(), Qt::Key_Return);
    EXPECT_EQ(handlerCalls(), std::vector<std::string> { "autoCSelection 4 beta" });
    std::string text;
    TheEditor->getText(TheEditor->getTextLength() + 1, text);
    EXPECT_EQ(text, "x = beta");
}

TEST_F(RoutingTest, AModificationsTextIsItsLengthOfBytesAndAMissingTextIsEmpty)
{
    createEditor();
    TheEditor->setModifiedHandler(onModified);
    TheEditor->setText("ab");
    handlerCalls().clear();
    TheEditor->insertText(1, "xyz");
    EXPECT_EQ(handlerCalls(), std::vector<std::string> { "modified 1 [xyz] 3" });

    handlerCalls().clear();
    HWND editor = TheEditor->windowHandle();
    const char unterminated[] = { 'a', 'b', 'c', 'd', 'e', 'f' };
    sendNotification({ .hwndFrom = editor,
        .code = SCN_MODIFIED,
        .position = 4,
        .modificationType = 1,
        .text = unterminated,
        .length = 3 });
    sendNotification({ .hwndFrom = editor,
        .code = SCN_MODIFIED,
        .position = 5,
        .modificationType = 1,
        .text = nullptr,
        .length = 8 });
    EXPECT_EQ(handlerCalls(), (std::vector<std::string> { "modified 4 [abc] 3", "modified 5 [] 8" }));
}

TEST_F(RoutingTest, TheHostsPaintIsAnsweredWithoutDrawingAndWithoutThePreviousProcedure)
{
    createEditor();
    EXPECT_EQ(SendMessageA(host(), WM_PAINT, 0, 0), 0);
    hostWidget()->repaint();
    EXPECT_TRUE(std::none_of(hostMessages().begin(), hostMessages().end(),
        [](const HostMessage& message) { return message.message == WM_PAINT; }));
    // Everything else the host gets still reaches its own procedure.
    EXPECT_EQ(SendMessageA(host(), WM_KEYDOWN, 'A', 0), HostAnswer);
}

TEST_F(RoutingTest, TabReachesTheEditorWhicheverWindowHasTheFocus)
{
    createEditor();
    TheEditor->setKeyPressHandler(onKeyPress);
    TheEditor->setKeyRepeatOrReleaseHandler(onKeyRepeatOrRelease);
    TheEditor->setText("ab");
    TheEditor->gotoPos(1);
    QLineEdit elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    elsewhere.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));

    QTest::keyPress(elsewhere.windowHandle(), Qt::Key_Tab);
    QTest::keyRelease(elsewhere.windowHandle(), Qt::Key_Tab);

    // The press went to the editor as a key going up, the release as one
    // going down, which is what puts the tab in.
    std::string text;
    TheEditor->getText(TheEditor->getTextLength() + 1, text);
    EXPECT_EQ(text, "a\tb");
    EXPECT_EQ(handlerCalls(), (std::vector<std::string> { "keyPress 9 1", "keyRepeatOrRelease 9 -1073741823" }));
}

TEST_F(RoutingTest, ASecondRegistrationReplacesTheFirst)
{
    createEditor();
    TheEditor->setCharAddedHandler(onCharAdded);
    TheEditor->setCharAddedHandler(onOtherCharAdded);
    sendNotification({ .hwndFrom = TheEditor->windowHandle(), .code = SCN_CHARADDED, .ch = 'q' });
    EXPECT_EQ(handlerCalls(), std::vector<std::string> { "other 113" });
}

} // namespace
