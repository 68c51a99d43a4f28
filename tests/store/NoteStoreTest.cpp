#include "StoreFixture.h"

#include "store/NoteName.h"
#include "store/TextEncoding.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

using Names = std::vector<std::string>;

TEST_F(StoreTest, ListsTheFoldersOfTheRootAsCategories)
{
    fs::create_directory(root() / "Misc");
    fs::create_directory(root() / ".git");
    fs::create_directory(root() / "Tools");
    fs::create_directory(root() / "C语言");
    fs::create_directory(root() / "表情😀");        // GBK has no emoji: not listed
    fs::create_directory(root() / "latin1-\xe9");  // not UTF-8: not listed
    makeFile(root() / "readme.txt", "not a category");

    EXPECT_EQ(sorted(drain(store().listCategories())), sorted({"Misc", "Tools", gbk("C语言")}));
}

TEST_F(StoreTest, ListsTheTxtFilesOfACategoryAsNotes)
{
    for (const char* name : {"a.txt", "B.TXT", "c.log", ".txt", "a.txt.txt", "readme"})
        makeFile(root() / "Cat" / name, "x");
    fs::create_directory(root() / "Cat" / "d.txt");
    makeFile(root() / "Cat" / "你好.txt", "x");

    Names files = drain(store().listNotes("Cat"));
    EXPECT_EQ(sorted(files), sorted({"a.txt", "B.TXT", ".txt", "a.txt.txt", gbk("你好.txt")}));
    Names notes;
    for (const std::string& file : files)
        notes.push_back(noteNameOf(file));
    EXPECT_EQ(sorted(notes), sorted({"a", "B", "", "a", gbk("你好")}));
}

TEST_F(StoreTest, AMissingRootListsNothingAndIsNeverCreated)
{
    fs::remove(root());
    NoteStore notes = store();
    EXPECT_EQ(drain(notes.listCategories()), Names());
    EXPECT_EQ(drain(notes.listNotes("Cat")), Names());
    EXPECT_EQ(notes.createCategory("Cat").error(), ENOENT);
    EXPECT_EQ(notes.writeNote("Cat", "n", "text").error(), ENOENT);
    NoteContent content = notes.readNote("Cat", "n");
    EXPECT_EQ(content.status.error(), ENOENT);
    EXPECT_EQ(content.bytes, "");
    EXPECT_FALSE(fs::exists(root()));
}

TEST_F(StoreTest, ReadsAWholeNoteWithZeroBytesInIt)
{
    makeFile(root() / "Cat" / "zero.txt", std::string("ab\0cd", 5));
    NoteContent content = store().readNote("Cat", "zero");
    ASSERT_TRUE(content.status.ok());
    EXPECT_EQ(content.bytes, std::string("ab\0cd", 5));
    EXPECT_EQ(textOfBlock(content.bytes), "ab");
}

TEST_F(StoreTest, TellsAnEmptyNoteFromOneThatCannotBeRead)
{
    makeFile(root() / "Cat" / "empty.txt", "");
    fs::create_directory(root() / "Cat" / "folder.txt");
    NoteStore notes = store();

    NoteContent empty = notes.readNote("Cat", "empty");
    EXPECT_TRUE(empty.status.ok());
    EXPECT_EQ(empty.bytes, "");
    EXPECT_EQ(notes.readNote("Cat", "missing").status.error(), ENOENT);
    EXPECT_EQ(notes.readNote("Cat", "folder").status.error(), EISDIR);
}

TEST_F(StoreTest, ANoteThatIsNoRegularFileIsRefusedWithoutWaiting)
{
    fs::create_directory(root() / "Cat");
    ASSERT_EQ(::mkfifo((root() / "Cat" / "pipe.txt").c_str(), 0666), 0);
    NoteStore notes = store();
    EXPECT_EQ(notes.readNote("Cat", "pipe").status.error(), ENODEV);
    EXPECT_EQ(notes.writeNote("Cat", "pipe", "text").error(), ENODEV);
    EXPECT_TRUE(fs::is_fifo(root() / "Cat" / "pipe.txt"));
}

TEST_F(StoreTest, FindsANoteWhoseNameDiffersOnlyInCase)
{
    makeFile(root() / "Cat" / "B.TXT", "old");
    NoteStore notes = store();

    EXPECT_EQ(notes.readNote("Cat", "B").bytes, "old");
    EXPECT_EQ(notes.readNote("cat", "b").bytes, "old");
    ASSERT_TRUE(notes.writeNote("Cat", "B", "new").ok());
    EXPECT_EQ(entryNames(root() / "Cat"), Names{"B.TXT"});
    EXPECT_EQ(fileBytes(root() / "Cat" / "B.TXT"), "new");
    ASSERT_TRUE(notes.deleteNote("Cat", "B").ok());
    EXPECT_EQ(entryNames(root() / "Cat"), Names());
}

TEST_F(StoreTest, OfTwoNotesThatDifferOnlyInCaseEachFindsItsOwnFile)
{
    makeFile(root() / "Cat" / "B.TXT", "upper");
    makeFile(root() / "Cat" / "b.txt", "lower");
    makeFile(root() / "Cat" / "c.Txt", "mixed");
    NoteStore notes = store();
    EXPECT_EQ(notes.readNote("Cat", "B").bytes, "upper");
    EXPECT_EQ(notes.readNote("Cat", "b").bytes, "lower");
    EXPECT_EQ(notes.readNote("Cat", "C").bytes, "mixed");
}

TEST_F(StoreTest, TheNoteListedFromATxtTxtFileIsItsTxtFile)
{
    makeFile(root() / "Cat" / "a.txt.txt", "listed");
    NoteStore notes = store();

    EXPECT_EQ(notes.readNote("Cat", "a").status.error(), ENOENT);
    ASSERT_TRUE(notes.writeNote("Cat", "a", "saved").ok());
    EXPECT_EQ(fileBytes(root() / "Cat" / "a.txt"), "saved");
    ASSERT_TRUE(notes.deleteNote("Cat", "a").ok());
    EXPECT_EQ(entryNames(root() / "Cat"), Names{"a.txt.txt"});
    EXPECT_EQ(fileBytes(root() / "Cat" / "a.txt.txt"), "listed");
}

TEST_F(StoreTest, TheNoteWithAnEmptyNameIsTheFileDotTxt)
{
    makeFile(root() / "Cat" / ".txt", "dot");
    NoteStore notes = store();
    EXPECT_EQ(notes.readNote("Cat", "").bytes, "dot");
    ASSERT_TRUE(notes.writeNote("Cat", "", "saved").ok());
    EXPECT_EQ(fileBytes(root() / "Cat" / ".txt"), "saved");
}

TEST_F(StoreTest, CreatesACategoryOnce)
{
    NoteStore notes = store();
    ASSERT_TRUE(notes.createCategory(gbk("数据结构")).ok());
    EXPECT_TRUE(fs::is_directory(root() / "数据结构"));

    makeFile(root() / "Misc" / "keep.txt", "kept");
    EXPECT_EQ(notes.createCategory("Misc").error(), EEXIST);
    EXPECT_EQ(notes.createCategory("misc").error(), EEXIST);
    EXPECT_EQ(fileBytes(root() / "Misc" / "keep.txt"), "kept");

    ASSERT_TRUE(notes.createCategory(".hidden").ok());
    EXPECT_TRUE(fs::is_directory(root() / ".hidden"));
    EXPECT_EQ(sorted(drain(notes.listCategories())), sorted({"Misc", gbk("数据结构")}));
}

TEST_F(StoreTest, AGbkCharacterWhoseSecondByteIsABackslashIsNoSeparator)
{
    const std::string name = "\x81\x5c";  // 乗
    ASSERT_EQ(name, gbk("乗"));
    NoteStore notes = store();
    ASSERT_TRUE(notes.createCategory(name).ok());
    ASSERT_TRUE(notes.writeNote(name, name, "x").ok());
    EXPECT_EQ(fileBytes(root() / "乗" / "乗.txt"), "x");
    EXPECT_EQ(drain(notes.listCategories()), Names{name});
    EXPECT_EQ(drain(notes.listNotes(name)), Names{name + ".txt"});
}

TEST_F(StoreTest, DeletesACategoryWithEverythingInIt)
{
    makeFile(root() / "Deep" / "a.txt", "a");
    makeFile(root() / "Deep" / "sub" / "c.log", "c");
    makeFile(root() / "Deep" / "sub" / "sub2" / "b.txt", "b");
    fs::create_directory(root() / "Deep" / "empty");
    fs::create_directory(root() / "Other");

    ASSERT_TRUE(store().deleteCategory("Deep").ok());
    EXPECT_EQ(entryNames(root()), Names{"Other"});
}

int unlinkRefusesLocked(int directoryFd, const char* name, int flags)
{
    if (std::string_view(name) == "locked.txt") {
        errno = EACCES;
        return -1;
    }
    return ::unlinkat(directoryFd, name, flags);
}

TEST_F(StoreTest, ACategoryThatCannotBeRemovedWhollyKeepsOnlyWhatIsLeft)
{
    makeFile(root() / "Cat" / "a.txt", "a");
    makeFile(root() / "Cat" / "sub" / "locked.txt", "locked");
    makeFile(root() / "Cat" / "sub" / "b.txt", "b");
    makeFile(root() / "Cat" / "z.txt", "z");
    platform::FileSystemCalls calls = platform::realFileSystemCalls();
    calls.unlinkat = unlinkRefusesLocked;
    FailingCalls failing(calls);

    EXPECT_EQ(store().deleteCategory("Cat").error(), EACCES);
    std::map<std::string, std::string> expected = {
        {"CodeData", "<folder>"},
        {"CodeData/Cat", "<folder>"},
        {"CodeData/Cat/sub", "<folder>"},
        {"CodeData/Cat/sub/locked.txt", "locked"},
    };
    EXPECT_EQ(snapshot(), expected);
}

TEST_F(StoreTest, DeletingACategoryRemovesLinksButNotWhatTheyNameOutside)
{
    makeFile(m_programDir / "Outside" / "keep.txt", "kept");
    fs::create_directory(root() / "Linked");
    fs::create_directory_symlink(m_programDir / "Outside", root() / "Linked" / "folder-link");
    fs::create_symlink(m_programDir / "Outside" / "keep.txt", root() / "Linked" / "file-link.txt");
    fs::create_directory_symlink(m_programDir / "Outside", root() / "LinkedCategory");

    NoteStore notes = store();
    ASSERT_TRUE(notes.deleteCategory("Linked").ok());
    ASSERT_TRUE(notes.deleteCategory("LinkedCategory").ok());
    EXPECT_EQ(entryNames(root()), Names());
    EXPECT_EQ(entryNames(m_programDir / "Outside"), Names{"keep.txt"});
    EXPECT_EQ(fileBytes(m_programDir / "Outside" / "keep.txt"), "kept");
}

TEST_F(StoreTest, DeleteCategoryRemovesOnlyFolders)
{
    makeFile(root() / "readme.txt", "root file");
    EXPECT_EQ(store().deleteCategory("readme.txt").error(), ENOTDIR);
    EXPECT_EQ(fileBytes(root() / "readme.txt"), "root file");
}

// Every operation refuses a name that could reach outside its own folder, or
// the store root itself, and touches nothing.
TEST_F(StoreTest, RefusesNamesThatReachOtherFolders)
{
    makeFile(root() / "Cat" / "n.txt", "note");
    makeFile(root() / "Cat" / "x" / "y.txt", "deeper");
    makeFile(m_programDir / "escape.txt", "outside");
    const std::map<std::string, std::string> before = snapshot();
    NoteStore notes = store();

    const std::string badCategories[] = {"", ".", "..", "Cat/x", "Cat\\x", "../CodeData", std::string("Cat\0x", 5),
                                         "\x81/"};
    for (const std::string& category : badCategories) {
        SCOPED_TRACE("category \"" + category + "\"");
        EXPECT_EQ(notes.createCategory(category).error(), EINVAL);
        EXPECT_EQ(notes.deleteCategory(category).error(), EINVAL);
        EXPECT_EQ(drain(notes.listNotes(category)), Names());
        EXPECT_EQ(notes.readNote(category, "n").status.error(), EINVAL);
        EXPECT_EQ(notes.writeNote(category, "n", "overwritten").error(), EINVAL);
        EXPECT_EQ(notes.deleteNote(category, "n").error(), EINVAL);
    }
    const std::string badNotes[] = {"x/y", "x\\y", "../../escape", "../n", std::string("n\0x", 3)};
    for (const std::string& note : badNotes) {
        SCOPED_TRACE("note \"" + note + "\"");
        EXPECT_EQ(notes.readNote("Cat", note).status.error(), EINVAL);
        EXPECT_EQ(notes.writeNote("Cat", note, "overwritten").error(), EINVAL);
        EXPECT_EQ(notes.deleteNote("Cat", note).error(), EINVAL);
    }
    EXPECT_EQ(snapshot(), before);
}

}  // namespace
