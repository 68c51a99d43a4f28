#include "UiFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

using AddNoteWindowTest = UiTest;

// What a person does in the window: choose the category by its place in the
// list (none for -1), type the name and the lines of the text.
struct Typing {
    int category;
    QString name;
    QStringList lines;
};

void type(QWidget* window, const Typing& typing)
{
    auto* combo = window->findChild<QComboBox*>(QStringLiteral("CategoryCombo"));
    ASSERT_NE(combo, nullptr);
    combo->setFocus();
    for (int step = 0; step <= typing.category; ++step)
        QTest::keyClick(combo, Qt::Key_Down);
    typeText(window->findChild<QLineEdit*>(QStringLiteral("NoteNameEdit")), typing.name);
    auto* content = window->findChild<QPlainTextEdit*>(QStringLiteral("NoteContentEdit"));
    for (int line = 0; line < typing.lines.size(); ++line) {
        if (line > 0)
            QTest::keyClick(content, Qt::Key_Return);
        typeText(content, typing.lines[line]);
    }
}

void clickSave(QWidget* window)
{
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("SaveNoteButton")), Qt::LeftButton);
}

TEST_F(AddNoteWindowTest, WritesTheNoteAsTypedAndRebuildsTheTree)
{
    makeNote("B", "other.txt", "other");
    fs::create_directory(storeRoot() / "C");
    openMainWindow();
    tree()->expandAll();
    click(item("B/other"));
    QStringList entries;
    answers.then(actIn([&](QWidget* window) {
        auto* combo = window->findChild<QComboBox*>(QStringLiteral("CategoryCombo"));
        for (int i = 0; i < combo->count(); ++i)
            entries << combo->itemText(i);
        EXPECT_EQ(combo->currentIndex(), -1);
        // The client area of an outer size of 658 x 419, centred on the screen.
        EXPECT_EQ(window->size(), QSize(652, 392));
        QRect screen = window->screen()->geometry();
        EXPECT_EQ(window->pos(), QPoint((screen.width() - 658) / 2, (screen.height() - 419) / 2));
        type(window, { static_cast<int>(entries.indexOf("C")), "hello", { "int main()", "{", "    return 0;", "}" } });
        clickSave(window);
    }));
    clickToolbarButton("添加笔记");

    EXPECT_EQ(answers.shown(), QStringList { QStringLiteral("添加笔记") });
    // The same names, in the same order, as the tree's categories.
    QStringList categories;
    for (int i = 0; i < tree()->topLevelItemCount(); ++i)
        categories << tree()->topLevelItem(i)->text(0);
    EXPECT_EQ(entries, categories);
    EXPECT_EQ(fileBytes(storeRoot() / "C" / "hello.txt"), "int main()\r\n{\r\n    return 0;\r\n}");
    EXPECT_NE(item("C/hello"), nullptr);
    EXPECT_EQ(selectedPath(), QString());
    EXPECT_EQ(editorText(), "other");
}

TEST_F(AddNoteWindowTest, KeepsWhatIsTypedInChineseAsGbk)
{
    fs::create_directory(storeRoot() / "数据结构");
    openMainWindow();
    answers.then(actIn([](QWidget* window) {
        type(window, { 0, "链表", { "// 单链表", "struct Node;" } });
        clickSave(window);
    }));
    clickToolbarButton("添加笔记");
    EXPECT_EQ(fileBytes(storeRoot() / fs::path("数据结构") / fs::path("链表.txt")), gbk("// 单链表\r\nstruct Node;"));
}

TEST_F(AddNoteWindowTest, EscWritesNothing)
{
    makeNote("C", "x.txt", "x");
    openMainWindow();
    auto before = snapshot();
    answers.then(actIn([](QWidget* window) {
        type(window, { 0, "hello", { "text" } });
        QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
    }));
    clickToolbarButton("添加笔记");
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(treeText(), QStringLiteral("C(x)"));
}

struct RefusedCase {
    Typing typing;
    QString message;
};

class RefusedNoteTest : public UiTest, public ::testing::WithParamInterface<RefusedCase> { };

TEST_P(RefusedNoteTest, StaysOpenWithEverythingTypedAndSaysWhy)
{
    const RefusedCase& c = GetParam();
    fs::create_directory(storeRoot() / "C");
    openMainWindow();
    auto before = snapshot();
    QString nameAfter, contentAfter;
    bool openAfter = false;
    answers.then(actIn([&](QWidget* window) {
        type(window, c.typing);
        clickSave(window);
        QTest::qWait(30);
        openAfter = window->isVisible();
        nameAfter = window->findChild<QLineEdit*>(QStringLiteral("NoteNameEdit"))->text();
        contentAfter = window->findChild<QPlainTextEdit*>(QStringLiteral("NoteContentEdit"))->toPlainText();
        QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
    }));
    answers.then(press("确定"));
    clickToolbarButton("添加笔记");
    EXPECT_EQ(answers.shown(), (QStringList { "添加笔记", "信息：|" + c.message }));
    EXPECT_TRUE(openAfter);
    EXPECT_EQ(nameAfter, c.typing.name);
    EXPECT_EQ(contentAfter, c.typing.lines.join('\n'));
    EXPECT_EQ(snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(Refusals, RefusedNoteTest,
    ::testing::Values(RefusedCase { { -1, "hello", { "text" } }, "请选择在哪个分类中添加笔记" },
        RefusedCase { { 0, "a/b", { "text" } }, "笔记名称不能包含 / 或 \\" },
        RefusedCase { { 0, "a\\b", { "text" } }, "笔记名称不能包含 / 或 \\" },
        RefusedCase { { 0, "名한", { "text" } }, "笔记名称中含有无法用GBK保存的字符，未保存" },
        RefusedCase { { 0, "hello", { "int 한;" } }, "笔记中含有无法用GBK保存的字符，未保存" }));

TEST_F(AddNoteWindowTest, AFailedWriteSaysWhyAndStaysOpen)
{
    fs::create_directory(storeRoot() / "C");
    openMainWindow();
    platform::FileSystemCalls calls = platform::realFileSystemCalls();
    calls.fsync = [](int) {
        errno = EIO;
        return -1;
    };
    FailingCalls failing(calls);
    bool openAfter = false;
    answers.then(actIn([&](QWidget* window) {
        type(window, { 0, "hello", { "text" } });
        clickSave(window);
        QTest::qWait(30);
        openAfter = window->isVisible();
        QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
    }));
    answers.then(press("确定"));
    clickToolbarButton("添加笔记");
    ASSERT_EQ(answers.shown().size(), 2);
    EXPECT_TRUE(answers.shown()[1].startsWith(QStringLiteral("信息：|保存失败："))) << answers.shown()[1].toStdString();
    EXPECT_TRUE(openAfter);
    EXPECT_FALSE(fs::exists(storeRoot() / "C" / "hello.txt"));
}

struct WrittenCase {
    const char* name;
    QStringList lines;
    const char* file;
    std::string bytes;
};

class WrittenNoteTest : public UiTest, public ::testing::WithParamInterface<WrittenCase> { };

TEST_P(WrittenNoteTest, WritesWithoutAQuestion)
{
    const WrittenCase& c = GetParam();
    makeNote("C", "hello.txt", "old text");
    openMainWindow();
    answers.then(actIn([&](QWidget* window) {
        type(window, { 0, QString::fromUtf8(c.name), c.lines });
        clickSave(window);
    }));
    clickToolbarButton("添加笔记");
    EXPECT_EQ(answers.shown(), QStringList { QStringLiteral("添加笔记") });
    EXPECT_EQ(fileBytes(storeRoot() / "C" / c.file), c.bytes);
    EXPECT_NE(item(QStringLiteral("C/") + QString::fromUtf8(c.name)), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Notes, WrittenNoteTest,
    ::testing::Values(WrittenCase { "hello", { "new" }, "hello.txt", "new" },
        WrittenCase { "", { "nameless" }, ".txt", "nameless" }, WrittenCase { "empty", {}, "empty.txt", "" }));

} // namespace
