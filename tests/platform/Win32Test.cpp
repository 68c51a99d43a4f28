// Our Win32 layer over Qt: windows and their procedure chains, classes,
// paint, modules and the keyboard hook.

#include "platform/EngineModule.h"
#include "platform/LibraryName.h"
#include "platform/Win32.h"
#include "platform/Win32Qt.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> calls;

class PaintCountingWidget : public QWidget {
public:
    using QWidget::QWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

QWidget* makePaintCounter(QWidget* parent)
{
    return new PaintCountingWidget(parent);
}

LRESULT classProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    calls.push_back("class " + std::to_string(message));
    return message == WM_PAINT ? DefWindowProcA(window, message, wParam, lParam) : 10;
}

WNDPROC replaced = nullptr;

LRESULT replacingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    calls.push_back("replacing " + std::to_string(message));
    return CallWindowProcA(replaced, window, message, wParam, lParam) + 1;
}

LRESULT paintSwallowingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return CallWindowProcA(replaced, window, message, wParam, lParam);
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    return 0;
}

class Win32Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        calls.clear();
        platform::registerWindowClass("TestWindow", classProcedure, makePaintCounter);
        m_parent = std::make_unique<QWidget>();
        m_parent->resize(400, 300);
        m_parent->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_parent.get()));
    }
    void TearDown() override { platform::unregisterWindowClass("TestWindow"); }

    HWND parent() { return platform::windowOf(m_parent.get()); }
    HWND createChild(const char* className = "TestWindow")
    {
        return CreateWindowExA(0, className, "\xb4\xfa\xc2\xeb", WS_CHILD | WS_VISIBLE, 5, 6, 70, 80, parent(),
            reinterpret_cast<HMENU>(42), nullptr, nullptr);
    }

    std::unique_ptr<QWidget> m_parent;
};

TEST_F(Win32Test, AWindowOfARegisteredClassIsAChildWidgetWithItsPlaceTitleAndIdentifier)
{
    HWND child = createChild("testwindow");
    ASSERT_NE(child, nullptr);
    QWidget* widget = platform::widgetOf(child);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), m_parent.get());
    EXPECT_EQ(widget->geometry(), QRect(5, 6, 70, 80));
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(widget->windowTitle(), QString::fromUtf8("代码"));
    EXPECT_EQ(GetParent(child), parent());
    EXPECT_EQ(GetDlgCtrlID(child), 42);
    RECT client {};
    EXPECT_EQ(GetClientRect(child, &client), TRUE);
    EXPECT_EQ(client.right, 70);
    EXPECT_EQ(client.bottom, 80);
}

TEST_F(Win32Test, NoWindowIsMadeOfAnUnknownClassOrWithoutItsParent)
{
    EXPECT_EQ(createChild("NoSuchClass"), nullptr);
    EXPECT_EQ(CreateWindowExA(0, "TestWindow", "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    HWND gone = platform::windowOf(new QWidget);
    delete platform::widgetOf(gone);
    EXPECT_EQ(CreateWindowExA(0, "TestWindow", "", WS_CHILD, 0, 0, 1, 1, gone, nullptr, nullptr, nullptr), nullptr);
    EXPECT_FALSE(platform::registerWindowClass("TESTWINDOW", classProcedure, makePaintCounter));
}

TEST_F(Win32Test, MessagesRunDownTheChainAndAWindowThatIsGoneAnswersNothing)
{
    HWND child = createChild();
    replaced
        = reinterpret_cast<WNDPROC>(SetWindowLongA(child, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(replacingProcedure)));
    EXPECT_EQ(replaced, classProcedure);
    EXPECT_EQ(SendMessageA(child, 0x4000, 0, 0), 11);
    EXPECT_EQ(calls, (std::vector<std::string> { "replacing 16384", "class 16384" }));

    delete platform::widgetOf(child);
    EXPECT_EQ(platform::widgetOf(child), nullptr);
    EXPECT_EQ(SendMessageA(child, 0x4000, 0, 0), 0);
    EXPECT_EQ(SetWindowLongA(child, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(classProcedure)), 0);
    // A handle is never given twice.
    EXPECT_NE(createChild(), child);
}

TEST_F(Win32Test, QtsPaintGoesThroughTheChainAndOnlyItsEndDraws)
{
    HWND child = createChild();
    auto* widget = static_cast<PaintCountingWidget*>(platform::widgetOf(child));
    widget->repaint();
    EXPECT_EQ(widget->paints, 1);
    EXPECT_EQ(calls, std::vector<std::string> { "class 15" });

    replaced = reinterpret_cast<WNDPROC>(
        SetWindowLongA(child, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(paintSwallowingProcedure)));
    widget->repaint();
    EXPECT_EQ(widget->paints, 1);
}

TEST_F(Win32Test, ShowAndMoveChangeTheWidget)
{
    HWND child = createChild();
    QWidget* widget = platform::widgetOf(child);
    EXPECT_EQ(ShowWindow(child, SW_HIDE), TRUE);
    EXPECT_FALSE(widget->isVisible());
    EXPECT_EQ(ShowWindow(child, SW_SHOW), FALSE);
    EXPECT_EQ(MoveWindow(child, 1, 2, 30, 40, TRUE), TRUE);
    EXPECT_EQ(widget->geometry(), QRect(1, 2, 30, 40));
    EXPECT_EQ(ShowWindow(nullptr, SW_SHOW), FALSE);
    EXPECT_EQ(MoveWindow(nullptr, 1, 2, 3, 4, FALSE), FALSE);
}

TEST(Win32Modules, ADllNameLoadsTheSharedLibraryBesideTheProgramOnce)
{
    EXPECT_EQ(LoadLibraryA("NoSuchModule.dll"), nullptr);
    HMODULE first = LoadLibraryA("SciLexer.dll");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(LoadLibraryA("SciLexer.dll"), first);
    EXPECT_NE(GetModuleHandleA(nullptr), nullptr);
    // Loading it registered its class; a second load did not try again.
    EXPECT_FALSE(platform::registerWindowClass("Scintilla", classProcedure, makePaintCounter));
    QWidget host;
    HWND engine = CreateWindowExA(
        0, "Scintilla", "", WS_CHILD, 0, 0, 10, 10, platform::windowOf(&host), nullptr, nullptr, nullptr);
    EXPECT_NE(engine, nullptr);
}

TEST(Win32Modules, AnEntryIsFoundByItsNameInTheModuleThatExportsIt)
{
    HMODULE engine = LoadLibraryA("SciLexer.dll");
    ASSERT_NE(engine, nullptr);
    EXPECT_NE(GetProcAddress(engine, platform::ModuleAttachName), nullptr);
    EXPECT_EQ(GetProcAddress(engine, "NoSuchEntry"), nullptr);
    // No module is not the whole process.
    EXPECT_EQ(GetProcAddress(nullptr, platform::ModuleAttachName), nullptr);
    EXPECT_EQ(FreeLibrary(nullptr), FALSE);
}

TEST(Win32Modules, ADllNameIsTheSharedLibrarysFileName)
{
    EXPECT_EQ(platform::sharedLibraryName("SkinH_EL.dll"), "libSkinH_EL.so");
    EXPECT_EQ(platform::sharedLibraryName("engine/SciLexer.DLL"), "engine/libSciLexer.so");
    EXPECT_EQ(platform::sharedLibraryName("libm.so.6"), "libm.so.6");
    EXPECT_EQ(platform::sharedLibraryName(".dll"), ".dll");
}

std::vector<std::pair<WPARAM, LPARAM>> keys;
LRESULT hookAnswer = 0;

LRESULT recordingHook(int, WPARAM wParam, LPARAM lParam)
{
    keys.emplace_back(wParam, lParam);
    return hookAnswer;
}

TEST(Win32Hooks, TheKeyboardHookSeesKeysAsTheyReachAWindowAndCanSwallowThem)
{
    QLineEdit edit;
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    edit.setFocus();
    ASSERT_NE(SetWindowsHookExA(WH_KEYBOARD, recordingHook, GetModuleHandleA(nullptr), 0), nullptr);
    EXPECT_EQ(SetWindowsHookExA(13, recordingHook, nullptr, 0), nullptr);

    keys.clear();
    hookAnswer = 0;
    QTest::keyClick(edit.windowHandle(), Qt::Key_X, Qt::AltModifier);
    QTest::keyClick(edit.windowHandle(), Qt::Key_ParenLeft);
    QTest::keyClick(edit.windowHandle(), Qt::Key_Left);
    const LPARAM alt = 0x20000000;
    // Alt goes down and up around X; "(" is the key it lies on.
    EXPECT_EQ(keys,
        (std::vector<std::pair<WPARAM, LPARAM>> { { VK_MENU, 1 | alt }, { 'X', 1 | alt }, { 'X', 0xC0000001 | alt },
            { VK_MENU, 0xC0000001 }, { '9', 1 }, { '9', 0xC0000001 }, { VK_LEFT, 1 }, { VK_LEFT, 0xC0000001 } }));

    // What a widget is sent by the program itself is not a keystroke.
    keys.clear();
    QKeyEvent sent(QEvent::KeyPress, Qt::Key_Y, Qt::NoModifier, QStringLiteral("y"));
    QCoreApplication::sendEvent(&edit, &sent);
    EXPECT_TRUE(keys.empty());

    edit.clear();
    hookAnswer = 1;
    QTest::keyClick(edit.windowHandle(), 'z');
    EXPECT_EQ(edit.text(), "");
    hookAnswer = 0;
    QTest::keyClick(edit.windowHandle(), 'z');
    EXPECT_EQ(edit.text(), "z");
}

} // namespace
