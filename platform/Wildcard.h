#pragma once

#include <string_view>

namespace platform {

// True when the name matches the wildcard as the original's file system
// matches it: "*" any run, "?" any one byte, ASCII letters without regard to
// case, and a final ".*" also matching names without a dot ("*.*" is "*").
bool wildcardMatches(std::string_view wildcard, std::string_view name);

// ASCII letters without regard to case; every other byte exactly.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace platform
