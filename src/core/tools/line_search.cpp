#include "core/tools/line_search.h"

#include "core/text/cp1251.h"

namespace {

std::array<bool, 256> WordBytesOf(const std::array<std::uint8_t, 256>& compareAs)
{
    std::array<bool, 256> isWord{};
    for (int b = 0; b < 256; ++b)
        isWord[b] = IsWordCharCp1251(static_cast<char>(compareAs[b]));
    return isWord;
}

const std::array<bool, 256>& WinWordBytes()
{
    static const std::array<bool, 256> isWord = WordBytesOf(ConversionTable(CP_WIN, CP_WIN));
    return isWord;
}

} // namespace

LineSearch::LineSearch(std::string_view pattern, bool wholeWord, bool regex, int codePage, bool matchCase)
    : m_pattern(matchCase ? std::string(pattern) : ToLowerCp1251(pattern)), m_wholeWord(wholeWord), m_regex(regex),
      m_compareAs(ConversionTable(codePage, CP_WIN))
{
    if (!matchCase)
        for (std::uint8_t& b : m_compareAs)
            b = static_cast<std::uint8_t>(ToLowerCp1251(static_cast<char>(b)));
    m_storedIsWord = WordBytesOf(m_compareAs);
    if (regex) {
        m_expression.Compile(m_pattern);
        return;
    }
    // A stored byte at the window's end moves the window so that the last
    // pattern byte it could be lines up with it.
    const std::size_t m = m_pattern.size();
    m_skip.fill(m);
    for (int b = 0; b < 256; ++b)
        for (std::size_t i = 0; i + 1 < m; ++i)
            if (static_cast<char>(m_compareAs[b]) == m_pattern[i])
                m_skip[b] = m - 1 - i;
}

LineMatch LineSearch::FindIn(std::string_view text)
{
    if (!Valid())
        return {};
    // An expression runs on a converted copy; plain search converts as it
    // compares.
    const WordBytes& isWord = m_regex ? WinWordBytes() : m_storedIsWord;
    if (m_regex && !text.empty()) {
        m_piece.resize(text.size());
        for (std::size_t i = 0; i < text.size(); ++i)
            m_piece[i] = static_cast<char>(m_compareAs[static_cast<std::uint8_t>(text[i])]);
        text = m_piece;
    }
    // One budget for the whole line, rejected whole-word matches included.
    StepBudget budget = StepBudget::For(text.size());
    for (std::size_t from = 0; from <= text.size();) {
        const LineMatch match = FindFrom(text, from, budget);
        if (!match.Found() || !m_wholeWord ||
            !TouchesWord(text, static_cast<std::size_t>(match.offset), static_cast<std::size_t>(match.length), isWord))
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
        const std::size_t at = FindPlain(text, from);
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

// Horspool's search, comparing each stored byte as it converts.
std::size_t LineSearch::FindPlain(std::string_view text, std::size_t from) const
{
    const std::size_t m = m_pattern.size();
    if (m == 0)
        return from;
    const char last = m_pattern[m - 1];
    for (std::size_t at = from; at + m <= text.size();) {
        const auto end = static_cast<std::uint8_t>(text[at + m - 1]);
        if (static_cast<char>(m_compareAs[end]) == last && EqualsAt(text, at))
            return at;
        at += m_skip[end];
    }
    return std::string_view::npos;
}

bool LineSearch::EqualsAt(std::string_view text, std::size_t at) const
{
    for (std::size_t i = 0; i < m_pattern.size(); ++i)
        if (static_cast<char>(m_compareAs[static_cast<std::uint8_t>(text[at + i])]) != m_pattern[i])
            return false;
    return true;
}

bool LineSearch::TouchesWord(std::string_view text, std::size_t offset, std::size_t length, const WordBytes& isWord)
{
    auto wordCharAt = [&](std::size_t i) { return i < text.size() && isWord[static_cast<std::uint8_t>(text[i])]; };
    return (offset > 0 && wordCharAt(offset - 1)) || wordCharAt(offset + length);
}

int LineSearch::FindLastIn(std::string_view text) const
{
    const std::size_t m = m_pattern.size();
    if (m == 0 || m > text.size())
        return -1;
    // From the rightmost candidate down; the whole-word test of a candidate
    // looks at its neighbours in the whole text.
    for (std::size_t at = text.size() - m + 1; at-- > 0;)
        if (EqualsAt(text, at) && !(m_wholeWord && TouchesWord(text, at, m, m_storedIsWord)))
            return static_cast<int>(at);
    return -1;
}

LineMatch FindInLine(std::string_view text, std::string_view pattern, bool wholeWord, bool regex)
{
    return LineSearch(pattern, wholeWord, regex).FindIn(text);
}

int FindLastInLine(std::string_view text, std::string_view pattern, bool wholeWord)
{
    return LineSearch(pattern, wholeWord, false).FindLastIn(text);
}
