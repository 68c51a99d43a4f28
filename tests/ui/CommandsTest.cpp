#include "UiFixture.h"

#include "app/Globals.h"
#include "editor/CodeEditor.h"
#include "platform/FileSystemCalls.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <map>

namespace {

using CommandsTest = UiTest;

struct NewCategoryCase {
    const char* typed; // nullptr: Cancel
    std::vector<std::string> onDisk;
    QStringList shownAfter;
    QStringList messages;
};

class NewCategoryTest : public UiTest, public ::testing::WithParamInterface<NewCategoryCase> { };

TEST_P(NewCategoryTest, CreatesWhatIsTypedAndRebuildsTheTree)
{
    const NewCategoryCase& c = GetParam();
    makeNote("A", "x.txt", "x");
    openMainWindow();
    tree()->expandAll();
    click(item("A/x"));
    if (c.typed == nullptr)
        answers.then(press("取消(&C)"));
    else
        answers.then(typeAndPress(QString::fromUtf8(c.typed), "确认输入(&O)"));
    for (int i = 0; i < c.messages.size(); ++i)
        answers.then(press("确定"));
    clickToolbarButton("新建分类");

    QStringList expectedShown { QStringLiteral("添加新的分类|请输出新建分类名称") };
    for (const QString& message : c.messages)
        expectedShown << QStringLiteral("信息：|") + message;
    EXPECT_EQ(answers.shown(), expectedShown);
    std::vector<std::string> onDisk;
    for (const fs::directory_entry& entry : fs::directory_iterator(storeRoot()))
        onDisk.push_back(entry.path().filename().string());
    std::sort(onDisk.begin(), onDisk.end());
    EXPECT_EQ(onDisk, c.onDisk);
    QStringList shown;
    for (int i = 0; i < tree()->topLevelItemCount(); ++i)
        shown << tree()->topLevelItem(i)->text(0);
    shown.sort();
    EXPECT_EQ(shown, c.shownAfter);
    EXPECT_EQ(item("A")->childCount(), 1);
    // Rebuilt in every case: collapsed, nothing selected.
    EXPECT_EQ(selectedPath(), QString());
}

INSTANTIATE_TEST_SUITE_P(Names, NewCategoryTest,
    ::testing::Values(NewCategoryCase { "新分类", { "A", "新分类" }, { "A", "新分类" }, {} },
        NewCategoryCase { nullptr, { "A" }, { "A" }, {} }, NewCategoryCase { "", { "A" }, { "A" }, {} },
        NewCategoryCase { "A", { "A" }, { "A" }, {} },
        NewCategoryCase { " 空格 ", { " 空格 ", "A" }, { " 空格 ", "A" }, {} },
        NewCategoryCase { ".hidden", { ".hidden", "A" }, { "A" }, {} },
        NewCategoryCase { "a/b", { "A" }, { "A" }, { "分类名称不能包含 / 或 \\，也不能是 . 或 .." } },
        NewCategoryCase { "a\\b", { "A" }, { "A" }, { "分类名称不能包含 / 或 \\，也不能是 . 或 .." } },
        NewCategoryCase { "..", { "A" }, { "A" }, { "分类名称不能包含 / 或 \\，也不能是 . 或 .." } },
        NewCategoryCase { ".", { "A" }, { "A" }, { "分类名称不能包含 / 或 \\，也不能是 . 或 .." } }));

struct DeleteCase {
    const char* target;
    const char* answer;
    QString question;
    bool removed;
};

class DeleteTest : public UiTest, public ::testing::WithParamInterface<DeleteCase> { };

TEST_P(DeleteTest, AsksFirstAndDeletesOnlyAfterYes)
{
    const DeleteCase& c = GetParam();
    makeNote("A", "x.txt", "x");
    makeNote("A", "y.txt", "y");
    makeFile(storeRoot() / "A" / "sub" / "deep.txt", "deep");
    makeNote("B", "z.txt", "z");
    openMainWindow();
    tree()->expandAll();
    click(item(QString::fromUtf8(c.target)));
    answers.then(press(QString::fromUtf8(c.answer)));
    auto before = snapshot();
    clickToolbarButton("删除选中笔记");

    EXPECT_EQ(answers.shown(), QStringList { QStringLiteral("提示|") + c.question });
    fs::path path = storeRoot() / fs::path(c.target);
    if (QString::fromUtf8(c.target).contains('/'))
        path += ".txt";
    EXPECT_EQ(fs::exists(path), !c.removed);
    EXPECT_EQ(item(QString::fromUtf8(c.target)) == nullptr, c.removed);
    if (!c.removed) {
        EXPECT_EQ(snapshot(), before);
    }
    EXPECT_NE(item("B/z"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Answers, DeleteTest,
    ::testing::Values(DeleteCase { "A", "是(&Y)", "您确定删除该分类吗,该操作也会将该分类内的所有笔记删除。", true },
        DeleteCase { "A", "否(&N)", "您确定删除该分类吗,该操作也会将该分类内的所有笔记删除。", false },
        DeleteCase { "A/y", "是(&Y)", "您确定删除此笔记吗", true },
        DeleteCase { "A/y", "否(&N)", "您确定删除此笔记吗", false }));

TEST_F(CommandsTest, DeleteWithNothingSelectedAsksNothingAndDeletesNothing)
{
    makeNote("A", "x.txt", "x");
    openMainWindow();
    auto before = snapshot();
    answers.then(press("确定"));
    clickToolbarButton("删除选中笔记");
    EXPECT_EQ(answers.shown(), QStringList { QStringLiteral("信息：|请先选中要删除的分类或笔记") });
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(treeText(), QStringLiteral("A(x)"));
}

TEST_F(CommandsTest, ACategoryNotRemovedCompletelyIsSaidAndShownAsItIsLeft)
{
    makeNote("A", "x.txt", "x");
    makeNote("A", "keep.txt", "stays");
    openMainWindow();
    click(item("A"));
    platform::FileSystemCalls calls = platform::realFileSystemCalls();
    calls.unlinkat = [](int directory, const char* name, int flags) {
        if (std::strcmp(name, "keep.txt") == 0) {
            errno = EACCES;
            return -1;
        }
        return ::unlinkat(directory, name, flags);
    };
    FailingCalls failing(calls);
    answers.then(press("是(&Y)")).then(press("确定"));
    clickToolbarButton("删除选中笔记");
    ASSERT_EQ(answers.shown().size(), 2);
    EXPECT_TRUE(answers.shown()[1].startsWith(QStringLiteral("信息：|删除失败："))) << answers.shown()[1].toStdString();
    EXPECT_EQ(treeText(), QStringLiteral("A(keep)"));
}

TEST_F(CommandsTest, DeletingANoteAlreadyGoneRemovesItsItemWithoutAMessage)
{
    makeNote("A", "x.txt", "x");
    makeNote("A", "y.txt", "y");
    openMainWindow();
    tree()->expandAll();
    click(item("A/x"));
    fs::remove(storeRoot() / "A" / "x.txt");
    answers.then(press("是(&Y)"));
    clickToolbarButton("删除选中笔记");
    EXPECT_EQ(answers.shown(), QStringList { QStringLiteral("提示|您确定删除此笔记吗") });
    EXPECT_EQ(item("A/x"), nullptr);
    EXPECT_NE(item("A/y"), nullptr);
}

TEST_F(CommandsTest, SaveWritesExactlyTheGbkOfTheEditorsTextIntoTheSelectedNote)
{
    makeNote("A", "x.txt", "old");
    makeNote("A", "y.txt", "other");
    openMainWindow();
    tree()->expandAll();
    click(item("A/x"));
    setEditorText("// 你好\r\nint main() { return 0; }\r\n");
    answers.then(press("确定"));
    clickToolbarButton("保存编辑内容");
    EXPECT_EQ(answers.shown(), QStringList { QStringLiteral("信息：|修改成功") });
    EXPECT_EQ(fileBytes(storeRoot() / "A" / "x.txt"), gbk("// 你好\r\nint main() { return 0; }\r\n"));
    EXPECT_EQ(fileBytes(storeRoot() / "A" / "y.txt"), "other");

    // An empty editor empties the note.
    setEditorText("");
    answers.then(press("确定"));
    clickToolbarButton("保存编辑内容");
    EXPECT_EQ(answers.shown().back(), QStringLiteral("信息：|修改成功"));
    EXPECT_EQ(fileBytes(storeRoot() / "A" / "x.txt"), "");
}

TEST_F(CommandsTest, SaveWritesTheWholeTextAfterTypingInsideIt)
{
    makeNote("A", "x.txt", "int 变量 = 1;\r\nint y;");
    openMainWindow();
    tree()->expandAll();
    click(item("A/x"));
    QWidget* editor = editorWidget();
    editor->setFocus();
    pressKey(editor, Qt::Key_Home, Qt::ControlModifier);
    for (int step = 0; step < 4; ++step)
        pressKey(editor, Qt::Key_Right);
    QTest::keyClicks(editor, "new ");
    answers.then(press("确定"));
    clickToolbarButton("保存编辑内容");
    EXPECT_EQ(answers.shown(), QStringList { QStringLiteral("信息：|修改成功") });
    EXPECT_EQ(fileBytes(storeRoot() / "A" / "x.txt"), gbk("int new 变量 = 1;\r\nint y;"));
}

TEST_F(CommandsTest, SaveWritesNothingWhereItCannotBeRight)
{
    makeNote("A", "x.txt", "old");
    openMainWindow();
    auto before = snapshot();
    setEditorText("text");
    answers.then(press("确定"));
    clickToolbarButton("保存编辑内容");
    click(item("A"));
    answers.then(press("确定"));
    clickToolbarButton("保存编辑内容");
    tree()->expandAll();
    click(item("A/x"));
    setEditorText("emoji 한");
    answers.then(press("确定"));
    clickToolbarButton("保存编辑内容");
    EXPECT_EQ(answers.shown(),
        (QStringList { "信息：|请先在左侧选中要保存的笔记", "信息：|请先在左侧选中要保存的笔记",
            "信息：|笔记中含有无法用GBK保存的字符，未保存" }));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(CommandsTest, AFailedSaveSaysWhyAndKeepsTheNote)
{
    makeNote("A", "x.txt", "old");
    openMainWindow();
    tree()->expandAll();
    click(item("A/x"));
    setEditorText("new text");
    platform::FileSystemCalls calls = platform::realFileSystemCalls();
    calls.write = [](int, const void*, size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    };
    FailingCalls failing(calls);
    answers.then(press("确定"));
    clickToolbarButton("保存编辑内容");
    ASSERT_EQ(answers.shown().size(), 1);
    EXPECT_TRUE(answers.shown()[0].startsWith(QStringLiteral("信息：|保存失败："))) << answers.shown()[0].toStdString();
    EXPECT_GT(answers.shown()[0].size(), QStringLiteral("信息：|保存失败：").size());
    EXPECT_EQ(fileBytes(storeRoot() / "A" / "x.txt"), "old");
}

// An editor whose window cannot be made, as without the engine module.
class WindowlessEditor : public CodeEditor {
public:
    std::int32_t create(HWND) override { return 0; }
};

TEST_F(CommandsTest, SaveWithoutAnEditorWritesNothing)
{
    makeNote("A", "x.txt", "old");
    TheEditor = std::make_unique<WindowlessEditor>();
    openMainWindow();
    tree()->expandAll();
    click(item("A/x"));
    answers.then(press("确定"));
    clickToolbarButton("保存编辑内容");
    EXPECT_EQ(answers.shown(), QStringList { QStringLiteral("信息：|编辑器不可用，未保存") });
    EXPECT_EQ(fileBytes(storeRoot() / "A" / "x.txt"), "old");
}

TEST_F(CommandsTest, CopyPutsTheWholeTextOnTheClipboard)
{
    makeNote("A", "x.txt", "// 指针\r\nint* p;\r\n");
    openMainWindow();
    tree()->expandAll();
    click(item("A/x"));
    // Neither the tree's selection nor the editor's matters.
    click(item("A"));
    answers.then(press("确定"));
    clickToolbarButton("复制笔记");
    EXPECT_EQ(answers.shown(), QStringList { QStringLiteral("信息：|复制成功") });
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("// 指针\r\nint* p;\r\n"));

    setEditorText("a 한 b");
    answers.then(press("确定"));
    clickToolbarButton("复制笔记");
    EXPECT_EQ(answers.shown().back(), QStringLiteral("信息：|笔记中含有无法用GBK保存的字符，未复制"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("// 指针\r\nint* p;\r\n"));
}

} // namespace
