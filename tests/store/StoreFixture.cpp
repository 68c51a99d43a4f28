#include "StoreFixture.h"

#include "platform/TextConverter.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

void StoreTest::SetUp()
{
    std::string pattern = (fs::temp_directory_path() / "quillery-store-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    m_programDir = pattern;
    fs::create_directory(root());
}

void StoreTest::TearDown()
{
    // Folders a test made read-only must not keep their contents from going.
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(m_programDir)) {
        if (entry.is_directory() && !entry.is_symlink())
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
    }
    fs::remove_all(m_programDir);
}

void StoreTest::makeFile(const fs::path& path, std::string_view bytes) const
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::map<std::string, std::string> StoreTest::snapshot() const
{
    return fileTreeOf(m_programDir);
}

std::vector<std::string> entryNames(const fs::path& directory)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    return sorted(names);
}

std::vector<std::string> drain(StoreListing listing)
{
    std::vector<std::string> names;
    for (std::string name = listing.next(); !name.empty(); name = listing.next())
        names.push_back(name);
    return names;
}

std::vector<std::string> sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

std::string gbk(std::string_view utf8)
{
    return platform::gbkFromUtf8(utf8).value();
}
