#include "browser/OleTypes.h"
#include "browser/HeaderLines.h"

#include <gtest/gtest.h>

namespace quorlane {

void PrintTo(const HeaderField &field, std::ostream *os) { *os << field.name << ": " << field.value; }

namespace {

TEST(OleErrorMessageTest, DescriptionThenSystemTextThenCode)
{
    struct Case {
        HRESULT code;
        WideString description;
        std::string message;
    };
    const Case cases[] = {
        {kE_FAIL, u"Access is denied.\r\n", "Access is denied"},
        {kE_FAIL, u"Ends with blanks and stops . . \t", "Ends with blanks and stops"},
        {kE_FAIL, u"", "Unspecified error"},
        {kE_FAIL, u" .\r\n", "Unspecified error"},
        {kE_INVALIDARG, u"", "The parameter is incorrect"},
        {kE_OUTOFMEMORY, u"", "Not enough memory resources are available to complete this operation"},
        {static_cast<HRESULT>(0x80041234u), u"", "OLE error 80041234"},
        {static_cast<HRESULT>(0x8000000Au), u"", "OLE error 8000000A"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(OleErrorMessage(c.code, c.description), c.message);
}

TEST(VariantTest, TextForms)
{
    EXPECT_EQ(VariantToText(Variant()), "");
    EXPECT_EQ(VariantToText(Variant(u"")), "");
    EXPECT_EQ(VariantToText(Variant(u"X-XID: 1\r\n")), "X-XID: 1\r\n");
    EXPECT_EQ(VariantToText(Variant(std::int32_t{-42})), "-42");
    EXPECT_EQ(VariantToText(Variant(ByteArray{'a', 'b'})), "ab");
    EXPECT_EQ(VariantToWideText(Variant(u"\u00e9")), u"\u00e9");
    try {
        VariantToText(Variant::Null());
        FAIL() << "a null has no text form";
    } catch (const EVariantTypeCastError &e) {
        EXPECT_STREQ(e.what(), "Could not convert variant of type (Null) into type (String)");
    }
}

TEST(VariantTest, AssignmentReplacesTheOldValue)
{
    Variant v = ByteArray{1, 2, 3};
    v = WideString(u"text");
    EXPECT_EQ(v, Variant(u"text"));
    v = Variant::Null();
    EXPECT_TRUE(v.IsNull());
    EXPECT_FALSE(v.IsEmpty());
}

TEST(HeaderLinesTest, ParsesTheBlockIntoItsTwoFields)
{
    EXPECT_EQ(ParseHeaderLines("X-XID: 0123456789AB\r\nAccept-Language: fr-be\r\n"),
              (std::vector<HeaderField>{{"X-XID", "0123456789AB"}, {"Accept-Language", "fr-be"}}));
}

TEST(HeaderLinesTest, MalformedLinesAreDroppedWhole)
{
    struct Case {
        std::string text;
        std::vector<HeaderField> fields;
    };
    const Case cases[] = {
        {"", {}},
        {"\r\n\r\n", {}},
        {"A: 1", {{"A", "1"}}},                                   // last line without CR LF
        {"A:1\r\nno colon\r\nB:   2  \r\n", {{"A", "1"}, {"B", "2"}}},
        {"A: 1\nX-Injected: yes\r\n", {}},                      // a bare LF never starts a header
        {"A: 1\rX-Injected: yes\r\nB: 2\r\n", {{"B", "2"}}},    // nor does a bare CR
        {std::string("Bad Name: 1\r\n: empty\r\nA: nul\0x\r\n", 32), {}},
        {"A: tab\tinside\r\n", {{"A", "tab\tinside"}}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ParseHeaderLines(c.text), c.fields) << c.text;
}

} // namespace
} // namespace quorlane
