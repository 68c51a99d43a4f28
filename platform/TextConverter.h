#pragma once

#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// One iconv converter for a pair of encodings, opened once and reusable:
// strict (no transliteration, nothing skipped) and all or nothing.
class TextConverter {
public:
    TextConverter(const char* targetEncoding, const char* sourceEncoding);
    ~TextConverter();
    TextConverter(const TextConverter&) = delete;
    TextConverter& operator=(const TextConverter&) = delete;

    bool isOpen() const;

    // The whole input converted in one pass, or nothing when the pair could
    // not be opened or any part of the input cannot be converted.
    std::optional<std::string> convert(std::string_view input);

    // The same, added to the end of `output`; false when any part cannot be
    // converted, `output` then holding more than it did.
    bool convertOnto(std::string_view input, std::string& output);

private:
    iconv_t m_descriptor;
};

std::optional<std::string> convertText(std::string_view input, const char* targetEncoding,
                                       const char* sourceEncoding);

// The platform's own boundary: Qt and the disk speak UTF-8, the program GBK.
std::optional<std::string> gbkFromUtf8(std::string_view utf8);
std::optional<std::string> utf8FromGbk(std::string_view gbk);

}  // namespace platform
