#include "store/TextEncoding.h"

#include "platform/TextConverter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// GBK and UTF-8 both write ASCII as it is, so only the stretches between
// ASCII runs go through iconv: a note of code is mostly ASCII.
using RunEnd = size_t (*)(std::string_view text, size_t from);

size_t endOfAsciiRun(std::string_view text, size_t from)
{
    constexpr std::uint64_t HighBits = 0x8080808080808080u;
    while (from + sizeof(std::uint64_t) <= text.size()) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + from, sizeof word);
        if ((word & HighBits) != 0)
            break;
        from += sizeof word;
    }
    while (from < text.size() && static_cast<unsigned char>(text[from]) < 0x80)
        ++from;
    return from;
}

// A byte from 0x81 begins a pair whose second byte may be ASCII; 0x80 is a
// character of its own (the euro sign). Whatever is not GBK, iconv refuses.
size_t endOfGbkRun(std::string_view text, size_t from)
{
    while (from < text.size() && static_cast<unsigned char>(text[from]) >= 0x80)
        from += static_cast<unsigned char>(text[from]) == 0x80 ? 1 : 2;
    return std::min(from, text.size());
}

// Every byte of a UTF-8 character of more than one byte is from 0x80.
size_t endOfUtf8Run(std::string_view text, size_t from)
{
    while (from < text.size() && static_cast<unsigned char>(text[from]) >= 0x80)
        ++from;
    return from;
}

ConvertedText convert(std::string_view block, const char* target, const char* source, RunEnd endOfRun,
                      double sizePerByte)
{
    std::string_view text = textOfBlock(block);
    platform::TextConverter converter(target, source);
    if (!converter.isOpen())
        return {std::string(), true};
    std::string output;
    output.reserve(static_cast<size_t>(static_cast<double>(text.size()) * sizePerByte) + 16);
    for (size_t at = 0; at < text.size();) {
        size_t asciiEnd = endOfAsciiRun(text, at);
        output.append(text.data() + at, asciiEnd - at);
        size_t runEnd = endOfRun(text, asciiEnd);
        if (runEnd > asciiEnd && !converter.convertOnto(text.substr(asciiEnd, runEnd - asciiEnd), output))
            return {std::string(), true};
        at = runEnd;
    }
    // The input ends at its first zero byte, so the result holds none.
    return {std::move(output), false};
}

}  // namespace

ConvertedText toEditorText(std::string_view gbkText)
{
    // A Chinese character grows from two bytes to three.
    return convert(gbkText, "UTF-8", "GBK", endOfGbkRun, 1.5);
}

ConvertedText toStoreText(std::string_view utf8Text)
{
    return convert(utf8Text, "GBK", "UTF-8", endOfUtf8Run, 1.0);
}

std::string_view textOfBlock(std::string_view block)
{
    return block.substr(0, block.find('\0'));
}
