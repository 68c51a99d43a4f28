// The controls that carry texts and commands: the toolbar, the combo box and
// the edit boxes.

#include "ToolkitFixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

TEST(ToolkitToolbar, ButtonsAreCountedWithTheSeparatorsAndShowTheirHints)
{
    platform::Window window("Window", "", 400, 300);
    platform::Toolbar toolbar(window, "Toolbar", 28, testPictures());
    toolbar.addButton(0, gbk("新建笔记"));
    toolbar.addSeparator();
    toolbar.addButton(1, gbk("删除笔记"));
    toolbar.addButton(0, gbk("保存"));
    std::vector<int> clicked;
    toolbar.onButtonClicked([&](int position) { clicked.push_back(position); });
    window.show();

    auto* bar = qobject_cast<QToolBar*>(toolbar.widget());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 394, 28));
    EXPECT_EQ(bar->iconSize(), QSize(16, 15));
    std::vector<QString> hints;
    for (QAction* action : bar->actions()) {
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
        if (button == nullptr)
            continue;
        EXPECT_TRUE(button->autoRaise());
        EXPECT_EQ(button->text(), "");
        hints.push_back(button->toolTip());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    EXPECT_EQ(clicked, (std::vector<int> { 0, 2, 3 }));
    EXPECT_EQ(hints,
        (std::vector<QString> {
            QString::fromUtf8("新建笔记"), QString::fromUtf8("删除笔记"), QString::fromUtf8("保存") }));
}

class TextControlTest : public ::testing::Test {
protected:
    platform::Window m_window { "Window", "", 400, 300 };
};

TEST_F(TextControlTest, AComboBoxGivesTheChosenEntryExactlyAsItWasAdded)
{
    platform::ComboBox combo(m_window, "Category", { 10, 10, 150, 24 }, 200);
    for (const std::string& entry : { gbk("数据结构"), std::string("C++"), NotGbk, gbk("C语言") })
        combo.addEntry(entry);
    m_window.show();
    auto* box = static_cast<QComboBox*>(combo.widget());
    EXPECT_EQ(box->itemText(3), utf8("C语言"));
    EXPECT_EQ(combo.text(), "");
    combo.setCurrentEntry(0);
    EXPECT_EQ(combo.text(), gbk("数据结构"));
    combo.setCurrentEntry(2);
    EXPECT_EQ(combo.text(), NotGbk);
    combo.setCurrentEntry(-1);
    EXPECT_EQ(combo.text(), "");
    EXPECT_EQ(box->currentText(), "");
}

TEST_F(TextControlTest, AMultiLineBoxEndsItsLinesWithCrLfAndGivesNothingForATextGbkCannotHold)
{
    platform::EditBox edit(m_window, "Code", { 10, 10, 300, 200 }, platform::EditKind::MultiLine);
    showActive(m_window);
    auto* widget = static_cast<QPlainTextEdit*>(edit.widget());
    edit.setText(gbk("第一行\r\n\r\n第三行"));
    EXPECT_EQ(widget->document()->blockCount(), 3);
    EXPECT_EQ(edit.text(), gbk("第一行\r\n\r\n第三行"));

    edit.setText("");
    edit.setFocus();
    typeText(*widget, "a");
    pressKey(*widget, Qt::Key_Return);
    typeText(*widget, "b");
    pressKey(*widget, Qt::Key_Return, Qt::ShiftModifier);
    typeText(*widget, utf8("中"));
    EXPECT_EQ(edit.text(), gbk("a\r\nb\r\n中"));

    typeText(*widget, utf8("\u00a0"));
    EXPECT_EQ(edit.text(), std::nullopt);
}

TEST_F(TextControlTest, AOneLineBoxTakesATextOfAnyLength)
{
    platform::EditBox edit(m_window, "Name", { 10, 10, 300, 22 }, platform::EditKind::SingleLine);
    const std::string longText(40000, 'x');
    edit.setText(longText);
    EXPECT_EQ(edit.text(), longText);
    typeText(*edit.widget(), utf8("😀"));
    EXPECT_EQ(edit.text(), std::nullopt);
}

TEST_F(TextControlTest, ADroppedDownComboBoxIsAboutAsHighAsItsDroppedHeight)
{
    platform::ComboBox combo(m_window, "Category", { 10, 10, 150, 24 }, 200);
    for (int entry = 0; entry < 30; ++entry)
        combo.addEntry(std::to_string(entry));
    showActive(m_window);
    auto* box = static_cast<QComboBox*>(combo.widget());
    QTest::mouseClick(box, Qt::LeftButton);
    QWidget* list = box->view()->window();
    ASSERT_TRUE(list->isVisible());
    EXPECT_LE(box->height() + list->height(), 200);
    EXPECT_GT(box->height() + list->height(), 150);
    box->hidePopup();
}

TEST_F(TextControlTest, AControlThatIsGoneTakesItsHandlerAlongAndLeavesItsWidgetToTheWindow)
{
    int clicks = 0;
    auto button = std::make_unique<platform::PushButton>(m_window, "Button", platform::Place { 10, 10, 80, 24 }, "OK");
    button->onClicked([&] { ++clicks; });
    button.reset();
    auto* left = m_window.widget()->findChild<QPushButton*>("Button");
    ASSERT_NE(left, nullptr);
    m_window.show();
    QTest::mouseClick(left, Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
}

} // namespace
