#include "core/tools/line_search.h"

#include "core/text/cp1251.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

const std::array<bool, 256>& WinWordBytes()
{
    static const std::array<bool, 256> isWord = [] {
        std::array<bool, 256> table{};
        for (int b = 0; b < 256; ++b)
            table[static_cast<std::size_t>(b)] = IsWordCharCp1251(static_cast<char>(b));
        return table;
    }();
    return isWord;
}

std::array<bool, 256> WordBytesOf(const std::array<std::uint8_t, 256>& compareAs)
{
    std::array<bool, 256> isWord{};
    for (int b = 0; b < 256; ++b)
        isWord[static_cast<std::size_t>(b)] = WinWordBytes()[compareAs[static_cast<std::size_t>(b)]];
    return isWord;
}

template <class Mask>
bool AnyByteSet(Mask mask)
{
#ifdef __SSE2__
    return _mm_movemask_epi8(reinterpret_cast<__m128i>(mask)) != 0;
#else
    std::uint64_t halves[2];
    std::memcpy(halves, &mask, 16);
    return (halves[0] | halves[1]) != 0;
#endif
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
        if (m_expression.Compile(m_pattern) && !m_expression.MustHave().empty())
            m_literal = std::make_shared<const LineSearch>(m_expression.MustHave(), false, false, codePage, matchCase);
        return;
    }
    if (!m_pattern.empty()) {
        bool firstOneBit = false, lastOneBit = false;
        m_blockScan = StoredBytesAs(m_pattern.front(), m_first, firstOneBit) &&
                      StoredBytesAs(m_pattern.back(), m_last, lastOneBit);
        m_oneBitPairs = firstOneBit && lastOneBit;
    }
}

// The stored bytes that compare as `c`, as a pair; false when there are more
// than two.
bool LineSearch::StoredBytesAs(char c, BytePair& pair, bool& oneBit) const
{
    std::array<std::uint8_t, 2> bytes{};
    int count = 0;
    for (int b = 0; b < 256; ++b) {
        if (static_cast<char>(m_compareAs[b]) != c)
            continue;
        if (count == 2)
            return false;
        bytes[count++] = static_cast<std::uint8_t>(b);
    }
    if (count == 0)
        return false;
    if (count == 1)
        bytes[1] = bytes[0];
    const auto differ = static_cast<std::uint8_t>(bytes[0] ^ bytes[1]);
    oneBit = (differ & (differ - 1)) == 0;
    const auto fold = static_cast<std::uint8_t>(oneBit ? differ : 0);
    const auto folded = static_cast<std::uint8_t>(bytes[0] | fold);
    pair.fold = Bytes16{} + fold;
    pair.folded = Bytes16{} + folded;
    pair.one = Bytes16{} + bytes[0];
    pair.other = Bytes16{} + bytes[1];
    return true;
}

LineMatch LineSearch::FindIn(std::string_view text)
{
    if (!m_regex && !m_wholeWord) {
        const std::size_t at = FindPlain(text, 0);
        if (at == std::string_view::npos)
            return {};
        return {static_cast<int>(at), static_cast<int>(m_pattern.size())};
    }
    if (!Valid() || (m_literal && m_literal->FindPlain(text, 0) == std::string_view::npos))
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
    if (offset >= 0) {
        match = {static_cast<int>(from) + offset, m_expression.MatchLength()};
        for (int n = 0; n <= RegExp::kMaxGroups; ++n) {
            const int start = m_expression.GroupStart(n), end = m_expression.GroupEnd(n);
            m_groups[static_cast<std::size_t>(n)] =
                start >= 0 && end >= 0 ? Span{static_cast<int>(from) + start, static_cast<int>(from) + end} : Span{-1, -1};
        }
    }
    match.gaveUp = m_expression.OutOfSteps();
    return match;
}

[[gnu::always_inline]] inline std::size_t LineSearch::FindPlain(std::string_view text, std::size_t from) const
{
    const std::size_t m = m_pattern.size();
    std::size_t at = from;
    if (m_blockScan) {
        const std::size_t found = ScanBlocks(text, at);
        if (found != std::string_view::npos)
            return found;
    }
    for (; at + m <= text.size(); ++at)
        if (EqualsAt(text, at))
            return at;
    return std::string_view::npos;
}

// Sixteen start positions at a time: a position is a candidate when its byte
// can be the pattern's first and the byte m - 1 further its last; only
// candidates are compared in full. The last block may overlap the one before
// it. Leaves `at` where no block reaches.
[[gnu::always_inline]] inline std::size_t LineSearch::ScanBlocks(std::string_view text, std::size_t& at) const
{
    const std::size_t m = m_pattern.size();
    if (at + m + 15 > text.size())
        return std::string_view::npos;
    auto scan = [&](auto oneBitPairs) {
        auto isOf = [](Bytes16 bytes, const BytePair& pair) {
            if constexpr (decltype(oneBitPairs)::value)
                return (bytes | pair.fold) == pair.folded;
            else
                return (bytes == pair.one) | (bytes == pair.other);
        };
        const std::size_t lastBlock = text.size() - m - 15;
        for (std::size_t block = at;; block = std::min(block + 16, lastBlock)) {
            Bytes16 starts, ends;
            std::memcpy(&starts, text.data() + block, 16);
            std::memcpy(&ends, text.data() + block + m - 1, 16);
            const auto candidates = isOf(starts, m_first) & isOf(ends, m_last);
            if (AnyByteSet(candidates))
                for (std::size_t i = 0; i < 16; ++i)
                    if (candidates[i] && EqualsAt(text, block + i))
                        return block + i;
            if (block == lastBlock)
                break;
        }
        at = text.size();
        return std::string_view::npos;
    };
    return m_oneBitPairs ? scan(std::true_type{}) : scan(std::false_type{});
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
