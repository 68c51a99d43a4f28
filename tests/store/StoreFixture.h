#pragma once

#include "FailingCalls.h"
#include "FileTree.h"
#include "store/NoteStore.h"

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

// A fresh program directory with an empty CodeData for every test.
class StoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    fs::path root() const { return m_programDir / "CodeData"; }
    NoteStore store() const { return NoteStore(m_programDir.string()); }

    void makeFile(const fs::path& path, std::string_view bytes) const;
    // Every file and folder under the program directory with its content,
    // to show that an operation touched nothing.
    std::map<std::string, std::string> snapshot() const;

    fs::path m_programDir;
};

std::vector<std::string> entryNames(const fs::path& directory);
std::vector<std::string> drain(StoreListing listing);
std::vector<std::string> sorted(std::vector<std::string> names);

// UTF-8 test text to the GBK the store takes.
std::string gbk(std::string_view utf8);
