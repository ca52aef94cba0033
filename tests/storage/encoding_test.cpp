#include "storage/encoding.h"

#include <gtest/gtest.h>

using namespace ksy;

TEST(Encoding, FrenchLettersAndEuroCrossBothWays)
{
    const std::string utf8 = "Éric Lefèvre ÿ €";
    const auto bytes = utf8ToCp1252(utf8);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, "\xC9ric Lef\xE8vre \xFF \x80");
    EXPECT_EQ(cp1252ToUtf8(*bytes), utf8);
}

TEST(Encoding, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const auto back = utf8ToCp1252(cp1252ToUtf8(all));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, all);
}

TEST(Encoding, RefusesWhatAFileCannotHold)
{
    EXPECT_FALSE(utf8ToCp1252("日本"));
    EXPECT_FALSE(utf8ToCp1252("\xC3"));        // truncated sequence
    EXPECT_FALSE(isStorableText("Jean\tPaul")); // would split the field
    EXPECT_FALSE(isStorableText("Jean\nPaul"));
    EXPECT_FALSE(isStorableText("Ω"));
    EXPECT_TRUE(isStorableText("Cédric Œuvray"));
    EXPECT_EQ(cp1252("Catégorie"), "Cat\xE9gorie");
}
