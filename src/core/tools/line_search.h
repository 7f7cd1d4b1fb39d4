#pragma once

#include "core/tools/regexp.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Matching one line at a time. Patterns and text are cp1251 (WIN) bytes;
// offsets are byte offsets in the text handed in, which are columns of the
// stored line because conversion maps bytes one to one.

struct LineMatch {
    int offset = -1;
    int length = 0;
    // An expression ran out of steps on this line: not found, but not known
    // to be absent either.
    bool gaveUp = false;
    bool Found() const { return offset >= 0; }
};

// A pattern made ready once for searching many lines: a regular expression is
// compiled here, not per line.
class LineSearch {
public:
    LineSearch(std::string_view pattern, bool wholeWord, bool regex);
    // False for an expression that does not compile: it matches no line.
    bool Valid() const { return !m_regex || m_expression.Compiled(); }
    // The first match in `text`. A whole-word match touches no word character
    // on either side; the ends of `text` count as boundaries.
    LineMatch FindIn(std::string_view text);

private:
    LineMatch FindFrom(std::string_view text, std::size_t from, StepBudget& budget);

    std::string m_pattern;
    bool m_wholeWord;
    bool m_regex;
    RegExp m_expression;
};

LineMatch FindInLine(std::string_view text, std::string_view pattern, bool wholeWord, bool regex);
// Offset of the rightmost plain occurrence lying wholly inside `text`, or -1.
int FindLastInLine(std::string_view text, std::string_view pattern, bool wholeWord);

// Turns pieces of stored lines into what patterns are compared with: the
// view's code page converted to WIN, folded to lower case when case does not
// matter. The prepared piece lives until the next call.
class SearchPieces {
public:
    SearchPieces(int codePage, bool matchCase);
    std::string_view Prepare(std::string_view stored);

private:
    std::array<std::uint8_t, 256> m_table;
    std::string m_piece;
};

// The pattern as it is compared: folded when case does not matter.
std::string SearchPattern(std::string_view pattern, bool matchCase);
