#pragma once

#include "core/text/code_pages.h"
#include "core/tools/regexp.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

// Matching one line at a time. Patterns are cp1251 (WIN) bytes. Stored
// lines are compared as if converted from the view's code page to WIN and,
// when case does not matter, folded to lower case; the conversion maps bytes
// one to one, so offsets found are columns of the stored line.

struct LineMatch {
    int offset = -1;
    int length = 0;
    // An expression ran out of steps on this line: not found, but not known
    // to be absent either. A 32-bit flag, not a bool: GCC builds the result
    // on the stack and reads it back into registers as wide as this field,
    // and a bool written as one byte and read as four stalled the processor
    // on every line searched (plain search ran at 60 % of its speed).
    std::uint32_t gaveUp = 0;
    bool Found() const { return offset >= 0; }
};

// A pattern made ready once for searching many lines: folded, its skip table
// built, or compiled when it is a regular expression.
class LineSearch {
public:
    LineSearch(std::string_view pattern, bool wholeWord, bool regex, int codePage = CP_WIN, bool matchCase = true);
    // False for an expression that does not compile: it matches no line.
    bool Valid() const { return !m_regex || m_expression.Compiled(); }
    // The first match in `text`. A whole-word match touches no word character
    // on either side; the ends of `text` count as boundaries.
    LineMatch FindIn(std::string_view text);
    // The spans of the last match of an expression that FindIn found (kept
    // while later calls find nothing), as offsets in the text it was given:
    // 0 is the match, 1-9 the groups ({-1, -1} for one that took no part).
    // A plain search leaves them alone: its hot loop stays as it is.
    using Span = std::pair<int, int>;
    std::array<Span, RegExp::kMaxGroups + 1> Groups() const { return m_groups; }
    // The rightmost plain occurrence lying wholly inside `text` (the pattern
    // is always plain here), or -1.
    int FindLastIn(std::string_view text) const;

private:
    // Two byte values sixteen times over, `one` and `other`; when they
    // differ in one bit, that bit is `fold`, and a byte is one of them when
    // it equals `folded` once `fold` is set in it.
    using Bytes16 = std::uint8_t __attribute__((vector_size(16)));
    struct BytePair {
        Bytes16 fold, folded, one, other;
    };

    LineMatch FindFrom(std::string_view text, std::size_t from, StepBudget& budget);
    std::size_t FindPlain(std::string_view text, std::size_t from) const;
    std::size_t ScanBlocks(std::string_view text, std::size_t& at) const;
    bool EqualsAt(std::string_view text, std::size_t at) const;
    bool StoredBytesAs(char c, BytePair& pair, bool& oneBit) const;
    using WordBytes = std::array<bool, 256>;
    static bool TouchesWord(std::string_view text, std::size_t offset, std::size_t length, const WordBytes& isWord);

    std::string m_pattern;
    bool m_wholeWord;
    bool m_regex;
    std::array<std::uint8_t, 256> m_compareAs; // stored byte -> WIN, folded
    WordBytes m_storedIsWord{};                // stored byte -> a word character
    // The stored bytes that compare as the first and as the last pattern
    // byte, when each has at most two (letters: a capital and a small one),
    // sixteen times over.
    bool m_blockScan = false;
    bool m_oneBitPairs = false;
    BytePair m_first{};
    BytePair m_last{};
    RegExp m_expression;
    // A literal every match of the expression holds, looked for in the
    // stored bytes: a line without it is neither converted nor matched.
    std::shared_ptr<const LineSearch> m_literal;
    std::string m_piece; // an expression runs on the text converted
    std::array<Span, RegExp::kMaxGroups + 1> m_groups{};
};

LineMatch FindInLine(std::string_view text, std::string_view pattern, bool wholeWord, bool regex);
int FindLastInLine(std::string_view text, std::string_view pattern, bool wholeWord);
