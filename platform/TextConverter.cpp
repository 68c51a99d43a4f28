#include "platform/TextConverter.h"

#include <cerrno>

namespace platform {

namespace {

const iconv_t NoDescriptor = reinterpret_cast<iconv_t>(-1);
const size_t IconvFailed = static_cast<size_t>(-1);

void grow(std::string& buffer)
{
    buffer.resize(buffer.size() < 16 ? 32 : buffer.size() * 2);
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
    if (!isOpen())
        return std::nullopt;
    iconv(m_descriptor, nullptr, nullptr, nullptr, nullptr);
    if (input.empty())
        return std::string();

    std::string output(input.size(), '\0');
    size_t used = 0;
    // iconv's signature wants a char**, but it only reads the input.
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    // First the whole input, then one call without input, which writes out
    // what a stateful encoding may still hold back.
    bool inputDone = false;
    for (;;) {
        char* out = output.data() + used;
        size_t outLeft = output.size() - used;
        size_t result = inputDone ? iconv(m_descriptor, nullptr, nullptr, &out, &outLeft)
                                  : iconv(m_descriptor, &in, &inLeft, &out, &outLeft);
        int error = errno;
        used = output.size() - outLeft;
        if (result == IconvFailed) {
            if (error != E2BIG)
                return std::nullopt;
            grow(output);
        } else if (inputDone) {
            break;
        } else {
            inputDone = true;
        }
    }
    output.resize(used);
    return output;
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
