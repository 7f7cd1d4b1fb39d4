#include "core/tools/line_search.h"

#include "core/doc/code_pages.h"
#include "core/text/cp1251.h"

namespace {

bool IsWordCharAt(std::string_view text, std::size_t i)
{
    return i < text.size() && IsWordCharCp1251(text[i]);
}

bool TouchesWord(std::string_view text, std::size_t offset, std::size_t length)
{
    return (offset > 0 && IsWordCharAt(text, offset - 1)) || IsWordCharAt(text, offset + length);
}

} // namespace

LineSearch::LineSearch(std::string_view pattern, bool wholeWord, bool regex)
    : m_pattern(pattern), m_wholeWord(wholeWord), m_regex(regex)
{
    if (regex)
        m_expression.Compile(pattern);
}

LineMatch LineSearch::FindIn(std::string_view text)
{
    if (!Valid())
        return {};
    // One budget for the whole line, rejected whole-word matches included.
    StepBudget budget = StepBudget::For(text.size());
    for (std::size_t from = 0; from <= text.size();) {
        const LineMatch match = FindFrom(text, from, budget);
        if (!match.Found() || !m_wholeWord ||
            !TouchesWord(text, static_cast<std::size_t>(match.offset), static_cast<std::size_t>(match.length)))
            return match;
        // An expression runs again on the shorter text, so ^ then matches at
        // the new start.
        from = static_cast<std::size_t>(match.offset) + 1;
    }
    return {};
}

LineMatch LineSearch::FindFrom(std::string_view text, std::size_t from, StepBudget& budget)
{
    LineMatch match;
    if (!m_regex) {
        const std::size_t at = text.find(m_pattern, from);
        if (at != std::string_view::npos)
            match = {static_cast<int>(at), static_cast<int>(m_pattern.size())};
        return match;
    }
    const int offset = m_expression.Find(text.substr(from), budget);
    if (offset >= 0)
        match = {static_cast<int>(from) + offset, m_expression.MatchLength()};
    match.gaveUp = m_expression.OutOfSteps();
    return match;
}

LineMatch FindInLine(std::string_view text, std::string_view pattern, bool wholeWord, bool regex)
{
    return LineSearch(pattern, wholeWord, regex).FindIn(text);
}

int FindLastInLine(std::string_view text, std::string_view pattern, bool wholeWord)
{
    if (pattern.empty())
        return -1;
    // A candidate starts before `limit` but may reach past it.
    for (std::size_t limit = text.size(); limit > 0;) {
        const std::size_t at = text.rfind(pattern, limit - 1);
        if (at == std::string_view::npos)
            return -1;
        if (!wholeWord || !TouchesWord(text, at, pattern.size()))
            return static_cast<int>(at);
        limit = at;
    }
    return -1;
}

SearchPieces::SearchPieces(int codePage, bool matchCase) : m_table(ConversionTable(codePage, CP_WIN))
{
    if (!matchCase)
        for (std::uint8_t& b : m_table)
            b = static_cast<std::uint8_t>(ToLowerCp1251(static_cast<char>(b)));
}

std::string_view SearchPieces::Prepare(std::string_view stored)
{
    m_piece.resize(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i)
        m_piece[i] = static_cast<char>(m_table[static_cast<std::uint8_t>(stored[i])]);
    return m_piece;
}

std::string SearchPattern(std::string_view pattern, bool matchCase)
{
    return matchCase ? std::string(pattern) : ToLowerCp1251(pattern);
}
