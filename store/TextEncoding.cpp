#include "store/TextEncoding.h"

#include "platform/TextConverter.h"

namespace {

ConvertedText convert(std::string_view text, const char* target, const char* source)
{
    std::optional<std::string> converted = platform::convertText(text, target, source, platform::InputEnd::FirstZero);
    if (!converted)
        return {std::string(), true};
    // The input ends at its first zero byte, so the result holds none.
    return {std::move(*converted), false};
}

}  // namespace

ConvertedText toEditorText(std::string_view gbkText)
{
    return convert(gbkText, "UTF-8", "GBK");
}

ConvertedText toStoreText(std::string_view utf8Text)
{
    return convert(utf8Text, "GBK", "UTF-8");
}

std::string_view textOfBlock(std::string_view block)
{
    return block.substr(0, block.find('\0'));
}
