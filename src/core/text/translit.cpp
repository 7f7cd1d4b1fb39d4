#include "core/text/translit.h"

#include "core/text/code_pages.h"
#include "core/text/setup_file.h"

#include <algorithm>

namespace {

constexpr unsigned char kFirstLetter = 0xC0;

// The inclusive column range of a line, -1 standing for its last byte.
bool ColumnRange(const std::string& line, int startCol, int& endCol)
{
    if (endCol < 0 || endCol >= static_cast<int>(line.size()))
        endCol = static_cast<int>(line.size()) - 1;
    return startCol >= 0 && startCol <= endCol;
}

} // namespace

void ReadTranslitTable(SetupReader& reader, TranslitTable& table)
{
    const bool available = table.available;
    table = TranslitTable{};
    table.available = available;
    std::string key, value;
    while (reader.ReadSetupEntry(key, value)) {
        const auto letter = key.empty() ? 0 : static_cast<unsigned char>(key[0]);
        if (letter < kFirstLetter)
            continue;
        const int index = letter - kFirstLetter;
        table.entries[static_cast<std::size_t>(index)] = std::string(TrimBlanks(value));
        table.count = std::max(table.count, index + 1);
    }
    table.maxLength = 0;
    for (const std::string& entry : table.entries)
        table.maxLength = std::max(table.maxLength, static_cast<int>(entry.size()));
}

void ToTranslit(std::string& line, const TranslitTable& table, int from, int startCol, int endCol)
{
    if (!ColumnRange(line, startCol, endCol))
        return;
    std::string converted;
    for (int i = startCol; i <= endCol; ++i) {
        const auto b = ConvertByte(static_cast<std::uint8_t>(line[static_cast<std::size_t>(i)]), from, CP_WIN);
        if (b >= kFirstLetter && b - kFirstLetter < table.count)
            converted += table.entries[static_cast<std::size_t>(b - kFirstLetter)];
        else
            converted.push_back(static_cast<char>(b));
    }
    line.replace(static_cast<std::size_t>(startCol), static_cast<std::size_t>(endCol - startCol + 1), converted);
}

void FromTranslit(std::string& line, const TranslitTable& table, int to, int startCol, int endCol, bool skipTags)
{
    if (!ColumnRange(line, startCol, endCol))
        return;
    std::string produced;
    bool insideTag = false;
    int i = startCol;
    while (i <= endCol) {
        const auto b = static_cast<unsigned char>(line[static_cast<std::size_t>(i)]);
        if (skipTags && b == '<')
            insideTag = true;
        else if (skipTags && b == '>')
            insideTag = false;
        if (b < 0x21 || b > 0x7A || insideTag) {
            produced.push_back(static_cast<char>(b));
            ++i;
            continue;
        }
        int matched = 0;
        for (int length = table.maxLength; length >= 1 && !matched; --length) {
            const std::string_view piece = std::string_view(line).substr(static_cast<std::size_t>(i),
                                                                         static_cast<std::size_t>(length));
            for (int k = table.count - 1; k >= 0; --k) {
                const std::string& entry = table.entries[static_cast<std::size_t>(k)];
                if (!entry.empty() && entry == piece) {
                    produced.push_back(static_cast<char>(ConvertByte(static_cast<std::uint8_t>(kFirstLetter + k),
                                                                     CP_WIN, to)));
                    matched = static_cast<int>(entry.size());
                    break;
                }
            }
        }
        if (matched == 0) {
            produced.push_back(static_cast<char>(b));
            matched = 1;
        }
        i += matched;
    }
    line.replace(static_cast<std::size_t>(startCol), static_cast<std::size_t>(i - startCol), produced);
}
