#include "InjectedFaults.h"
#include "LargeNote.h"
#include "StoreFixture.h"

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace {

using Names = std::vector<std::string>;

constexpr uid_t NobodyId = 65534;

mode_t modeOf(const fs::path& path)
{
    struct stat status;
    EXPECT_EQ(::stat(path.c_str(), &status), 0);
    return status.st_mode & 07777;
}

mode_t currentUmask()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

TEST_F(StoreTest, WritesANewNoteAndReplacesAnOldOne)
{
    fs::create_directory(root() / "Cat");
    NoteStore notes = store();

    ASSERT_TRUE(notes.writeNote("Cat", gbk("你好"), "first").ok());
    EXPECT_EQ(fileBytes(root() / "Cat" / "你好.txt"), "first");
    EXPECT_EQ(modeOf(root() / "Cat" / "你好.txt"), 0666 & ~currentUmask());

    ASSERT_TRUE(notes.writeNote("Cat", gbk("你好"), std::string("second\0with zero", 16)).ok());
    EXPECT_EQ(fileBytes(root() / "Cat" / "你好.txt"), std::string("second\0with zero", 16));

    ASSERT_TRUE(notes.writeNote("Cat", gbk("你好"), "").ok());
    EXPECT_EQ(fileBytes(root() / "Cat" / "你好.txt"), "");
    EXPECT_EQ(entryNames(root() / "Cat"), Names{"你好.txt"});
}

TEST_F(StoreTest, ANoteKeepsItsPermissionsWhenWritten)
{
    makeFile(root() / "Cat" / "private.txt", "old");
    fs::permissions(root() / "Cat" / "private.txt", static_cast<fs::perms>(0640));
    ASSERT_TRUE(store().writeNote("Cat", "private", "new").ok());
    EXPECT_EQ(modeOf(root() / "Cat" / "private.txt"), 0640u);
}

TEST_F(StoreTest, WritingThroughALinkKeepsTheLink)
{
    makeFile(m_programDir / "elsewhere.txt", "old");
    fs::create_directory(root() / "Cat");
    fs::create_symlink(m_programDir / "elsewhere.txt", root() / "Cat" / "linked.txt");
    ASSERT_TRUE(store().writeNote("Cat", "linked", "new").ok());
    EXPECT_TRUE(fs::is_symlink(root() / "Cat" / "linked.txt"));
    EXPECT_EQ(fileBytes(m_programDir / "elsewhere.txt"), "new");
}

TEST_F(StoreTest, AWriteThatCannotBeMadeChangesNothing)
{
    makeFile(root() / "Cat" / "readonly.txt", "old");
    fs::permissions(root() / "Cat" / "readonly.txt", static_cast<fs::perms>(0444));
    fs::create_directory(root() / "Cat" / "folder.txt");
    const std::map<std::string, std::string> before = snapshot();
    NoteStore notes = store();

    // A read-only note stays read-only even for root.
    EXPECT_EQ(notes.writeNote("Cat", "readonly", "new").error(), EACCES);
    EXPECT_EQ(notes.writeNote("Cat", "folder", "new").error(), EISDIR);
    // A category removed by another program is not made again.
    EXPECT_EQ(notes.writeNote("Gone", "note", "new").error(), ENOENT);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(StoreTest, AFailedWriteKeepsTheOldNoteAndLeavesNoTemporaryFile)
{
    makeFile(root() / "Cat" / "note.txt", "the old content");
    const std::map<std::string, std::string> before = snapshot();

    for (const faults::InjectedFault& fault : faults::writeFaults()) {
        SCOPED_TRACE(fault.what);
        FailingCalls failing(fault.calls);
        EXPECT_EQ(store().writeNote("Cat", "note", "a new content that is longer").error(), fault.error);
        EXPECT_EQ(store().writeNote("Cat", "new note", "never written").error(), fault.error);
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(StoreTest, AWriteThatTheDiskTakesInPiecesWritesTheWholeNote)
{
    const std::string content = largeGbkNote(1 << 20);
    makeFile(root() / "Cat" / "note.txt", "the old content");
    FailingCalls failing(faults::realCallsBut([](auto& calls) { calls.write = faults::writeShortShortThenFine; }));

    ASSERT_TRUE(store().writeNote("Cat", "note", content).ok());
    EXPECT_EQ(firstDifference(fileBytes(root() / "Cat" / "note.txt"), content), NoDifference);
    EXPECT_EQ(entryNames(root() / "Cat"), Names{"note.txt"});
}

// Root writes into any folder, so the folder is tried by a child that runs as
// the user nobody, for whom the kernel itself refuses it.
int writeAsNobody(const NoteStore& notes, std::string_view note)
{
    pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setresgid(NobodyId, NobodyId, NobodyId) != 0 ||
            ::setresuid(NobodyId, NobodyId, NobodyId) != 0)
            ::_exit(255);
        ::_exit(notes.writeNote("Cat", note, "new").error());
    }
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(StoreTest, AFolderThatMayNotBeWrittenKeepsItsNotesAndGetsNoTemporaryFile)
{
    makeFile(root() / "Cat" / "open.txt", "old");
    fs::permissions(root() / "Cat" / "open.txt", static_cast<fs::perms>(0666));
    fs::permissions(m_programDir, static_cast<fs::perms>(0755));
    fs::permissions(root() / "Cat", static_cast<fs::perms>(0555));
    const std::map<std::string, std::string> before = snapshot();

    // The note itself may be written by anybody: only its folder refuses.
    EXPECT_EQ(writeAsNobody(store(), "open"), EACCES);
    EXPECT_EQ(writeAsNobody(store(), "new note"), EACCES);
    EXPECT_EQ(snapshot(), before);
}

// Root saving somebody's note must not take it from them.
TEST_F(StoreTest, ANoteSavedByRootStaysItsOwnersWhoCanSaveItAgain)
{
    makeFile(root() / "Cat" / "theirs.txt", "old");
    fs::permissions(m_programDir, static_cast<fs::perms>(0755));
    fs::permissions(root() / "Cat", static_cast<fs::perms>(0777));
    ASSERT_EQ(::chown((root() / "Cat" / "theirs.txt").c_str(), NobodyId, NobodyId), 0);

    ASSERT_TRUE(store().writeNote("Cat", "theirs", "saved by root").ok());
    struct stat status;
    ASSERT_EQ(::stat((root() / "Cat" / "theirs.txt").c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, NobodyId);
    EXPECT_EQ(status.st_gid, NobodyId);
    EXPECT_EQ(writeAsNobody(store(), "theirs"), 0);
    EXPECT_EQ(fileBytes(root() / "Cat" / "theirs.txt"), "new");
}

}  // namespace
