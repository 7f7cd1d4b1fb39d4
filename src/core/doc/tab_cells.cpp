#include "core/doc/tab_cells.h"

#include <algorithm>
#include <cstring>

namespace {

void AppendFills(std::string& out, int& column, int tabSize)
{
    const int fills = (tabSize - column % tabSize) % tabSize;
    out.append(static_cast<std::size_t>(fills), TAB_FILL);
    column += fills;
}

} // namespace

std::size_t FindFirstTabByte(std::string_view cells)
{
    if (cells.empty())
        return 0;
    const void* cell = std::memchr(cells.data(), TAB_CELL, cells.size());
    const std::size_t end = cell ? static_cast<const char*>(cell) - cells.data() : cells.size();
    const void* fill = std::memchr(cells.data(), TAB_FILL, end);
    return fill ? static_cast<const char*>(fill) - cells.data() : end;
}

int AppendRelaid(std::string& out, std::string_view cells, int column, int tabSize)
{
    while (!cells.empty()) {
        const std::size_t plain = FindFirstTabByte(cells);
        out.append(cells.substr(0, plain));
        column += static_cast<int>(plain);
        if (plain == cells.size())
            break;
        if (cells[plain] == TAB_CELL) {
            out.push_back(TAB_CELL);
            ++column;
            AppendFills(out, column, tabSize);
        }
        cells.remove_prefix(plain + 1);
    }
    return column;
}

std::string RelayTabs(std::string_view line, int tabSize)
{
    std::string out;
    out.reserve(line.size());
    AppendRelaid(out, line, 0, tabSize);
    return out;
}

void AppendTextAsCells(std::string& out, std::string_view text, int tabSize)
{
    EmitTextAsCells(text, out.size(), tabSize, [&](std::string_view cells) { out.append(cells); });
}

void AppendCellsAsText(std::string& out, std::string_view cells)
{
    for (char ch : cells) {
        if (ch == TAB_CELL)
            out.push_back('\t');
        else if (ch != TAB_FILL)
            out.push_back(ch);
    }
}

std::size_t TextLengthOfCells(std::string_view cells)
{
    return cells.size() - static_cast<std::size_t>(std::count(cells.begin(), cells.end(), TAB_FILL));
}
