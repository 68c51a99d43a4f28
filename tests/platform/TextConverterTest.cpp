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

}  // namespace
