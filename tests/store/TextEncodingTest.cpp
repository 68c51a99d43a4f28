#include "store/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

std::string bytes(std::string_view hex)
{
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return out;
}

struct Fixture {
    const char* what;
    const char* gbkHex;
    const char* utf8Hex;
};

// Both directions and the round trip, as exact bytes.
const Fixture Convertible[] = {
    {"empty", "", ""},
    {"ASCII", "696E74206D61696E2829207B2072657475726E20303B207D0D0A",
     "696E74206D61696E2829207B2072657475726E20303B207D0D0A"},
    {"你好世界", "C4E3BAC3CAC0BDE7", "E4BDA0E5A5BDE4B896E7958C"},
    {"注释 // 中文 and code", "D7A2CACD202F2F20D6D0CEC420616E6420636F6465",
     "E6B3A8E9878A202F2F20E4B8ADE6968720616E6420636F6465"},
    {"乗 (second byte 0x5C)", "815C", "E4B997"},
    // ASCII is copied as it stands, so a second byte in ASCII's range and the
    // one-byte euro sign must not be taken for ASCII or for a first byte.
    {"€癆A€ (euro, a pair ending in 0x41, A, euro)", "80B04141" "80", "E282ACE79986" "41" "E282AC"},
    {"x乗y (0x5C second byte between ASCII)", "78815C79", "78E4B99779"},
};

TEST(TextEncoding, ConvertsBothWaysAndBack)
{
    for (const Fixture& fixture : Convertible) {
        SCOPED_TRACE(fixture.what);
        const std::string gbk = bytes(fixture.gbkHex), utf8 = bytes(fixture.utf8Hex);
        ConvertedText editor = toEditorText(gbk);
        EXPECT_FALSE(editor.failed);
        EXPECT_EQ(editor.text, utf8);
        ConvertedText store = toStoreText(editor.text);
        EXPECT_FALSE(store.failed);
        EXPECT_EQ(store.text, gbk);
    }
}

TEST(TextEncoding, AFailureGivesTheEmptyTextAndSaysSo)
{
    struct Failure {
        const char* what;
        ConvertedText (*convert)(std::string_view);
        const char* hex;
    };
    const Failure failures[] = {
        {"GBK cut after a lead byte", toEditorText, "C4E3BA"},
        {"GBK with a stray byte", toEditorText, "41FF42"},
        {"one character outside GBK among convertible text", toStoreText, "E4BDA0E5A5BDF09F9880E4B896E7958C"},
        {"invalid UTF-8", toStoreText, "41C328"},
        {"UTF-8 cut inside a character", toStoreText, "41E4BD"},
    };
    for (const Failure& failure : failures) {
        ConvertedText converted = failure.convert(bytes(failure.hex));
        EXPECT_TRUE(converted.failed) << failure.what;
        EXPECT_EQ(converted.text, "") << failure.what;
    }
}

TEST(TextEncoding, ATextEndsAtItsFirstZeroByte)
{
    const std::string block("C\0\xff", 3);
    EXPECT_EQ(textOfBlock(block), "C");
    EXPECT_EQ(toEditorText(block).text, "C");
    EXPECT_FALSE(toEditorText(block).failed);

    // Far into a long text too, in both directions: what follows the zero is
    // never looked at, what comes before it decides.
    const std::string longGbk = std::string(100000, 'x') + "\xc4\xe3";
    const std::string longUtf8 = std::string(100000, 'x') + "\xe4\xbd\xa0";
    const std::string gbkBad("\x81\x20", 2);
    const std::string utf8Bad("\xf0\x9f\x98\x80", 4);  // an emoji, which GBK lacks
    const std::string zero(1, '\0');
    EXPECT_TRUE(toEditorText(longGbk + zero + gbkBad).text == longUtf8);
    EXPECT_FALSE(toEditorText(longGbk + zero + gbkBad).failed);
    EXPECT_TRUE(toEditorText(gbkBad + longGbk + zero).failed);
    EXPECT_TRUE(toStoreText(longUtf8 + zero + utf8Bad).text == longGbk);
    EXPECT_FALSE(toStoreText(longUtf8 + zero + utf8Bad).failed);
    EXPECT_TRUE(toStoreText(longUtf8 + utf8Bad + zero + "x").failed);
}

}  // namespace
