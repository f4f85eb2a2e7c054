#include <gtest/gtest.h>

#include "exchange/CodePage.h"
#include "exchange/Failure.h"

using Qlx::CodePage;

namespace
{
    struct Pair
    {
        unsigned page;
        const char* utf8;
        const char* bytes;
    };

    class CodePagePairs : public ::testing::TestWithParam<Pair>
    {
    };
}

TEST_P(CodePagePairs, ConvertsBothWays)
{
    const CodePage page(GetParam().page);
    EXPECT_EQ(page.fromUtf8(GetParam().utf8), std::string(GetParam().bytes));
    EXPECT_EQ(page.toUtf8(GetParam().bytes), std::string(GetParam().utf8));
}

INSTANTIATE_TEST_SUITE_P(Texts, CodePagePairs,
                         ::testing::Values(Pair {1252, "caf\xC3\xA9", "caf\xE9"},
                                           Pair {1252, "Stra\xC3\x9F" "e", "Stra\xDF" "e"},
                                           Pair {1252, "\xE2\x82\xAC 5", "\x80 5"},
                                           Pair {1252, "", ""},
                                           Pair {1250, "\xC5\x81\xC3\xB3" "d\xC5\xBA", "\xA3\xF3" "d\x9F"},
                                           Pair {1251, "\xD0\x9F\xD1\x80\xD0\xB8", "\xCF\xF0\xE8"},
                                           Pair {932, "\xE6\x97\xA5\xE6\x9C\xAC", "\x93\xFA\x96\x7B"}));

TEST(CodePage, KeepsEveryByteOf1252ThroughARoundTrip)
{
    const CodePage page(1252);
    for (int byte = 0; byte < 256; ++byte)
    {
        const std::string text(1, static_cast<char>(byte));
        const auto utf8 = page.toUtf8(text);
        ASSERT_TRUE(utf8) << "byte " << byte;
        EXPECT_EQ(page.fromUtf8(*utf8), text) << "byte " << byte;
    }
}

TEST(CodePage, MapsTheUndefinedBytesOf1252ToC1Controls)
{
    const CodePage page(1252);
    for (const char byte : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'})
    {
        const std::string expected {'\xC2', byte};
        EXPECT_EQ(page.toUtf8(std::string(1, byte)), expected);
        EXPECT_EQ(page.fromUtf8(expected), std::string(1, byte));
    }
}

TEST(CodePage, RefusesAC1ControlWhoseByteThePageDefines)
{
    // 0x8D is a letter in 1250 and 0x80 the euro sign in 1252.
    EXPECT_FALSE(CodePage(1250).fromUtf8("\xC2\x8D"));
    EXPECT_FALSE(CodePage(1252).fromUtf8("\xC2\x80"));
}

TEST(CodePage, KeepsNulBytes)
{
    const CodePage page(1252);
    const std::string text("a\0b", 3);
    EXPECT_EQ(page.toUtf8(text), text);
    EXPECT_EQ(page.fromUtf8(text), text);
}

TEST(CodePage, RefusesCharactersThePageLacks)
{
    const CodePage page(1252);
    EXPECT_FALSE(page.fromUtf8("\xE6\x97\xA5"));       // a CJK character
    EXPECT_FALSE(page.fromUtf8("\xC4\x81"));           // a-macron, which a best fit would make "a"
    EXPECT_FALSE(page.fromUtf8("ok \xF0\x9F\x98\x80")); // outside the BMP
}

TEST(CodePage, RefusesInvalidInput)
{
    EXPECT_FALSE(CodePage(1252).fromUtf8("caf\xE9"));     // 1252 bytes, not UTF-8
    EXPECT_FALSE(CodePage(1252).fromUtf8("\xC3"));        // cut short
    EXPECT_FALSE(CodePage(932).toUtf8("\x93"));           // lead byte without its trail
}

TEST(CodePage, RefusesUnknownPages)
{
    for (const unsigned number : {0u, 12345u, 99999u})
    {
        try
        {
            const CodePage page(number);
            ADD_FAILURE() << "accepted code page " << number;
        }
        catch (const Qlx::Failure& failure)
        {
            EXPECT_EQ(std::string(failure.what()), "unknown code page " + std::to_string(number));
        }
    }
}
