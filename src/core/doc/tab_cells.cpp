#include "core/doc/tab_cells.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

void AppendFills(std::string& out, int& column, int tabSize)
{
    const int fills = (tabSize - column % tabSize) % tabSize;
    out.append(static_cast<std::size_t>(fills), TAB_FILL);
    column += fills;
}

} // namespace

// TAB_FILL and TAB_CELL differ only in their lowest bit: one compare finds
// both, sixteen bytes at a time.
static_assert((TAB_FILL | 1) == TAB_CELL);

std::size_t FindFirstTabByte(std::string_view cells)
{
    using Bytes16 = std::uint8_t __attribute__((vector_size(16)));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(cells.data());
    const std::size_t size = cells.size();
    std::size_t i = 0;
    for (; i + 16 <= size; i += 16) {
        Bytes16 block;
        std::memcpy(&block, bytes + i, 16);
        const auto tabs = (block | 1) == TAB_CELL;
        std::uint64_t halves[2];
        std::memcpy(halves, &tabs, 16);
        if (halves[0] | halves[1])
            break;
    }
    for (; i < size; ++i)
        if ((bytes[i] | 1) == TAB_CELL)
            return i;
    return size;
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
