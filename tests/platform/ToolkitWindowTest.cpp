// The toolkit's windows: size and place, opening and closing, and the keys
// the window keeps for itself.

#include "ToolkitFixture.h"

#include "platform/Scintilla.h"
#include "platform/Win32.h"
#include "platform/Win32Qt.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using platform::Place;

TEST(ToolkitWindow, ItsClientAreaIsTheOuterSizeLessTheFrameAndItOpensCentredOnTheScreen)
{
    platform::Window window("MainWindow", gbk("代码笔记 Quillery"), 1126, 660);
    window.show();
    QWidget* widget = window.widget();
    EXPECT_EQ(widget->objectName(), "MainWindow");
    EXPECT_EQ(widget->windowTitle(), QString::fromUtf8("代码笔记 Quillery"));
    EXPECT_EQ(widget->size(), QSize(1120, 633));
    EXPECT_EQ(widget->minimumSize(), widget->maximumSize());
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(widget->pos(), QPoint((screen.width() - 1126) / 2, (screen.height() - 660) / 2));
    Qt::WindowFlags flags = widget->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.isOpen());
}

TEST(ToolkitWindow, CreatedIsRaisedOnceAtTheFirstOpeningBeforeTheWindowShows)
{
    platform::Window window("Window", "", 300, 200);
    std::vector<bool> visibleWhenRaised;
    window.onCreated([&] { visibleWhenRaised.push_back(window.widget()->isVisible()); });
    window.show();
    window.close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isOpen());
    window.show();
    EXPECT_EQ(visibleWhenRaised, std::vector<bool> { false });
}

TEST(ToolkitWindow, CloseWaitsForTheRunningHandlerToReturn)
{
    platform::Window window("Window", "", 300, 200);
    platform::PushButton button(window, "Close", { 10, 10, 80, 24 }, gbk("关闭"));
    bool openAfterClose = false;
    button.onClicked([&] {
        window.close();
        openAfterClose = window.isOpen();
    });
    showActive(window);
    QTest::mouseClick(button.widget(), Qt::LeftButton);
    EXPECT_TRUE(openAfterClose);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isOpen());
}

TEST(ToolkitWindow, OpenModalBlocksTheOtherWindowsAndReturnsOnceTheWindowHasClosed)
{
    platform::Window main("MainWindow", "", 400, 300);
    platform::PushButton button(main, "Button", { 10, 10, 80, 24 }, "OK");
    int clicks = 0;
    button.onClicked([&] { ++clicks; });
    showActive(main);
    const QPoint onButton = button.widget()->geometry().center();

    platform::Window dialog("Dialog", "", 300, 200);
    WhenOpen escape(modalOfClass("QWidget"), [&](QWidget& modal) {
        EXPECT_EQ(&modal, dialog.widget());
        QTest::mouseClick(main.widget()->windowHandle(), Qt::LeftButton, Qt::NoModifier, onButton);
        pressKey(modal, Qt::Key_Escape);
    });
    dialog.openModal();
    EXPECT_TRUE(escape.answered());
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(main.widget()->windowHandle(), Qt::LeftButton, Qt::NoModifier, onButton);
    EXPECT_EQ(clicks, 1);
}

// A window with every kind of control that takes the focus, and the
// engine's window in its panel, made as the editor component makes it.
class WindowKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(LoadLibraryA("SciLexer.dll"), nullptr);
        m_engine = CreateWindowExA(
            0, "Scintilla", "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 150, m_panel.handle(), nullptr, nullptr, nullptr);
        ASSERT_NE(engine(), nullptr);
        showActive(m_window);
    }

    QWidget* engine() const { return platform::widgetOf(m_engine); }
    QWidget* focus() const { return QApplication::focusWidget(); }

    platform::Window m_window { "Window", "", 500, 400 };
    platform::EditBox m_line { m_window, "Line", { 10, 10, 200, 22 }, platform::EditKind::SingleLine };
    platform::EditBox m_lines { m_window, "Lines", { 10, 40, 200, 80 }, platform::EditKind::MultiLine };
    platform::Panel m_panel { m_window, "Panel", { 10, 130, 300, 150 } };
    platform::PushButton m_button { m_window, "Button", { 10, 300, 80, 24 }, "OK" };
    HWND m_engine = nullptr;
};

TEST_F(WindowKeysTest, EscClosesTheWindowWhicheverControlHasTheFocus)
{
    for (QWidget* control : { m_line.widget(), m_lines.widget(), engine(), m_button.widget() }) {
        showActive(m_window);
        control->setFocus();
        ASSERT_EQ(focus(), control);
        pressKey(*control, Qt::Key_Escape);
        EXPECT_FALSE(m_window.isOpen()) << control->metaObject()->className();
    }
}

// Sees what the program's keyboard hook sees: the keys as they reach a window.
class KeysAtWindows : public QObject {
public:
    std::vector<int> keys;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWindowType())
            return false;
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Shift)
            keys.push_back(key);
        return false;
    }
};

TEST_F(WindowKeysTest, TabAndShiftTabMoveTheFocusOutOfTheMultiLineBoxAndTheEditorAfterTheHookSawThem)
{
    KeysAtWindows seen;
    qApp->installEventFilter(&seen);
    m_lines.setFocus();
    // The engine's window, made last, is last in the order.
    std::vector<QWidget*> reached;
    for (int press = 0; press < 3; ++press) {
        pressKey(*focus(), Qt::Key_Tab);
        reached.push_back(focus());
    }
    for (int press = 0; press < 2; ++press) {
        pressKey(*focus(), Qt::Key_Backtab, Qt::ShiftModifier);
        reached.push_back(focus());
    }
    qApp->removeEventFilter(&seen);

    EXPECT_EQ(
        reached, (std::vector<QWidget*> { m_button.widget(), engine(), m_line.widget(), engine(), m_button.widget() }));
    EXPECT_EQ(
        seen.keys, (std::vector<int> { Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Backtab }));
    EXPECT_EQ(m_lines.text(), std::optional<std::string>(""));
    EXPECT_EQ(SendMessageA(m_engine, SCI_GETLENGTH, 0, 0), 0);
}

TEST_F(WindowKeysTest, ThePanelKeepsTheHandleAndProcedureChainTheEditorUses)
{
    HWND panel = m_panel.handle();
    EXPECT_EQ(platform::widgetOf(panel), m_panel.widget());
    EXPECT_EQ(GetParent(m_engine), panel);
    EXPECT_EQ(engine()->parentWidget(), m_panel.widget());
}

} // namespace
