#include "InjectedFaults.h"
#include "LargeNote.h"
#include "StoreFixture.h"

#include <cerrno>

namespace {

TEST_F(StoreTest, AReadThatFailsGivesNothingAndSaysWhy)
{
    makeFile(root() / "Cat" / "note.txt", "the content");
    const std::map<std::string, std::string> before = snapshot();

    for (const faults::InjectedFault& fault : faults::readFaults()) {
        SCOPED_TRACE(fault.what);
        FailingCalls failing(fault.calls);
        NoteContent content = store().readNote("Cat", "note");
        EXPECT_EQ(content.status.error(), fault.error);
        EXPECT_EQ(content.bytes, "");
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(StoreTest, ANoteReplacedOrRemovedByAnotherProgramIsNeitherReadNorWritten)
{
    struct Case {
        const char* what;
        void (*change)(const fs::path& root);
        int error;
    };
    const Case cases[] = {
        { "note replaced by a folder",
            [](const fs::path& root) {
                fs::remove(root / "Cat" / "note.txt");
                fs::create_directory(root / "Cat" / "note.txt");
            },
            EISDIR },
        { "category removed by another program", [](const fs::path& root) { fs::remove_all(root / "Cat"); }, ENOENT },
        { "store root removed", [](const fs::path& root) { fs::remove_all(root); }, ENOENT },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(root());
        makeFile(root() / "Cat" / "note.txt", "the content");
        c.change(root());
        const std::map<std::string, std::string> before = snapshot();

        NoteContent content = store().readNote("Cat", "note");
        EXPECT_EQ(content.status.error(), c.error);
        EXPECT_EQ(content.bytes, "");
        EXPECT_EQ(store().writeNote("Cat", "note", "new").error(), c.error);
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(StoreTest, AReadThatTheDiskGivesInPiecesReadsTheWholeNote)
{
    const std::string content = largeGbkNote(1 << 20);
    makeFile(root() / "Cat" / "note.txt", content);
    FailingCalls failing(faults::realCallsBut([](auto& calls) { calls.read = faults::readShortShortThenFine; }));

    NoteContent read = store().readNote("Cat", "note");
    ASSERT_TRUE(read.status.ok());
    EXPECT_EQ(firstDifference(read.bytes, content), NoDifference);
}

} // namespace
