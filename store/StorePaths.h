#pragma once

#include <string>
#include <string_view>

// The store's paths, built by plain concatenation from the program directory
// (GBK texts, "/" as the separator).
std::string categorySearchPattern(std::string_view programDir);
std::string noteSearchPattern(std::string_view programDir, std::string_view category);
std::string categoryPath(std::string_view programDir, std::string_view category);
std::string notePath(std::string_view programDir, std::string_view category, std::string_view note);
