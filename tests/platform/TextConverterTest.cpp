#include "platform/TextConverter.h"

#include <gtest/gtest.h>

namespace {

TEST(TextConverter, AnEncodingPairThatCannotBeOpenedConvertsNothing)
{
    platform::TextConverter converter("UTF-8", "NO-SUCH-ENCODING");
    EXPECT_FALSE(converter.isOpen());
    EXPECT_EQ(converter.convert(""), std::nullopt);
    EXPECT_EQ(converter.convert("abc"), std::nullopt);
}

TEST(TextConverter, AFailedConversionLeavesTheConverterUsable)
{
    platform::TextConverter converter("UTF-8", "GBK");
    EXPECT_EQ(converter.convert("\xc4\xe3\xba"), std::nullopt);  // cut after a lead byte
    EXPECT_EQ(converter.convert("\xc4\xe3"), std::optional<std::string>("\xe4\xbd\xa0"));
}

TEST(TextConverter, GrowsItsOutputForALargeText)
{
    // Each two GBK bytes become three UTF-8 bytes, so the output outgrows the
    // input-sized buffer it starts with.
    std::string gbk, utf8;
    for (int i = 0; i < 300000; ++i) {
        gbk += "\xc4\xe3";
        utf8 += "\xe4\xbd\xa0";
    }
    gbk += "end";
    utf8 += "end";
    std::optional<std::string> converted = platform::utf8FromGbk(gbk);
    ASSERT_TRUE(converted.has_value());
    EXPECT_EQ(converted->size(), utf8.size());
    EXPECT_TRUE(*converted == utf8);
}

// Long texts pass through the converter in parts: characters cut at a part's
// end, a text whose second half grows more than its first, and a fault far in.
TEST(TextConverter, ConvertsLongTextsWholeOrNotAtAll)
{
    std::string ascii(200000, 'a');
    std::string chineseGbk, chineseUtf8;
    for (int i = 0; i < 100001; ++i) {
        chineseGbk += "\xc4\xe3";
        chineseUtf8 += "\xe4\xbd\xa0";
    }
    struct Case {
        const char* what;
        std::string gbk;
        std::string utf8;
    };
    const Case cases[] = {
        {"odd start, so that characters are cut at the parts' ends", "x" + chineseGbk, "x" + chineseUtf8},
        {"ASCII first, Chinese after it", ascii + chineseGbk + ascii, ascii + chineseUtf8 + ascii},
        {"Chinese first, ASCII after it", chineseGbk + ascii, chineseUtf8 + ascii},
    };
    for (const Case& c : cases) {
        std::optional<std::string> utf8 = platform::utf8FromGbk(c.gbk);
        ASSERT_TRUE(utf8.has_value()) << c.what;
        EXPECT_EQ(utf8->size(), c.utf8.size()) << c.what;
        EXPECT_TRUE(*utf8 == c.utf8) << c.what;
        std::optional<std::string> gbk = platform::gbkFromUtf8(c.utf8);
        ASSERT_TRUE(gbk.has_value()) << c.what;
        EXPECT_TRUE(*gbk == c.gbk) << c.what;
    }
    // An emoji, which GBK lacks, after many parts: nothing, not the parts before it.
    EXPECT_EQ(platform::gbkFromUtf8(chineseUtf8 + "\xf0\x9f\x98\x80" + ascii), std::nullopt);
    // A lead byte cut off at the very end of a long text.
    EXPECT_EQ(platform::utf8FromGbk(ascii + chineseGbk + "\xc4"), std::nullopt);
}

}  // namespace
