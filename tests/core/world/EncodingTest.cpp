#include <gtest/gtest.h>

#include "world/Encoding.h"

using namespace tarnholt;

TEST(Encoding, Windows1252RoundTripsThroughUtf8AndForeignTextBecomesQuestionMarks)
{
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(cp1252ToUtf8("\x80\xE9"), "\xE2\x82\xAC\xC3\xA9"); // euro sign, e acute
    EXPECT_EQ(utf8ToCp1252("a\xD0\x94z"), "a?z");                // Cyrillic
    EXPECT_EQ(utf8ToCp1252("\xF0\x9F\x98\x80"), "?");            // emoji
    EXPECT_EQ(utf8ToCp1252("x\xC3"), "x?");                       // cut short
    EXPECT_EQ(utf8ToCp1252("\xFF\xFE"), "??");
}
