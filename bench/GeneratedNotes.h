#pragma once

#include <cstddef>
#include <string>

// Texts like the ones people keep, in UTF-8: C code with Chinese comments,
// its lines ending with CR LF as the notes' do. The same seed gives the same text.
namespace bench {

// Whole functions until the text holds at least the given number of bytes.
std::string cCode(std::size_t atLeastBytes, unsigned seed);

// Names alternate between Chinese and ASCII ones; each is unique.
std::string categoryName(int category);
std::string noteName(int category, int note);

}  // namespace bench
