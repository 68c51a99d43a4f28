#pragma once

#include <span>

// The skin library's whole file and the skin handed to it, carried inside the
// program as constant data; the build makes them from the library it built
// (skin/library/) and from resources/skin/quillery.she.
extern const std::span<const unsigned char> SkinLibraryImage;
extern const std::span<const unsigned char> SkinData;
