#pragma once

#include "core/text/find_byte.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
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

// Gives plain text that starts at column `column` to `sink` (string_view) as
// cells, in runs: a TAB becomes a tab cell run, every other byte is copied.
// Returns the column after the text.
template <class Sink>
std::size_t EmitTextAsCells(std::string_view text, std::size_t column, int tabSize, Sink&& sink)
{
    static constexpr char kTabRun[] = {TAB_CELL, TAB_FILL, TAB_FILL, TAB_FILL, TAB_FILL, TAB_FILL, TAB_FILL,
                                       TAB_FILL, TAB_FILL, TAB_FILL, TAB_FILL, TAB_FILL, TAB_FILL, TAB_FILL,
                                       TAB_FILL, TAB_FILL, TAB_FILL};
    const auto size = static_cast<std::size_t>(tabSize);
    while (!text.empty()) {
        const char* tab = FindByte(text.data(), text.data() + text.size(), '\t');
        const std::size_t plain = tab ? static_cast<std::size_t>(tab - text.data()) : text.size();
        if (plain)
            sink(text.substr(0, plain));
        column += plain;
        if (!tab)
            break;
        // The cell and its fills up to the next multiple of the tab size.
        std::size_t run = 1 + (size - (column + 1) % size) % size;
        column += run;
        for (const char* cells = kTabRun; run > 0; cells = kTabRun + 1) {
            const std::size_t piece = std::min(run, sizeof kTabRun - 1);
            sink(std::string_view(cells, piece));
            run -= piece;
        }
        text.remove_prefix(plain + 1);
    }
    return column;
}

// Appends plain text to a line under construction in `out` (whose size is the
// column reached): a TAB becomes a tab cell run, every other byte is copied.
void AppendTextAsCells(std::string& out, std::string_view text, int tabSize);

// Appends stored cells as plain text: TAB_CELL becomes TAB, fills vanish.
void AppendCellsAsText(std::string& out, std::string_view cells);

// Number of bytes `cells` gives as plain text.
std::size_t TextLengthOfCells(std::string_view cells);

// Index of the first TAB_CELL or TAB_FILL byte, or cells.size() if none.
std::size_t FindFirstTabByte(std::string_view cells);
