#include "core/ErrorMessage.h"
#include "core/ExtraHeaders.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorlane {
namespace {

TEST(BuildExtraHeadersTest, JoinsTheSixPiecesByteForByte)
{
    EXPECT_EQ(BuildExtraHeaders("0123456789AB", "en-us"), "X-XID: 0123456789AB\r\nAccept-Language: en-us\r\n");
    EXPECT_EQ(BuildExtraHeaders("0123456789AB", "fr"), "X-XID: 0123456789AB\r\nAccept-Language: fr\r\n");
}

TEST(BuildExtraHeadersTest, LengthIsFortyPlusTheTag)
{
    for (const auto tag : kLanguageTags) {
        const std::string block = BuildExtraHeaders("0123456789AB", tag);
        EXPECT_EQ(block.size(), 40 + tag.size()) << tag;
        EXPECT_EQ(std::count(block.begin(), block.end(), '\n'), 2) << tag;
        EXPECT_EQ(block.substr(block.size() - 2), "\r\n");
        EXPECT_EQ(block.find("\r\n\r\n"), std::string::npos);
    }
    EXPECT_EQ(BuildExtraHeaders("0123456789AB", "fr").size(), 42u);
    EXPECT_EQ(BuildExtraHeaders("0123456789AB", "nl-be").size(), 45u);
}

TEST(BuildExtraHeadersTest, TakesItsArgumentsUnchanged)
{
    EXPECT_EQ(BuildExtraHeaders(" abc ", "EN"), "X-XID:  abc \r\nAccept-Language: EN\r\n");
    EXPECT_EQ(BuildExtraHeaders("", ""), "X-XID: \r\nAccept-Language: \r\n");
}

TEST(LanguageTagsTest, SixTagsInListOrder)
{
    const std::vector<std::string_view> expected = {"en-us", "fr-be", "fr", "nl", "nl-be", "zu"};
    EXPECT_EQ(std::vector<std::string_view>(kLanguageTags.begin(), kLanguageTags.end()), expected);
}

TEST(ErrorBoxTextTest, AddsAFullStopOnlyAfterCharactersAboveIt)
{
    const std::pair<std::string, std::string> cases[] = {
        {"XID must be a 12 hexadecimal character string!", "XID must be a 12 hexadecimal character string!"},
        {"Call failed (code 5)", "Call failed (code 5)"},
        {"Already ends....", "Already ends...."},
        {"", ""},
        {"Invalid input value.  Use escape key to abandon changes",
         "Invalid input value.  Use escape key to abandon changes."},
        {"ends in a digit 7", "ends in a digit 7."},
        {"ends in a slash/", "ends in a slash/."},
        {"ends in a comma,", "ends in a comma,"},
        {"ends in a space ", "ends in a space "},
        {"ends in \xC3\xA9", "ends in \xC3\xA9."},
    };
    for (const auto &[message, shown] : cases)
        EXPECT_EQ(ErrorBoxText(message), shown) << message;
}

} // namespace
} // namespace quorlane
