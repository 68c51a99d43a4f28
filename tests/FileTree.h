#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

// A file's bytes, read back to see what an operation wrote.
inline std::string fileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Every file and folder under a folder, with the files' bytes, to show that
// an operation touched nothing.
inline std::map<std::string, std::string> fileTreeOf(const std::filesystem::path& root)
{
    std::map<std::string, std::string> entries;
    for (const std::filesystem::directory_entry& entry : std::filesystem::recursive_directory_iterator(root)) {
        std::string relative = std::filesystem::relative(entry.path(), root).string();
        entries[relative] = entry.is_regular_file() ? fileBytes(entry.path()) : "<folder>";
    }
    return entries;
}
