#include "FaultFixture.h"
#include "InjectedFaults.h"

namespace {

using Calls = platform::FileSystemCalls;

std::vector<WindowFault> saveFaults()
{
    return {
        { "short write then an error", nullptr,
            faults::realCallsBut([](Calls& calls) { calls.write = faults::writeShortThenFails; }), "读写磁盘时出错" },
        { "no space", nullptr, faults::realCallsBut([](Calls& calls) { calls.write = faults::writeNoSpace; }),
            "磁盘空间不足" },
        { "flush fails", nullptr, faults::realCallsBut([](Calls& calls) { calls.fsync = faults::fsyncFails; }),
            "读写磁盘时出错" },
        { "close fails", nullptr, faults::realCallsBut([](Calls& calls) { calls.close = faults::closeFails; }),
            "读写磁盘时出错" },
        { "rename fails", nullptr, faults::realCallsBut([](Calls& calls) { calls.rename = faults::renameFails; }),
            "不能在不同的磁盘之间移动文件" },
        { "read-only note", [] { fs::permissions(FaultTest::noteFile(), static_cast<fs::perms>(0444)); }, std::nullopt,
            "没有访问权限，或文件是只读的" },
        // Root may create files in any folder: the refusal comes through the seam.
        { "read-only folder", nullptr, faults::realCallsBut([](Calls& calls) { calls.open = faults::createRefused; }),
            "没有访问权限，或文件是只读的" },
        { "read-only disk", nullptr,
            faults::realCallsBut([](Calls& calls) { calls.open = faults::createOnReadOnlyDisk; }), "磁盘是只读的" },
        { "category removed by another program", [] { fs::remove_all(FaultTest::storeRoot() / "A"); }, std::nullopt,
            "找不到该文件或文件夹" },
        { "note replaced by a folder",
            [] {
                fs::remove(FaultTest::noteFile());
                fs::create_directory(FaultTest::noteFile());
            },
            std::nullopt, "这是一个文件夹，不是文件" },
        { "store root missing", [] { fs::remove_all(FaultTest::storeRoot()); }, std::nullopt, "找不到该文件或文件夹" },
    };
}

class SaveFaultTest : public FaultTest, public ::testing::WithParamInterface<WindowFault> { };

TEST_P(SaveFaultTest, TheSaveCommandSaysWhyAndKeepsTheNoteAndTheEditorsText)
{
    makeNote("A", "x.txt", "old");
    openMainWindow();
    selectNote("A/x");
    setEditorText("new text");
    arrange(GetParam());
    const std::map<std::string, std::string> before = storeNow();

    answers.then(press("确定"));
    clickToolbarButton("保存编辑内容");
    EXPECT_EQ(answers.shown(), QStringList { "信息：|保存失败：" + GetParam().reason });
    EXPECT_EQ(storeNow(), before);
    EXPECT_EQ(editorText(), "new text");
}

TEST_P(SaveFaultTest, TheAddNoteWindowSaysWhyAndKeepsEverythingTyped)
{
    makeNote("A", "x.txt", "old");
    openMainWindow();
    std::map<std::string, std::string> before;
    AddNoteOutcome outcome = addNote(
        { 0, "x", "new text" },
        [&] {
            arrange(GetParam());
            before = storeNow();
        },
        1);
    EXPECT_EQ(answers.shown(), (QStringList { "添加笔记", "信息：|保存失败：" + GetParam().reason }));
    EXPECT_TRUE(outcome.stillOpen);
    EXPECT_EQ(outcome.name, "x");
    EXPECT_EQ(outcome.content, "new text");
    EXPECT_EQ(storeNow(), before);
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveFaultTest, ::testing::ValuesIn(saveFaults()), nameOf<WindowFault>);

// The disk takes each write in pieces: the whole note lands all the same.
using PiecesTest = FaultTest;

TEST_F(PiecesTest, ASaveThatTheDiskTakesInPiecesWritesTheWholeNote)
{
    const std::string text = "int main()\r\n{\r\n    return 0; // 完\r\n}\r\n";
    makeNote("A", "x.txt", "old");
    openMainWindow();
    selectNote("A/x");
    setEditorText(text);
    arrange({ "pieces", nullptr,
        faults::realCallsBut([](Calls& calls) { calls.write = faults::writeShortShortThenFine; }), {} });
    answers.then(press("确定"));
    clickToolbarButton("保存编辑内容");
    EXPECT_EQ(answers.shown(), QStringList { QStringLiteral("信息：|修改成功") });
    EXPECT_EQ(snapshot(), (std::map<std::string, std::string> { { "A", "<folder>" }, { "A/x.txt", gbk(text) } }));
}

TEST_F(PiecesTest, AnAddedNoteThatTheDiskTakesInPiecesIsWrittenWhole)
{
    fs::create_directory(storeRoot() / "A");
    openMainWindow();
    AddNoteOutcome outcome = addNote(
        { 0, "hello", "int main() { return 0; } // 完" },
        [&] {
            arrange({ "pieces", nullptr,
                faults::realCallsBut([](Calls& calls) { calls.write = faults::writeShortShortThenFine; }), {} });
        },
        0);
    EXPECT_EQ(answers.shown(), QStringList { QStringLiteral("添加笔记") });
    EXPECT_FALSE(outcome.stillOpen);
    EXPECT_EQ(fileBytes(storeRoot() / "A" / "hello.txt"), gbk("int main() { return 0; } // 完"));
    EXPECT_EQ(treeText(), QStringLiteral("A(hello)"));
}

TEST_F(PiecesTest, ANoteThatTheDiskGivesInPiecesIsShownWhole)
{
    makeNote("A", "x.txt", "int x; // 第一行\r\nint y;\r\n");
    openMainWindow();
    arrange({ "pieces", nullptr,
        faults::realCallsBut([](Calls& calls) { calls.read = faults::readShortShortThenFine; }), {} });
    selectNote("A/x");
    EXPECT_EQ(editorText(), "int x; // 第一行\r\nint y;\r\n");
    EXPECT_EQ(answers.shown(), QStringList());
}

} // namespace
