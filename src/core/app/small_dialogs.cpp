#include "core/app/small_dialogs.h"

#include "core/text/code_pages.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {

constexpr std::string_view kEntryPrefix = "Line No:\t ";
constexpr std::size_t kEntryNumberAt = 10;

std::optional<int> ParseNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

} // namespace

Scope InitialScope(bool hasSelection, int where)
{
    if (hasSelection)
        return Scope::Selection;
    return where == 0 ? Scope::Document : Scope::AllDocuments;
}

int WhereAfter(Scope scope, int where)
{
    switch (scope) {
    case Scope::Document:
        return 0;
    case Scope::AllDocuments:
        return 1;
    default:
        return where;
    }
}

int InitialConvertTo(int from, int storedTo, bool translitLoaded)
{
    int to = storedTo == from ? -1 : storedTo;
    if (to < -1 || to > CP_TRANSLITE)
        to = -1;
    if (!translitLoaded && (to == CP_TRANSLITE || to == -1))
        to = from != CP_KOI8 ? CP_KOI8 : CP_WIN;
    return to;
}

std::string TagCharsOf(const std::string& stored)
{
    return stored.size() < 2 ? "<>" : stored;
}

std::string TagCharsFromEdits(const std::string& stored, std::string_view start, std::string_view end)
{
    std::string chars = TagCharsOf(stored);
    if (!start.empty())
        chars[0] = start.front();
    if (!end.empty())
        chars[1] = end.front();
    return chars;
}

GoToRange GoToRangeOf(bool byLine, int lines)
{
    return byLine ? GoToRange{1, std::max(1, lines)} : GoToRange{0, 100};
}

int PercentOfLine(int lineNumber, int lines)
{
    return lines > 0 ? static_cast<int>(static_cast<long long>(lineNumber) * 100 / lines) : 0;
}

// 100 % would be the line after the last: the last line is as far as it goes.
int LineOfPercent(int percent, int lines)
{
    return std::min(std::max(1, lines), 1 + static_cast<int>(static_cast<long long>(lines) * percent / 100));
}

std::optional<int> GoToTarget(std::string_view text, bool byLine, int lines)
{
    const std::optional<int> value = ParseNumber(text);
    const GoToRange range = GoToRangeOf(byLine, lines);
    if (!value || *value < range.low || *value > range.high)
        return std::nullopt;
    const long long line = byLine ? *value : static_cast<long long>(lines) * *value / 100;
    return static_cast<int>(std::clamp(line - 1, 0LL, static_cast<long long>(std::max(0, lines - 1))));
}

std::string BookmarkEntry(int line)
{
    char number[16];
    std::snprintf(number, sizeof number, "%06d", line + 1);
    return std::string(kEntryPrefix) + number;
}

int LineOfBookmarkEntry(std::string_view entry)
{
    if (entry.size() <= kEntryNumberAt)
        return -1;
    const std::optional<int> number = ParseNumber(entry.substr(kEntryNumberAt));
    return number && *number > 0 ? *number - 1 : -1;
}

int SelectionAfterDelete(int deleted, int left)
{
    if (left <= 0)
        return -1;
    return std::min(deleted, left - 1);
}
