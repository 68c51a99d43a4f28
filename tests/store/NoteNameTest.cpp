#include "store/NoteName.h"

#include <gtest/gtest.h>

namespace {

TEST(NoteName, RemovesEveryTxtInAnyCase)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Hello.TXT", "Hello"},
        {"a.txt.txt", "a"},
        {"memo.txtold.txt", "memoold"},
        {".txt", ""},
        {"a.TxT", "a"},
        {"notes", "notes"},
        {"\xc4\xe3\xba\xc3.txt", "\xc4\xe3\xba\xc3"},  // 你好.txt
        // A byte of 0x80 or above takes the byte after it along.
        {"\x81.txt", "\x81.txt"},
        {"ab\x81", "ab\x81"},
    };
    for (const auto& [file, note] : cases)
        EXPECT_EQ(noteNameOf(file), note) << file;
}

TEST(NoteName, AcceptsOnlySinglePathComponents)
{
    EXPECT_TRUE(isAcceptableCategoryName("C"));
    EXPECT_TRUE(isAcceptableCategoryName(".hidden"));
    EXPECT_TRUE(isAcceptableCategoryName("..."));
    EXPECT_TRUE(isAcceptableCategoryName("\x81\x5c"));  // 乗: its second byte is 0x5C
    EXPECT_TRUE(isAcceptableNoteName(""));
    EXPECT_TRUE(isAcceptableNoteName(".."));  // the file "...txt", inside its category
    const std::string badCategories[] = {"", ".", "..", "a/b", "a\\b", "\x81/", "\x80\\"};
    for (const std::string& name : badCategories)
        EXPECT_FALSE(isAcceptableCategoryName(name)) << name;
    const std::string badNotes[] = {"a/b", "a\\b", "/", std::string("a\0b", 3)};
    for (const std::string& name : badNotes)
        EXPECT_FALSE(isAcceptableNoteName(name)) << name;
}

}  // namespace
