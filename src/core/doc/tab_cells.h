#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A TAB is stored as one TAB_CELL followed by TAB_FILL bytes up to the next
// multiple of TabSize, so that a byte's index in a stored line is its column.
constexpr char TAB_CELL = 7;
constexpr char TAB_FILL = 6;

// A blank of the text: a space or any cell of a tab.
constexpr bool IsBlankCell(char c)
{
    return c == ' ' || c == TAB_CELL || c == TAB_FILL;
}

// Appends `cells`, which start at column `column` of their line, to `out`
// with their tab cells laid for `tabSize`: a TAB_CELL gets its fills, stray
// fills are dropped. Returns the column after the last appended byte.
int AppendRelaid(std::string& out, std::string_view cells, int column, int tabSize);

// The whole line re-laid for `tabSize`.
std::string RelayTabs(std::string_view line, int tabSize);

// Appends plain text to a line under construction in `out` (whose size is the
// column reached): a TAB becomes a tab cell run, every other byte is copied.
void AppendTextAsCells(std::string& out, std::string_view text, int tabSize);

// Appends stored cells as plain text: TAB_CELL becomes TAB, fills vanish.
void AppendCellsAsText(std::string& out, std::string_view cells);

// Number of bytes `cells` gives as plain text.
std::size_t TextLengthOfCells(std::string_view cells);

// Index of the first TAB_CELL or TAB_FILL byte, or cells.size() if none.
std::size_t FindFirstTabByte(std::string_view cells);
