#include "platform/TextConverter.h"

#include <algorithm>
#include <cerrno>

namespace platform {

namespace {

const iconv_t NoDescriptor = reinterpret_cast<iconv_t>(-1);
const size_t IconvFailed = static_cast<size_t>(-1);

// The output grows by a piece at a time, and each piece is zero-filled just
// before iconv writes it, while it is in the cache: filling the whole
// result's room at once would write all of its memory twice.
constexpr size_t PieceBytes = 64 * 1024;

// A short text, a name say, takes one piece of its own size.
size_t firstPieceFor(size_t inputSize)
{
    return std::min(PieceBytes, inputSize * 2 + 16);
}

// Room for the whole result, judged from the first piece written after
// `start`, so that a long text is seldom moved as it grows.
void reserveLike(std::string& output, size_t start, size_t consumed, size_t inputSize)
{
    if (consumed == 0 || consumed == inputSize)
        return;
    double perInputByte = static_cast<double>(output.size() - start) / static_cast<double>(consumed);
    output.reserve(start + static_cast<size_t>(perInputByte * 1.05 * static_cast<double>(inputSize)) + PieceBytes);
}

}  // namespace

TextConverter::TextConverter(const char* targetEncoding, const char* sourceEncoding)
    : m_descriptor(iconv_open(targetEncoding, sourceEncoding))
{
}

TextConverter::~TextConverter()
{
    if (isOpen())
        iconv_close(m_descriptor);
}

bool TextConverter::isOpen() const
{
    return m_descriptor != NoDescriptor;
}

std::optional<std::string> TextConverter::convert(std::string_view input)
{
    std::string output;
    if (!convertOnto(input, output))
        return std::nullopt;
    return output;
}

bool TextConverter::convertOnto(std::string_view input, std::string& output)
{
    if (!isOpen())
        return false;
    iconv(m_descriptor, nullptr, nullptr, nullptr, nullptr);
    // iconv's signature wants a char**, but it only reads the input.
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    const size_t start = output.size();
    // First the whole input, then one call without input, which writes out
    // what a stateful encoding may still hold back.
    bool inputDone = false;
    for (bool first = true;; first = false) {
        size_t used = output.size();
        size_t piece = first ? firstPieceFor(input.size()) : PieceBytes;
        output.resize(used + piece);
        char* out = output.data() + used;
        size_t outLeft = piece;
        size_t result = inputDone ? iconv(m_descriptor, nullptr, nullptr, &out, &outLeft)
                                  : iconv(m_descriptor, &in, &inLeft, &out, &outLeft);
        int error = errno;
        output.resize(used + piece - outLeft);
        if (result == IconvFailed && error != E2BIG)
            return false;
        if (first)
            reserveLike(output, start, input.size() - inLeft, input.size());
        if (result == IconvFailed)
            continue;
        if (inputDone)
            return true;
        inputDone = true;
    }
}

std::optional<std::string> convertText(std::string_view input, const char* targetEncoding,
                                       const char* sourceEncoding)
{
    return TextConverter(targetEncoding, sourceEncoding).convert(input);
}

std::optional<std::string> gbkFromUtf8(std::string_view utf8)
{
    return convertText(utf8, "GBK", "UTF-8");
}

std::optional<std::string> utf8FromGbk(std::string_view gbk)
{
    return convertText(gbk, "UTF-8", "GBK");
}

}  // namespace platform
