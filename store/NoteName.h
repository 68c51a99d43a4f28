#pragma once

#include <string>
#include <string_view>

// The note name of a file name: every ".txt" removed, in any case of its
// letters, never starting inside a two-byte GBK character.
std::string noteNameOf(std::string_view fileName);

// A name that reaches no other folder than its own: no "/" or "\" (a GBK
// character whose second byte is 0x5C is no "\") and no zero byte.
bool isSinglePathComponent(std::string_view gbkName);

// Not empty, not "." or "..", and a single path component.
bool isAcceptableCategoryName(std::string_view gbkName);
bool isAcceptableNoteName(std::string_view gbkName);
