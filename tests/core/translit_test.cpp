#include "core/text/code_pages.h"
#include "core/text/setup_file.h"
#include "core/text/translit.h"

#include <gtest/gtest.h>

namespace {

// А=A, Б=B, В=V, Ж=Zh, Ш=Sh, Щ=Shch, а=a, б=b, ж=zh, ш=sh, щ=shch; Г has no
// line though later letters do.
TranslitTable Table()
{
    auto reader = SetupReader::FromText("#Noveda setup file\r\n; a small test table\r\n"
                                        "\xC0=A\r\n\xC1 = B \r\n\xC2=V\r\n\xC6=Zh\r\n\xD8=Sh\r\n\xD9=Shch\r\n"
                                        "\xE0=a\r\n\xE1=b\r\n\xE6=zh\r\n\xF8=sh\r\n\xF9=shch\r\n"
                                        "x=ignored\r\n=no key\r\n\xE0=a\r\n");
    TranslitTable table;
    ReadTranslitTable(*reader, table);
    return table;
}

} // namespace

TEST(Translit, TheTableTakesLetterKeysOnly)
{
    const TranslitTable table = Table();
    EXPECT_EQ(table.entries[0], "A");
    EXPECT_EQ(table.entries[1], "B");
    EXPECT_EQ(table.entries[0x39], "shch");
    EXPECT_EQ(table.count, 0x3A);
    EXPECT_EQ(table.maxLength, 4);
}

TEST(Translit, LettersBecomeTheirSpellings)
{
    const TranslitTable table = Table();
    std::string line = "\xC0\xE1\xE2 \xF9\xFB"; // Абв щы in WIN
    ToTranslit(line, table, CP_WIN, 0, -1);
    // в has no line but lies below the highest letter: it disappears; ы lies above: it stays.
    EXPECT_EQ(line, "Ab shch\xFB");

    std::string koi = "\xE1\xC2"; // Аб in KOI8
    ToTranslit(koi, table, CP_KOI8, 1, 1);
    EXPECT_EQ(koi, "\xE1" "b");
}

TEST(Translit, SpellingsBecomeLettersLongestFirst)
{
    const TranslitTable table = Table();
    std::string line = "shchi Sha zh";
    FromTranslit(line, table, CP_WIN, 0, -1, false);
    EXPECT_EQ(line, "\xF9i \xD8\xE0 \xE6");

    std::string dos = "ab";
    FromTranslit(dos, table, CP_DOS, 1, 1, false);
    EXPECT_EQ(dos, "a\xA1");
}

TEST(Translit, TagsAreLeftAloneOnRequest)
{
    const TranslitTable table = Table();
    std::string line = "<b>ab</b>";
    FromTranslit(line, table, CP_WIN, 0, -1, true);
    EXPECT_EQ(line, "<b>\xE0\xE1</b>");
    std::string plain = "<b>ab";
    FromTranslit(plain, table, CP_WIN, 0, -1, false);
    EXPECT_EQ(plain, "<\xE1>\xE0\xE1");
}
