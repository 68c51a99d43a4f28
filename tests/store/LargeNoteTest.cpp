#include "LargeNote.h"
#include "StoreFixture.h"

#include "store/TextEncoding.h"

#include <cerrno>

namespace {

using Names = std::vector<std::string>;

std::string repeated(std::string_view utf8, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += utf8;
    return text;
}

TEST_F(StoreTest, AHundredMegabyteNoteIsWrittenReadAndConvertedWhole)
{
    const std::string note = largeGbkNote(100 << 20);
    fs::create_directory(root() / "Cat");
    NoteStore notes = store();

    ASSERT_TRUE(notes.writeNote("Cat", "big", note).ok());
    EXPECT_EQ(fs::file_size(root() / "Cat" / "big.txt"), note.size());
    NoteContent read = notes.readNote("Cat", "big");
    ASSERT_TRUE(read.status.ok());
    EXPECT_EQ(firstDifference(read.bytes, note), NoDifference);

    // The editor's way there and back.
    ConvertedText shown = toEditorText(read.bytes);
    read = {};
    ASSERT_FALSE(shown.failed);
    ConvertedText saved = toStoreText(shown.text);
    ASSERT_FALSE(saved.failed);
    EXPECT_EQ(firstDifference(saved.text, note), NoDifference);
}

struct LongName {
    const char* what;
    std::string utf8Name;
    int error;
};

// The disk takes 255 bytes of UTF-8 for a file name with its ".txt"; a
// Chinese character is two bytes in GBK but three on disk.
TEST_F(StoreTest, ANoteNameFitsWhenItsFileNameOnDiskHasAtMost255Bytes)
{
    const LongName names[] = {
        { "251 letters", std::string(251, 'n'), 0 },
        { "252 letters", std::string(252, 'n'), ENAMETOOLONG },
        { "83 characters and 2 letters: 168 bytes of GBK", repeated("字", 83) + "ab", 0 },
        { "84 characters: 168 bytes of GBK", repeated("字", 84), ENAMETOOLONG },
        { "127 characters and a letter: 255 bytes of GBK", repeated("字", 127) + "a", ENAMETOOLONG },
    };
    fs::create_directory(root() / "Cat");
    NoteStore notes = store();
    Names listed;
    for (const LongName& name : names) {
        SCOPED_TRACE(name.what);
        const std::string note = gbk(name.utf8Name);
        EXPECT_EQ(notes.writeNote("Cat", note, note).error(), name.error);
        if (name.error != 0)
            continue;
        EXPECT_EQ(fileBytes(root() / "Cat" / (name.utf8Name + ".txt")), note);
        EXPECT_EQ(notes.readNote("Cat", note).bytes, note);
        listed.push_back(note + ".txt");
    }
    EXPECT_EQ(sorted(drain(notes.listNotes("Cat"))), sorted(listed));
}

TEST_F(StoreTest, ACategoryNameFitsWhenItHasAtMost255BytesOnDisk)
{
    const std::string fits = gbk(repeated("类", 85));
    NoteStore notes = store();
    EXPECT_EQ(notes.createCategory(gbk(repeated("类", 86))).error(), ENAMETOOLONG);
    ASSERT_TRUE(notes.createCategory(fits).ok());
    ASSERT_TRUE(notes.writeNote(fits, "note", "text").ok());

    EXPECT_EQ(drain(notes.listCategories()), Names { fits });
    EXPECT_EQ(drain(notes.listNotes(fits)), Names { "note.txt" });
    EXPECT_EQ(notes.readNote(fits, "note").bytes, "text");
}

} // namespace
