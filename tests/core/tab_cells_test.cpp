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
    // Sixteen bytes at a time and the rest one by one: every place in lines
    // of every length up to three blocks, among bytes of every other value.
    std::string other;
    for (int b = 0; other.size() < 48; b = (b + 37) % 256)
        if (b != TAB_CELL && b != TAB_FILL)
            other.push_back(static_cast<char>(b));
    for (std::size_t length = 0; length <= other.size(); ++length) {
        EXPECT_EQ(FindFirstTabByte(std::string_view(other).substr(0, length)), length);
        for (std::size_t at = 0; at < length; ++at) {
            std::string line = other.substr(0, length);
            line[at] = at % 2 ? TAB_CELL : TAB_FILL;
            ASSERT_EQ(FindFirstTabByte(line), at) << "length " << length;
        }
    }
}
