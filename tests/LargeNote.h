#pragma once

#include "platform/TextConverter.h"

#include <algorithm>
#include <string>
#include <string_view>

// A note of code lines, each numbered and with a Chinese comment, as GBK,
// cut at a line end to at most `size` bytes; no two lines are the same, so a
// piece written to the wrong place shows.
inline std::string largeGbkNote(size_t size, std::string_view utf8Word = "第")
{
    const std::string word = platform::gbkFromUtf8(utf8Word).value();
    const std::string comment = platform::gbkFromUtf8("行：循环").value();
    std::string note;
    note.reserve(size);
    for (size_t line = 1;; ++line) {
        std::string number = std::to_string(line);
        std::string text = "int value" + number + " = " + number + "; // " + word + number + comment + "\r\n";
        if (note.size() + text.size() > size)
            return note;
        note += text;
    }
}

inline constexpr size_t NoDifference = std::string::npos;

// Where two byte strings first differ; NoDifference when they are the same,
// so that a failure names a place instead of printing megabytes.
inline size_t firstDifference(std::string_view a, std::string_view b)
{
    auto [inA, inB] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (inA == a.end() && inB == b.end())
        return NoDifference;
    return static_cast<size_t>(inA - a.begin());
}
