#include "common/text_codec.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

TEST(TextCodec, HungarianLettersRoundTrip)
{
    // "Árvíztűrő tükörfúrógép" in Windows-1250.
    const std::string cp = "\xC1rv\xEDzt\xFBr\xF5 t\xFCk\xF6rf\xFAr\xF3g\xE9p";
    const std::string utf8 = "Árvíztűrő tükörfúrógép";
    EXPECT_EQ(cp1250ToUtf8(cp), utf8);
    EXPECT_EQ(utf8ToCp1250(utf8), cp);
}

TEST(TextCodec, DetectsEncodingOfOutsideTexts)
{
    EXPECT_EQ(toUtf8Detect("\xEF\xBB\xBFH\xC3\xBAz\xC3\xA1s"), "Húzás");  // UTF-8 with BOM
    EXPECT_EQ(toUtf8Detect("H\xC3\xBAz\xC3\xA1s"), "Húzás");              // UTF-8
    EXPECT_EQ(toUtf8Detect("H\xFAz\xE1s"), "Húzás");                      // Windows-1250
    EXPECT_EQ(toUtf8Detect("plain;1;2;3"), "plain;1;2;3");
}

TEST(TextCodec, UnmappableAndUndefinedCharacters)
{
    EXPECT_EQ(utf8ToCp1250("a\xE2\x82\xACz"), "a\x80z");  // euro sign has a byte
    EXPECT_EQ(utf8ToCp1250("\xE6\x97\xA5"), "?");           // a CJK character has none
    EXPECT_EQ(cp1250ToUtf8("\x81"), "\xEF\xBF\xBD");        // undefined byte
    EXPECT_FALSE(isValidUtf8("\xC3"));                       // cut sequence
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));                   // overlong
}

}  // namespace
}  // namespace kvx
