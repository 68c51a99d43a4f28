// Both conversions on any bytes: all or nothing, the same as one plain iconv
// call with room to spare, and what converts comes back byte for byte.

#include "FuzzCheck.h"

#include "store/TextEncoding.h"

#include <iconv.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

// One call into a buffer that cannot run full, then the flush: what the
// converter's growing buffer must come to.
std::optional<std::string> convertedInOneCall(std::string_view input, const char* target, const char* source)
{
    iconv_t descriptor = iconv_open(target, source);
    FUZZ_CHECK(descriptor != reinterpret_cast<iconv_t>(-1));
    std::string output(input.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    bool ok = iconv(descriptor, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1)
        && iconv(descriptor, nullptr, nullptr, &out, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(descriptor);
    if (!ok)
        return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

void checkConversion(const ConvertedText& converted, std::string_view input, const char* target, const char* source)
{
    std::string_view text = textOfBlock(input);
    std::optional<std::string> expected = convertedInOneCall(text, target, source);
    FUZZ_CHECK(converted.failed == !expected.has_value());
    if (converted.failed)
        FUZZ_CHECK(converted.text.empty());
    else
        FUZZ_CHECK(converted.text == *expected);
    // Neither encoding makes a zero byte of anything but a zero.
    FUZZ_CHECK(converted.text.find('\0') == std::string::npos);
    if (text.empty())
        FUZZ_CHECK(!converted.failed && converted.text.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);

    ConvertedText editorText = toEditorText(input);
    checkConversion(editorText, input, "UTF-8", "GBK");
    if (!editorText.failed) {
        ConvertedText back = toStoreText(editorText.text);
        FUZZ_CHECK(!back.failed);
        FUZZ_CHECK(back.text == textOfBlock(input));
    }

    ConvertedText storeText = toStoreText(input);
    checkConversion(storeText, input, "GBK", "UTF-8");
    if (!storeText.failed) {
        ConvertedText back = toEditorText(storeText.text);
        FUZZ_CHECK(!back.failed);
        FUZZ_CHECK(back.text == textOfBlock(input));
    }
    return 0;
}
