#include "core/text/cp1251.h"
#include "core/text/placeholder.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1251Case, PairsEveryLatinAndCyrillicLetter)
{
    int capitals = 0;
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        const char lower = ToLowerCp1251(c);
        if (lower == c)
            continue;
        ++capitals;
        EXPECT_EQ(ToUpperCp1251(lower), c) << b;
        EXPECT_TRUE(IsLetterCp1251(c) && IsLetterCp1251(lower)) << b;
    }
    EXPECT_EQ(capitals, 26 + 32 + 15); // Latin, А-Я, Ё and the other Cyrillic capitals
    EXPECT_EQ(ToLowerCp1251("\xA8\xCB\xCA\xC0 Tree"), "\xB8\xEB\xEA\xE0 tree"); // ЁЛКА
    EXPECT_EQ(ToLowerCp1251("\xAF\xA3\xAA\xB2\xA5\x80"), "\xBF\xBC\xBA\xB3\xB4\x90");  // ЇЈЄІҐЂ
    EXPECT_EQ(ToUpperCp1251('\xFF'), '\xDF');
}

TEST(Cp1251Case, LeavesEverythingElseAlone)
{
    for (const char c : {'0', '_', ' ', '\x07', '\x06', '\xAB', '\xBB', '\xA0', '\xB5', '\xB9', '\x96'}) {
        EXPECT_EQ(ToLowerCp1251(c), c);
        EXPECT_EQ(ToUpperCp1251(c), c);
    }
    EXPECT_TRUE(EqualsIgnoringCase("\xCF\xF0\xE8\xE2\xE5\xF2 World", "\xEF\xD0\xC8\xC2\xC5\xD2 wORLD"));
    EXPECT_FALSE(EqualsIgnoringCase("\xE5", "\xB8")); // е is not ё
}

TEST(Cp1251WordChars, AreLettersDigitsAndUnderscore)
{
    for (const char c : {'a', 'Z', '0', '9', '_', '\xC0', '\xFF', '\xA8', '\xB8', '\xBF', '\x80', '\x9F'})
        EXPECT_TRUE(IsWordCharCp1251(c)) << static_cast<int>(static_cast<unsigned char>(c));
    // Blanks, punctuation, quotes, dashes, the no-break space, µ, № and the
    // tab cell bytes are not.
    for (const char c : {' ', '-', '.', '\t', '\x07', '\x06', '\xAB', '\xBB', '\x96', '\x97', '\xA0', '\xB5', '\xB9', '\x84'})
        EXPECT_FALSE(IsWordCharCp1251(c)) << static_cast<int>(static_cast<unsigned char>(c));
}

} // namespace

TEST(Placeholder, OnlyTheFirstTextPlaceholderIsFilled)
{
    EXPECT_EQ(FillPlaceholder("Save changes to %s ?", "a.txt"), "Save changes to a.txt ?");
    // A language file's pattern with more than it should have stays harmless.
    EXPECT_EQ(FillPlaceholder("%s %s %d %n", "x"), "x %s %d %n");
    EXPECT_EQ(FillPlaceholder("no placeholder", "x"), "no placeholder");
    EXPECT_EQ(FillPlaceholder(FillPlaceholder("between %d and %d", "1", "%d"), "10", "%d"), "between 1 and 10");
}
