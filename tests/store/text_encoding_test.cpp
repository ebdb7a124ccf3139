#include "store/text_encoding.h"

#include <gtest/gtest.h>

namespace klaxora {
namespace {

TEST(Utf8, ValidTextIsRecognisedAndMalformedTextIsNot)
{
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("Grüße ☕ 𝄞 \x7F"));
    EXPECT_TRUE(isValidUtf8("\xF4\x8F\xBF\xBF")) << "U+10FFFF";
    EXPECT_FALSE(isValidUtf8("\xC0\xAF")) << "overlong";
    EXPECT_FALSE(isValidUtf8("\xE0\x80\xAF")) << "overlong";
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")) << "surrogate";
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")) << "above U+10FFFF";
    EXPECT_FALSE(isValidUtf8("\xE2\x82")) << "cut short";
    EXPECT_FALSE(isValidUtf8("\xE2\x82x")) << "cut short";
    EXPECT_FALSE(isValidUtf8("a\x80")) << "stray continuation byte";
    EXPECT_FALSE(isValidUtf8("caf\xE9")) << "Windows-1252";
}

TEST(Utf8, Windows1252BytesBecomeTheirCharacters)
{
    EXPECT_EQ(windows1252ToUtf8("plain"), "plain");
    EXPECT_EQ(windows1252ToUtf8("caf\xE9 \x80 \x9F \xFF \xA0"), "café € Ÿ ÿ \xC2\xA0");
    EXPECT_EQ(windows1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(windows1252ToUtf8("\x93quoted\x94 \x96"), "“quoted” –");
    EXPECT_EQ(decodeFileText("caf\xE9"), "café");
    EXPECT_EQ(decodeFileText("café"), "café");
}

TEST(Utf8, CapacitiesCountCharactersAndNeverCutInsideOne)
{
    const std::string text = "aé☕𝄞b";
    EXPECT_EQ(characterCount(text), 5u);
    EXPECT_EQ(cutToCharacters(text, 0), "");
    EXPECT_EQ(cutToCharacters(text, 2), "aé");
    EXPECT_EQ(cutToCharacters(text, 3), "aé☕");
    EXPECT_EQ(cutToCharacters(text, 4), "aé☕𝄞");
    EXPECT_EQ(cutToCharacters(text, 5), text);
    EXPECT_EQ(cutToCharacters(text, 99), text);
}

} // namespace
} // namespace klaxora
