#pragma once

#include <string>
#include <string_view>

// The note name of a file name: every ".txt" removed, in any case of its
// letters, never starting inside a two-byte GBK character.
std::string noteNameOf(std::string_view fileName);

// Names that reach no other folder than their own: no "/" or "\" (a GBK
// character whose second byte is 0x5C is no "\") and no zero byte; a
// category name is also not empty, "." or "..".
bool isAcceptableCategoryName(std::string_view gbkName);
bool isAcceptableNoteName(std::string_view gbkName);
