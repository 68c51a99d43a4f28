#include "StoreFixture.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

using Names = std::vector<std::string>;

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

ssize_t writeFailsNoSpace(int, const void*, size_t)
{
    errno = ENOSPC;
    return -1;
}

// Half of the bytes go out, then the disk fails.
ssize_t writeShortThenFails(int fd, const void* data, size_t size)
{
    static bool wroteOnce = false;
    if (!wroteOnce || size < 2) {
        wroteOnce = true;
        return ::write(fd, data, size / 2);
    }
    wroteOnce = false;
    errno = EIO;
    return -1;
}

int fsyncFails(int)
{
    errno = EIO;
    return -1;
}

int renameFails(const char*, const char*)
{
    errno = EXDEV;
    return -1;
}

TEST_F(StoreTest, AFailedWriteKeepsTheOldNoteAndLeavesNoTemporaryFile)
{
    auto realCallsBut = [](auto change) {
        platform::FileSystemCalls calls = platform::realFileSystemCalls();
        change(calls);
        return calls;
    };
    struct Failure {
        const char* what;
        platform::FileSystemCalls calls;
        int error;
    };
    const Failure failures[] = {
        {"no space", realCallsBut([](auto& calls) { calls.write = writeFailsNoSpace; }), ENOSPC},
        {"short write, then an error", realCallsBut([](auto& calls) { calls.write = writeShortThenFails; }), EIO},
        {"flush", realCallsBut([](auto& calls) { calls.fsync = fsyncFails; }), EIO},
        {"rename", realCallsBut([](auto& calls) { calls.rename = renameFails; }), EXDEV},
    };
    makeFile(root() / "Cat" / "note.txt", "the old content");
    const std::map<std::string, std::string> before = snapshot();

    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.what);
        FailingCalls failing(failure.calls);
        EXPECT_EQ(store().writeNote("Cat", "note", "a new content that is longer").error(), failure.error);
        EXPECT_EQ(snapshot(), before);
    }
}

}  // namespace
