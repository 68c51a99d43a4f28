#include "FaultFixture.h"
#include "LargeNote.h"

#include "app/Globals.h"
#include "editor/CodeEditor.h"
#include "platform/TextConverter.h"

namespace {

using OddNoteTest = FaultTest;

std::string editorLine(std::intptr_t line)
{
    std::string text;
    TheEditor->getLine(line, text);
    return text;
}

TEST_F(OddNoteTest, AHundredMegabyteNoteIsShownAndSavedBackByteForByte)
{
    const std::string note = largeGbkNote(100 << 20);
    const std::string lastLine = note.substr(note.rfind("\r\n", note.size() - 3) + 2);
    makeFile(noteFile(), note);
    openMainWindow();

    selectNote("A/x");
    EXPECT_EQ(TheEditor->getTextLength(), static_cast<LRESULT>(platform::utf8FromGbk(note).value().size()));
    EXPECT_EQ(editorLine(0), platform::utf8FromGbk(note.substr(0, note.find("\r\n") + 2)).value());
    EXPECT_EQ(editorLine(TheEditor->getLineCount() - 2), platform::utf8FromGbk(lastLine).value());

    answers.then(press("确定"));
    clickToolbarButton("保存编辑内容");
    EXPECT_EQ(answers.shown(), QStringList { QStringLiteral("信息：|修改成功") });
    EXPECT_EQ(fs::file_size(noteFile()), note.size());
    EXPECT_EQ(firstDifference(fileBytes(noteFile()), note), NoDifference);
}

struct OddNote {
    const char* what;
    std::string bytes;
    std::string shown; // UTF-8
    QStringList messages;
    // Whether a save without an edit writes the note back; otherwise it is refused.
    bool savedBack;
};

void PrintTo(const OddNote& note, std::ostream* out)
{
    *out << note.what;
}

class OddNoteContentTest : public FaultTest, public ::testing::WithParamInterface<OddNote> { };

TEST_P(OddNoteContentTest, IsShownAsDecidedAndNeverLosesWhatWasNotShown)
{
    const OddNote& c = GetParam();
    makeFile(noteFile(), c.bytes);
    openMainWindow();
    for (int i = 0; i < c.messages.size(); ++i)
        answers.then(press("确定"));
    setEditorText("before");
    selectNote("A/x");
    EXPECT_EQ(editorText(), c.shown);
    answers.then(press("确定"));
    clickToolbarButton("保存编辑内容");
    EXPECT_EQ(fileBytes(noteFile()), c.bytes);
    QStringList shown = c.messages;
    shown << (c.savedBack ? QStringLiteral("信息：|修改成功")
                          : QStringLiteral("信息：|该笔记未能完整显示，保存会丢掉它原有的内容，未保存"));
    EXPECT_EQ(answers.shown(), shown);
}

INSTANTIATE_TEST_SUITE_P(Notes, OddNoteContentTest,
    ::testing::Values(
        // The editor shows the text up to the first zero byte, so a save would cut the note there.
        OddNote { "zero byte", std::string("int a;\0int b;", 13), "int a;", {}, false },
        OddNote { "zero byte first", std::string("\0int b;", 7), "", {}, false },
        OddNote { "line ends of every kind", "a\rb\nc\r\nd", "a\rb\nc\r\nd", {}, true },
        OddNote { "lead byte cut off at the end", "int x;\x81", "", { "信息：|该笔记不是有效的GBK文本，无法显示" },
            false },
        OddNote { "byte that GBK never uses", "int \xff x;", "", { "信息：|该笔记不是有效的GBK文本，无法显示" },
            false }),
    nameOf<OddNote>);

// The refusal belongs to the note that was not shown whole, and only until it is shown whole.
TEST_F(OddNoteTest, ANoteNotShownWholeIsSavedAgainOnceItIsShownWhole)
{
    makeFile(noteFile(), "int \xff x;");
    makeNote("A", "y.txt", "int y;");
    openMainWindow();
    answers.then(press("确定"));
    selectNote("A/x");
    selectNote("A/y");
    setEditorText("int y = 1;");
    answers.then(press("确定"));
    clickToolbarButton("保存编辑内容");
    EXPECT_EQ(fileBytes(storeRoot() / "A" / "y.txt"), "int y = 1;");

    makeFile(noteFile(), "int x;");
    selectNote("A/x");
    setEditorText("int x = 2;");
    answers.then(press("确定"));
    clickToolbarButton("保存编辑内容");
    EXPECT_EQ(fileBytes(noteFile()), "int x = 2;");
    EXPECT_EQ(answers.shown(),
        (QStringList { "信息：|该笔记不是有效的GBK文本，无法显示", "信息：|修改成功", "信息：|修改成功" }));
}

std::string repeated(std::string_view utf8, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += utf8;
    return text;
}

// The disk takes 255 bytes of UTF-8 for a file name with its ".txt"; a
// Chinese character is two bytes in GBK but three on disk.
struct LongName {
    const char* what;
    std::string utf8Name;
    bool fits;
};

void PrintTo(const LongName& name, std::ostream* out)
{
    *out << name.what;
}

class LongNameTest : public FaultTest, public ::testing::WithParamInterface<LongName> { };

TEST_P(LongNameTest, TheAddNoteWindowWritesANameThatFitsAndSaysSoOfOneThatDoesNot)
{
    const LongName& c = GetParam();
    const QString name = QString::fromStdString(c.utf8Name);
    fs::create_directory(storeRoot() / "A");
    openMainWindow();
    AddNoteOutcome outcome = addNote({ 0, name, "int x; // 长名" }, nullptr, c.fits ? 0 : 1);
    const fs::path file = storeRoot() / "A" / (c.utf8Name + ".txt");
    if (!c.fits) {
        EXPECT_EQ(answers.shown(), (QStringList { "添加笔记", "信息：|保存失败：名称太长" }));
        EXPECT_TRUE(outcome.stillOpen);
        EXPECT_EQ(outcome.name, name);
        EXPECT_EQ(outcome.content, "int x; // 长名");
        EXPECT_EQ(storeNow(), (std::map<std::string, std::string> { { "A", "<folder>" } }));
        return;
    }
    EXPECT_EQ(answers.shown(), QStringList { "添加笔记" });
    EXPECT_EQ(fileBytes(file), gbk("int x; // 长名"));
    // Listed, shown and saved back under its long name.
    selectNote("A/" + name);
    EXPECT_EQ(editorText(), "int x; // 长名");
    answers.then(press("确定"));
    clickToolbarButton("保存编辑内容");
    EXPECT_EQ(answers.shown().back(), QStringLiteral("信息：|修改成功"));
    EXPECT_EQ(fileBytes(file), gbk("int x; // 长名"));
}

INSTANTIATE_TEST_SUITE_P(Names, LongNameTest,
    ::testing::Values(LongName { "251 letters, 255 bytes on disk", std::string(251, 'n'), true },
        LongName { "252 letters", std::string(252, 'n'), false },
        LongName { "83 characters and 2 letters, 255 bytes on disk", repeated("字", 83) + "ab", true },
        LongName { "84 characters, 168 bytes of GBK", repeated("字", 84), false },
        LongName { "127 characters and a letter, 255 bytes of GBK", repeated("字", 127) + "a", false }),
    nameOf<LongName>);

TEST_F(OddNoteTest, ACategoryAndANoteWithTheLongestNamesAreListedAndShown)
{
    const std::string category = repeated("类", 85);
    const std::string note = repeated("字", 83) + "ab";
    makeNote(category, note + ".txt", "// 最长的名字");
    openMainWindow();
    const QString path = QString::fromStdString(category + "/" + note);
    EXPECT_EQ(treeText(), QString::fromStdString(category + "(" + note + ")"));
    selectNote(path);
    EXPECT_EQ(selectedPath(), path);
    EXPECT_EQ(editorText(), "// 最长的名字");
}

} // namespace
