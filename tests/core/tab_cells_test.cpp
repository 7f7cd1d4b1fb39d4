#include "core/doc/tab_cells.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(TabCells, TextTabBecomesACellRunToTheNextTabStop)
{
    std::string line;
    AppendTextAsCells(line, "x\t", 8);
    EXPECT_EQ(line, "x\x07\x06\x06\x06\x06\x06\x06"s);

    line.clear();
    AppendTextAsCells(line, "abcd\tc", 4);
    EXPECT_EQ(line, "abcd\x07\x06\x06\x06"s "c");

    line.clear();
    AppendTextAsCells(line, "abc\t", 4); // the tab stop is one cell away
    EXPECT_EQ(line, "abc\x07"s);
}

TEST(TabCells, CellsTurnBackIntoTextWithOneTabPerCell)
{
    std::string text;
    AppendCellsAsText(text, "x\x07\x06\x06\x06\x06\x06\x06"s "y");
    EXPECT_EQ(text, "x\ty");
    EXPECT_EQ(TextLengthOfCells("x\x07\x06\x06"s "y"), 3u);
}

TEST(TabCells, RelayDropsStrayFillsAndGivesEveryCellItsFills)
{
    EXPECT_EQ(RelayTabs("ab\x06"s "c", 4), "abc");
    EXPECT_EQ(RelayTabs("\x07"s "ab", 4), "\x07\x06\x06\x06"s "ab");
    // A cell overwritten in the middle: the letter moves behind the tab.
    EXPECT_EQ(RelayTabs("\x07"s "x\x06\x06", 4), "\x07\x06\x06\x06"s "x");
    // Laid for TabSize 8, re-laid for 4.
    EXPECT_EQ(RelayTabs("\x07\x06\x06\x06\x06\x06\x06\x06"s "z", 4), "\x07\x06\x06\x06"s "z");
    const std::string laid = "a\x07\x06\x06"s "bcde\x07\x06\x06\x06"s;
    EXPECT_EQ(RelayTabs(laid, 4), laid);
}

TEST(TabCells, RelayFromAColumnLaysCellsForThatColumn)
{
    std::string out;
    const int end = AppendRelaid(out, "\x07"s "y", 2, 4);
    EXPECT_EQ(out, "\x07\x06"s "y");
    EXPECT_EQ(end, 5);
}

TEST(TabCells, FindsTheFirstTabByteOfEitherKind)
{
    EXPECT_EQ(FindFirstTabByte("abc"), 3u);
    EXPECT_EQ(FindFirstTabByte("ab\x06\x07"s), 2u);
    EXPECT_EQ(FindFirstTabByte("a\x07\x06"s), 1u);
    EXPECT_EQ(FindFirstTabByte(""), 0u);
}
