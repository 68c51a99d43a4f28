#pragma once

#include <string>
#include <string_view>

namespace platform {

// The shared-library file a Win32 module name stands for: "SciLexer.dll" is
// "libSciLexer.so", in the same folder when the name has one; a name of
// another kind is used as it is.
std::string sharedLibraryName(std::string_view fileName);

} // namespace platform
