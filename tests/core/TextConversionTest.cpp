#include "core/TextConversion.h"

#include <gtest/gtest.h>

namespace quorlane {
namespace {

TEST(TextConversionTest, RoundTripsEveryKindOfCharacter)
{
    const std::u16string samples[] = {
        u"", u"http://127.0.0.1:8080/a?b=c", u"caf\u00e9 \u00fc\u00df", u"\u65e5\u672c\u8a9e",
        u"emoji \U0001F600 end", std::u16string(1, char16_t(0xD800)) + u"x", // a lone high surrogate
        u"x" + std::u16string(1, char16_t(0xDC00)),                           // a lone low surrogate
        std::u16string(3, char16_t(0)),
    };
    for (const auto &wide : samples)
        EXPECT_EQ(WideFromNarrow(NarrowFromWide(wide)), wide);
}

TEST(TextConversionTest, EncodesAsUtf8)
{
    EXPECT_EQ(NarrowFromWide(u"\u00e9"), "\xC3\xA9");
    EXPECT_EQ(NarrowFromWide(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(WideFromNarrow("\xE2\x82\xAC"), u"\u20AC");
}

TEST(TextConversionTest, InvalidBytesBecomeReplacementCharacters)
{
    EXPECT_EQ(WideFromNarrow("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(WideFromNarrow("\xC3"), u"\uFFFD");             // cut short
    EXPECT_EQ(WideFromNarrow("\xC0\xAF"), u"\uFFFD\uFFFD");   // overlong
    EXPECT_EQ(WideFromNarrow("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD"); // beyond U+10FFFF
}

} // namespace
} // namespace quorlane
