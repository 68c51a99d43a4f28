#include "UiFixture.h"

#include "app/Globals.h"
#include "editor/CodeEditor.h"

#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using MainWindowTest = UiTest;

TEST_F(MainWindowTest, OpensWithItsControlsWhereTheyBelong)
{
    openMainWindow();
    QWidget* window = mainWindow();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillery1.0  By Tamberlo"));
    // The client area of an outer size of 1126 x 660 within a fixed single border.
    EXPECT_EQ(window->size(), QSize(1120, 633));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    struct Expected {
        const char* name;
        QRect place;
    };
    for (const Expected& control : { Expected { "ContentFrame", { 0, 30, 1120, 603 } },
             Expected { "CategoryTree", { 3, 8, 192, 590 } }, Expected { "EditorHost", { 196, 8, 920, 590 } } }) {
        QWidget* widget = window->findChild<QWidget*>(QString::fromLatin1(control.name));
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->geometry(), control.place) << control.name;
    }
    // The operations menu never shows in a menu bar.
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        EXPECT_FALSE(bar->isVisible());

    QStringList hints;
    for (QToolButton* button :
        window->findChild<QWidget*>(QStringLiteral("MainToolbar"))->findChildren<QToolButton*>()) {
        if (button->isVisible())
            hints << button->toolTip();
    }
    EXPECT_EQ(hints, (QStringList { "新建分类", "添加笔记", "删除选中笔记", "保存编辑内容", "复制笔记" }));

    // The editor fills its panel.
    QWidget* host = window->findChild<QWidget*>(QStringLiteral("EditorHost"));
    ASSERT_NE(TheEditor->windowHandle(), nullptr);
    QList<QWidget*> inHost = host->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(inHost.size(), 1);
    EXPECT_EQ(inHost.front()->geometry(), QRect(QPoint(0, 0), host->size()));
}

TEST_F(MainWindowTest, ShowsTheStoreCollapsedWithNothingSelected)
{
    makeNote("A", "x.txt", "int x;");
    makeNote("A", "y.txt", "int y;");
    fs::create_directory(storeRoot() / "B");
    fs::create_directory(storeRoot() / ".hidden");
    makeNote("B", "readme.md", "not a note");
    openMainWindow();
    // The file system's order, whatever it is: compare as sets of names.
    QStringList shown = treeText().split(' ');
    shown.sort();
    EXPECT_EQ(shown, (QStringList { "A(x,y)", "B" })) << treeText().toStdString();
    EXPECT_EQ(selectedPath(), QString());
    EXPECT_EQ(CategoryIndex, 3);
}

TEST_F(MainWindowTest, StartsWithAnEmptyTreeWithoutAStore)
{
    fs::remove_all(storeRoot());
    openMainWindow();
    EXPECT_EQ(tree()->topLevelItemCount(), 0);
    EXPECT_EQ(CategoryIndex, 1);
    EXPECT_TRUE(CategoryList.empty());
}

TEST_F(MainWindowTest, LoadsEachNoteTheArrowKeysPass)
{
    makeNote("A", "x.txt", "第一");
    makeNote("A", "y.txt", "");
    makeNote("A", "z.txt", "third");
    // What the category's path names as a note, which it must not read.
    makeFile(storeRoot() / "A.txt", "not a note");
    openMainWindow();
    setEditorText("kept");
    click(item("A"));
    // A category reads nothing and leaves the editor as it is.
    EXPECT_EQ(editorText(), "kept");
    pressKey(tree(), Qt::Key_Right);
    std::vector<std::pair<QString, std::string>> seen;
    for (int step = 0; step < 3; ++step) {
        pressKey(tree(), Qt::Key_Down);
        seen.emplace_back(selectedPath(), editorText());
    }
    // The notes' order is the file system's; each holds its own text.
    std::map<QString, std::string> byNote(seen.begin(), seen.end());
    EXPECT_EQ(byNote, (std::map<QString, std::string> { { "A/x", "第一" }, { "A/y", "" }, { "A/z", "third" } }));
}

TEST_F(MainWindowTest, AnEmptyNoteAfterAFullOneEmptiesTheEditor)
{
    makeNote("A", "full.txt", "int main() {}\r\n");
    makeNote("A", "empty.txt", "");
    openMainWindow();
    click(item("A"));
    pressKey(tree(), Qt::Key_Right);
    click(item("A/full"));
    EXPECT_EQ(editorText(), "int main() {}\r\n");
    click(item("A/empty"));
    EXPECT_EQ(editorText(), "");
}

TEST_F(MainWindowTest, NamesComeFromFileNamesWithoutTheirTxt)
{
    makeNote("C", ".txt", "no name");
    makeNote("C", "a.txt.txt", "listed as a");
    makeNote("C", "a.txt", "read as a");
    openMainWindow();
    tree()->expandAll();
    QStringList notes;
    for (int i = 0; i < item("C")->childCount(); ++i)
        notes << item("C")->child(i)->text(0);
    notes.sort();
    EXPECT_EQ(notes, (QStringList { "", "a", "a" }));
    for (int i = 0; i < item("C")->childCount(); ++i) {
        QTreeWidgetItem* note = item("C")->child(i);
        click(note);
        EXPECT_EQ(editorText(), note->text(0).isEmpty() ? "no name" : "read as a");
    }
}

TEST_F(MainWindowTest, ANoteThatCannotBeShownLeavesTheEditorEmptyAndSaysWhy)
{
    makeFile(storeRoot() / "A" / "bad.txt", "\x81\x20"); // a lead byte without its trail
    makeNote("A", "gone.txt", "soon deleted");
    openMainWindow();
    tree()->expandAll();
    fs::remove(storeRoot() / "A" / "gone.txt");
    answers.then(press("确定")).then(press("确定"));
    setEditorText("before");
    click(item("A/bad"));
    EXPECT_EQ(editorText(), "");
    setEditorText("before");
    click(item("A/gone"));
    EXPECT_EQ(editorText(), "");
    ASSERT_EQ(answers.shown().size(), 2);
    EXPECT_EQ(answers.shown()[0], QStringLiteral("信息：|该笔记不是有效的GBK文本，无法显示"));
    EXPECT_TRUE(answers.shown()[1].startsWith(QStringLiteral("信息：|无法读取该笔记：")))
        << answers.shown()[1].toStdString();
    EXPECT_GT(answers.shown()[1].size(), QStringLiteral("信息：|无法读取该笔记：").size());
}

TEST_F(MainWindowTest, ARightPressOpensTheMenuThenSelectsTheItemForTheChosenCommand)
{
    makeNote("A", "x.txt", "x");
    makeNote("A", "y.txt", "y text");
    openMainWindow();
    tree()->expandAll();
    click(item("A/x"));
    QString selectedWhileOpen;
    answers.then(actIn([&](QWidget* menu) {
        selectedWhileOpen = selectedPath();
        choose("删除选中")(menu);
    }));
    answers.then(press("是(&Y)"));
    click(item("A/y"), Qt::RightButton);
    settle();
    EXPECT_EQ(selectedWhileOpen, QStringLiteral("A/x"));
    ASSERT_EQ(answers.shown().size(), 2);
    EXPECT_EQ(answers.shown()[0], QStringLiteral("menu|新建分类,添加笔记,删除选中"));
    EXPECT_EQ(answers.shown()[1], QStringLiteral("提示|您确定删除此笔记吗"));
    EXPECT_FALSE(fs::exists(storeRoot() / "A" / "y.txt"));
    EXPECT_TRUE(fs::exists(storeRoot() / "A" / "x.txt"));
    EXPECT_EQ(item("A/y"), nullptr);
}

TEST_F(MainWindowTest, ARightPressBesideTheItemsKeepsTheSelection)
{
    makeNote("A", "x.txt", "x");
    openMainWindow();
    tree()->expandAll();
    click(item("A/x"));
    // Below the last item, and beside the text of another.
    for (QPoint place : { QPoint(40, tree()->viewport()->height() - 10),
             QPoint(tree()->visualItemRect(item("A")).left() + 120, tree()->visualItemRect(item("A")).center().y()) }) {
        answers.then(keyIn(Qt::Key_Escape));
        QTest::mouseClick(tree()->viewport(), Qt::RightButton, {}, place);
        settle();
        EXPECT_EQ(answers.shown().back(), QStringLiteral("menu|新建分类,添加笔记,删除选中"));
        EXPECT_EQ(selectedPath(), QStringLiteral("A/x"));
    }
    EXPECT_EQ(answers.shown().size(), 2);
    EXPECT_TRUE(fs::exists(storeRoot() / "A" / "x.txt"));
}

TEST_F(MainWindowTest, EscInTheEditorClosesTheWindowWithoutSaving)
{
    makeNote("A", "x.txt", "kept");
    openMainWindow();
    tree()->expandAll();
    click(item("A/x"));
    QWidget* editor = editorWidget();
    editor->setFocus();
    QTest::keyClicks(editor, "changed ");
    ASSERT_EQ(editorText(), "changed kept");
    QWidget* window = mainWindow();
    pressKey(editor, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(fileBytes(storeRoot() / "A" / "x.txt"), "kept");
}

TEST_F(MainWindowTest, TabMovesTheFocusOutOfTheEditor)
{
    openMainWindow();
    setEditorText("");
    QWidget* editor = editorWidget();
    editor->setFocus();
    ASSERT_TRUE(editor->hasFocus());
    pressKey(editor, Qt::Key_Tab);
    EXPECT_FALSE(editor->hasFocus());
    EXPECT_NE(QApplication::focusWidget(), nullptr);
    // The keyboard hook gives the editor the Tab all the same.
    EXPECT_EQ(editorText(), "\t");
}

// A note shown starts an undo history of its own: undoing never brings back
// the note shown before, which a save would then write over this one.
TEST_F(MainWindowTest, UndoAfterSelectingANoteNeverBringsBackTheNoteBefore)
{
    makeNote("A", "x.txt", "first");
    makeNote("A", "y.txt", "second");
    openMainWindow();
    tree()->expandAll();
    click(item("A/x"));
    QWidget* editor = editorWidget();
    editor->setFocus();
    QTest::keyClicks(editor, "edited ");
    click(item("A/y"));
    ASSERT_EQ(editorText(), "second");
    for (int times = 0; times < 3; ++times)
        pressKey(editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editorText(), "second");
    answers.then(press("确定"));
    clickToolbarButton("保存编辑内容");
    EXPECT_EQ(fileBytes(storeRoot() / "A" / "y.txt"), "second");
    EXPECT_EQ(fileBytes(storeRoot() / "A" / "x.txt"), "first");
}

// What a handler of modifications heard: the insertions, "position [text]".
std::vector<std::string>& insertionsHeard()
{
    static std::vector<std::string> heard;
    return heard;
}

void onModified(std::int32_t position, std::int32_t modificationType, const std::string& text, std::int32_t,
    std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t)
{
    if ((modificationType & 0x01) != 0)
        insertionsHeard().push_back(std::to_string(position) + " [" + text + "]");
}

class ModificationsTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        insertionsHeard().clear();
    }
    void TearDown() override
    {
        EditorEventSlots[ModifiedEvent] = nullptr;
        UiTest::TearDown();
    }
};

TEST_F(ModificationsTest, ANoteSelectedReachesAHandlerOfModificationsWhole)
{
    makeNote("A", "x.txt", "// 第一\r\nint x;");
    openMainWindow();
    tree()->expandAll();
    TheEditor->setModifiedHandler(onModified);
    click(item("A/x"));
    EXPECT_EQ(insertionsHeard(), std::vector<std::string> { "0 [// 第一\r\nint x;]" });
}

TEST_F(ModificationsTest, EditsAfterASelectionAreReportedAgain)
{
    makeNote("A", "x.txt", "ab");
    openMainWindow();
    tree()->expandAll();
    click(item("A/x"));
    TheEditor->setModifiedHandler(onModified);
    QWidget* editor = editorWidget();
    editor->setFocus();
    pressKey(editor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(editor, "c");
    EXPECT_EQ(insertionsHeard(), std::vector<std::string> { "2 [c]" });
    EXPECT_EQ(editorText(), "abc");
}

} // namespace
