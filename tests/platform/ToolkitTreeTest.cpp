// The tree view: its items and their handles, the selection and what caused
// each change of it, and its right button with a popup menu.

#include "ToolkitFixture.h"

#include <QMenu>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using platform::NoTreeItem;
using platform::SelectionCause;
using platform::TreeItem;

class TreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_tree.onSelectionChanged([this](SelectionCause cause) {
            m_causes.push_back(cause);
            m_selectedThen.push_back(m_tree.selectedItem());
        });
        showActive(m_window);
    }

    TreeItem add(TreeItem parent, const std::string& text) { return m_tree.addItem(parent, text, 0, 1); }

    QTreeWidget* tree() const { return static_cast<QTreeWidget*>(m_tree.widget()); }

    // On the item's picture, where a press selects it.
    QPoint pictureOf(const char* utf8Text) const
    {
        tree()->expandAll();
        const QList<QTreeWidgetItem*> found
            = tree()->findItems(QString::fromUtf8(utf8Text), Qt::MatchExactly | Qt::MatchRecursive);
        EXPECT_EQ(found.size(), 1) << utf8Text;
        if (found.isEmpty())
            return QPoint();
        QRect cell = tree()->visualItemRect(found.first());
        return QPoint(cell.left() + 8, cell.center().y());
    }

    void click(
        const char* utf8Text, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(tree()->viewport(), button, modifiers, pictureOf(utf8Text));
    }

    platform::Window m_window { "Window", "", 400, 400 };
    platform::TreeView m_tree { m_window, "Tree", { 0, 0, 200, 300 }, testPictures() };
    platform::EditBox m_other { m_window, "Other", { 210, 0, 100, 22 }, platform::EditKind::SingleLine };
    std::vector<SelectionCause> m_causes;
    std::vector<TreeItem> m_selectedThen;
};

TEST_F(TreeTest, ItemsAreAddedAsLastChildrenAndKeepTheTextsTheyWereAddedWith)
{
    TreeItem c = add(NoTreeItem, gbk("C语言"));
    TreeItem cpp = add(NoTreeItem, "C++");
    TreeItem hello = add(c, gbk("你好世界"));
    TreeItem pointers = add(c, gbk("指针入门"));
    TreeItem broken = add(cpp, NotGbk);

    struct Expected {
        TreeItem item;
        TreeItem parent;
        std::string text;
    };
    for (const Expected& expected : std::vector<Expected> { { c, NoTreeItem, gbk("C语言") }, { cpp, NoTreeItem, "C++" },
             { hello, c, gbk("你好世界") }, { pointers, c, gbk("指针入门") }, { broken, cpp, NotGbk },
             { NoTreeItem, NoTreeItem, "" } }) {
        EXPECT_EQ(m_tree.parentOf(expected.item), expected.parent) << expected.item;
        EXPECT_EQ(m_tree.textOf(expected.item), expected.text) << expected.item;
    }
    const std::set<TreeItem> handles { c, cpp, hello, pointers, broken };
    EXPECT_EQ(handles.size(), 5u);
    EXPECT_EQ(handles.count(NoTreeItem), 0u);

    ASSERT_EQ(tree()->topLevelItemCount(), 2);
    QTreeWidgetItem* first = tree()->topLevelItem(0);
    EXPECT_EQ(first->text(0), QString::fromUtf8("C语言"));
    ASSERT_EQ(first->childCount(), 2);
    EXPECT_EQ(first->child(1)->text(0), QString::fromUtf8("指针入门"));
    // What is not GBK is still shown, as far as it can be.
    EXPECT_TRUE(tree()->topLevelItem(1)->child(0)->text(0).endsWith('A'));

    EXPECT_EQ(add(4711, "x"), NoTreeItem);
    EXPECT_EQ(tree()->topLevelItemCount(), 2);
}

TEST_F(TreeTest, DeletingTakesTheChildrenAlongAndHandlesAreNeverGivenTwice)
{
    TreeItem c = add(NoTreeItem, gbk("C语言"));
    TreeItem hello = add(c, gbk("你好世界"));
    TreeItem inner = add(hello, "inner");
    TreeItem cpp = add(NoTreeItem, "C++");
    std::set<TreeItem> given { c, hello, inner, cpp };

    m_tree.deleteItem(NoTreeItem);
    EXPECT_EQ(tree()->topLevelItemCount(), 2);
    m_tree.deleteItem(c);
    EXPECT_EQ(tree()->topLevelItemCount(), 1);
    for (TreeItem gone : { c, hello, inner }) {
        EXPECT_EQ(m_tree.textOf(gone), "");
        EXPECT_EQ(m_tree.parentOf(gone), NoTreeItem);
        EXPECT_EQ(add(gone, "child"), NoTreeItem);
    }
    EXPECT_TRUE(given.insert(add(cpp, "after delete")).second);

    m_tree.clear();
    EXPECT_EQ(tree()->topLevelItemCount(), 0);
    EXPECT_EQ(m_tree.textOf(cpp), "");
    EXPECT_TRUE(given.insert(add(NoTreeItem, "after clear")).second);
}

TEST_F(TreeTest, AddingClearingAndTakingTheFocusSelectNothing)
{
    m_tree.setFocus();
    TreeItem a = add(NoTreeItem, "A");
    add(a, "A1");
    add(NoTreeItem, "B");
    EXPECT_EQ(m_tree.selectedItem(), NoTreeItem);

    // Tabbing into the tree makes an item current without selecting it.
    m_other.setFocus();
    pressKey(*m_other.widget(), Qt::Key_Tab);
    ASSERT_TRUE(m_tree.hasFocus());
    EXPECT_EQ(m_tree.selectedItem(), NoTreeItem);
    EXPECT_TRUE(m_causes.empty());

    click("A");
    EXPECT_EQ(m_tree.selectedItem(), a);
    m_tree.clear();
    EXPECT_EQ(m_tree.selectedItem(), NoTreeItem);
    EXPECT_EQ(m_causes, (std::vector<SelectionCause> { platform::ByMouse, platform::OtherCause }));
    EXPECT_EQ(m_selectedThen, (std::vector<TreeItem> { a, NoTreeItem }));
}

TEST_F(TreeTest, EveryChangeOfTheSelectedItemIsToldWithItsCause)
{
    TreeItem a = add(NoTreeItem, "A");
    add(a, "A1");
    TreeItem b = add(NoTreeItem, "B");
    TreeItem c = add(NoTreeItem, "C");
    tree()->collapseAll();

    click("B");
    click("B");
    pressKey(*m_tree.widget(), Qt::Key_Down);
    m_tree.deleteItem(c);
    EXPECT_EQ(
        m_causes, (std::vector<SelectionCause> { platform::ByMouse, platform::ByKeyboard, platform::OtherCause }));
    EXPECT_EQ(m_selectedThen, (std::vector<TreeItem> { b, c, b }));
}

TEST_F(TreeTest, APressBesideTheTextOrBelowTheItemsSelectsNothing)
{
    TreeItem a = add(NoTreeItem, "A");
    add(NoTreeItem, "B");
    click("A");
    const QPoint besideB(tree()->viewport()->width() - 10, pictureOf("B").y());
    const QPoint belowAll(20, tree()->viewport()->height() - 5);
    for (QPoint place : { besideB, belowAll }) {
        for (Qt::MouseButton button : { Qt::LeftButton, Qt::RightButton })
            QTest::mouseClick(tree()->viewport(), button, Qt::NoModifier, place);
    }
    EXPECT_EQ(m_tree.selectedItem(), a);
    EXPECT_EQ(m_causes, std::vector<SelectionCause> { platform::ByMouse });
}

TEST_F(TreeTest, TheSelectionShowsOnlyWhileTheTreeHasTheFocus)
{
    add(NoTreeItem, "A");
    click("A");
    const QPoint rowEnd(tree()->viewport()->width() - 2, pictureOf("A").y());
    auto colourAtRowEnd = [&] { return tree()->viewport()->grab().toImage().pixelColor(rowEnd); };
    const QColor base = tree()->palette().color(QPalette::Active, QPalette::Base);
    EXPECT_NE(colourAtRowEnd(), base);
    m_other.setFocus();
    EXPECT_EQ(colourAtRowEnd(), base);
}

TEST_F(TreeTest, TheRightButtonHandlerRunsBeforeTheTreeSelectsTheItemPressed)
{
    TreeItem a = add(NoTreeItem, "A");
    TreeItem b = add(NoTreeItem, "B");
    click("A");
    struct Press {
        TreeItem selected;
        QPoint at;
        int keys;
        bool operator==(const Press&) const = default;
    };
    std::vector<Press> presses;
    m_tree.onRightButtonDown([&](int x, int y, int keys) {
        presses.push_back({ m_tree.selectedItem(), QPoint(x, y), keys });
    });

    struct Case {
        Qt::KeyboardModifiers modifiers;
        int keys;
    };
    std::vector<Press> expected;
    bool onB = true;
    for (const Case& held :
        std::vector<Case> { { Qt::NoModifier, 0 }, { Qt::ControlModifier, 1 }, { Qt::ShiftModifier, 2 },
            { Qt::AltModifier, 4 }, { Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier, 7 } }) {
        const char* target = onB ? "B" : "A";
        expected.push_back({ onB ? a : b, pictureOf(target), held.keys });
        click(target, Qt::RightButton, held.modifiers);
        EXPECT_EQ(m_tree.selectedItem(), onB ? b : a) << held.keys;
        onB = !onB;
    }
    EXPECT_TRUE(presses == expected);
}

TEST_F(TreeTest, APopupCommandRunsAfterThePressAndActsOnTheItemRightClicked)
{
    add(NoTreeItem, "A");
    TreeItem b = add(NoTreeItem, "B");
    platform::PopupMenu menu(m_window, gbk("笔记"));
    std::vector<TreeItem> commandSaw;
    bool ranBeforePopupReturned = false;
    menu.addEntry(gbk("新建笔记"), [] {});
    menu.addEntry(gbk("删除笔记"), [&] { commandSaw.push_back(m_tree.selectedItem()); });
    m_tree.onRightButtonDown([&](int, int, int) {
        menu.popup();
        ranBeforePopupReturned = !commandSaw.empty();
    });

    struct Case {
        Qt::MouseButton choosingButton;
        std::vector<TreeItem> expected;
    };
    for (const Case& test :
        std::vector<Case> { { Qt::LeftButton, { b } }, { Qt::RightButton, { b } }, { Qt::NoButton, {} } }) {
        click("A");
        commandSaw.clear();
        WhenOpen choose(popupMenu(), [&](QWidget& popup) {
            auto& shown = static_cast<QMenu&>(popup);
            EXPECT_EQ(shown.title(), QString::fromUtf8("笔记"));
            if (test.choosingButton == Qt::NoButton)
                QTest::keyClick(&shown, Qt::Key_Escape);
            else
                chooseEntry(shown, QString::fromUtf8("删除笔记"), test.choosingButton);
        });
        click("B", Qt::RightButton);
        EXPECT_TRUE(choose.answered());
        EXPECT_FALSE(ranBeforePopupReturned);
        QCoreApplication::processEvents();
        EXPECT_EQ(commandSaw, test.expected) << test.choosingButton;
    }
    EXPECT_EQ(m_tree.selectedItem(), b);
}

} // namespace
