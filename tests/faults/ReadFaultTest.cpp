#include "FaultFixture.h"
#include "InjectedFaults.h"

namespace {

using Calls = platform::FileSystemCalls;

std::vector<WindowFault> readFaults()
{
    return {
        { "read error", nullptr, faults::realCallsBut([](Calls& calls) { calls.read = faults::readFails; }),
            "读写磁盘时出错" },
        { "short read then an error", nullptr,
            faults::realCallsBut([](Calls& calls) { calls.read = faults::readShortThenFails; }), "读写磁盘时出错" },
        { "open refused", nullptr,
            faults::realCallsBut([](Calls& calls) { calls.open = faults::openForReadingRefused; }),
            "没有访问权限，或文件是只读的" },
        { "note replaced by a folder",
            [] {
                fs::remove(FaultTest::noteFile());
                fs::create_directory(FaultTest::noteFile());
            },
            std::nullopt, "这是一个文件夹，不是文件" },
        { "category removed by another program", [] { fs::remove_all(FaultTest::storeRoot() / "A"); }, std::nullopt,
            "找不到该文件或文件夹" },
        { "store root missing", [] { fs::remove_all(FaultTest::storeRoot()); }, std::nullopt, "找不到该文件或文件夹" },
    };
}

class ReadFaultTest : public FaultTest, public ::testing::WithParamInterface<WindowFault> { };

TEST_P(ReadFaultTest, SelectingTheNoteEmptiesTheEditorAndSaysWhyAndASaveThenWritesNothing)
{
    makeNote("A", "x.txt", "the note");
    openMainWindow();
    tree()->expandAll();
    setEditorText("before");
    arrange(GetParam());
    const std::map<std::string, std::string> before = storeNow();

    answers.then(press("确定"));
    click(item("A/x"));
    EXPECT_EQ(editorText(), "");
    answers.then(press("确定"));
    clickToolbarButton("保存编辑内容");
    EXPECT_EQ(answers.shown(),
        (QStringList { "信息：|无法读取该笔记：" + GetParam().reason,
            "信息：|该笔记未能完整显示，保存会丢掉它原有的内容，未保存" }));
    EXPECT_EQ(storeNow(), before);
}

INSTANTIATE_TEST_SUITE_P(Faults, ReadFaultTest, ::testing::ValuesIn(readFaults()), nameOf<WindowFault>);

} // namespace
