#include "app/Globals.h"
#include "app/ProgramDirectory.h"
#include "editor/CodeEditor.h"
#include "editor/EditorEvents.h"

#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

namespace {

void someHandler() {}

TEST(Globals, InitializeCreatesAnEditorWithoutAWindowAndAnEmptyList)
{
    EditorEventSlots[CharAddedEvent] = someHandler;
    EditorEventSlots[MarginClickEvent] = someHandler;
    CategoryList = {"left over"};

    initializeGlobals();
    ASSERT_NE(TheEditor, nullptr);
    EXPECT_EQ(TheEditor->windowHandle(), nullptr);
    EXPECT_EQ(TheEditor->errorText(), "");
    EXPECT_TRUE(CategoryList.empty());
    // The editor's construction empties the char-added slot, and only that one.
    EXPECT_EQ(EditorEventSlots[CharAddedEvent], nullptr);
    EXPECT_EQ(EditorEventSlots[MarginClickEvent], someHandler);
    EditorEventSlots[MarginClickEvent] = nullptr;
    destroyGlobals();
}

TEST(Globals, DestroyReleasesWhatTheGlobalsOwnAndLeavesThePlainValues)
{
    initializeGlobals();
    CategoryList = {"A", "B", "C"};
    FoundCategoryName = "C";
    FoundNoteName = "x.txt";
    CategoryIndex = 4;
    CurrentCategoryItem = 17;

    destroyGlobals();
    EXPECT_EQ(TheEditor, nullptr);
    EXPECT_TRUE(CategoryList.empty());
    EXPECT_EQ(CategoryList.capacity(), 0u);
    EXPECT_EQ(FoundCategoryName, "");
    EXPECT_EQ(FoundNoteName, "");
    EXPECT_EQ(CategoryIndex, 4);
    EXPECT_EQ(CurrentCategoryItem, 17);

    destroyGlobals();
    EXPECT_EQ(TheEditor, nullptr);
}

TEST(ProgramDirectory, IsTheExecutablesFolderWithoutATrailingSlash)
{
    const std::string expected = std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
    std::string directory = programDirectory();
    EXPECT_EQ(directory, expected);
    EXPECT_FALSE(directory.ends_with('/'));
    directory += "/changed";
    EXPECT_EQ(programDirectory(), expected);
}

}  // namespace
