// Find in this view: forward (plain or expression) and backward (plain),
// line by line from the caret, with one wrap-around.
#include "core/doc/text_doc.h"
#include "core/settings/app_settings.h"
#include "core/tools/line_search.h"
#include "core/view/text_view.h"

LineSearch& CTextView::SearchFor(const std::string& pattern)
{
    const int options = (m_pSettings.MatchWhole != 0) | (m_pSettings.RegExpr != 0) << 1 |
                        (m_pSettings.MatchCase != 0) << 2 | m_codePage << 3;
    if (!m_search || options != m_searchOptions || pattern != m_searchPattern) {
        m_search.emplace(pattern, m_pSettings.MatchWhole != 0, m_pSettings.RegExpr != 0, m_codePage,
                         m_pSettings.MatchCase != 0);
        m_searchPattern = pattern;
        m_searchOptions = options;
    }
    return *m_search;
}

bool CTextView::SelectionMatches(const std::string& pattern)
{
    TextPos start, end;
    if (!GetSelectionRange(start, end) || start.line != end.line || pattern.empty())
        return false;
    LineSearch& search = SearchFor(pattern);
    if (!search.Valid())
        return false;
    const LineMatch match = search.FindIn(m_doc.GetLine(start.line).substr(static_cast<std::size_t>(start.col)));
    if (!match.Found() || match.offset != 0 || match.length != end.col - start.col)
        return false;
    RememberMatch(start.line, start.col, search);
    return true;
}

void CTextView::RememberMatch(int line, int col, const LineSearch& search)
{
    m_matchLine = line;
    m_matchCols = search.Groups();
    for (LineSearch::Span& span : m_matchCols)
        if (span.first >= 0)
            span = {span.first + col, span.second + col};
}

std::string CTextView::ReplacementForSelection(const std::string& replacement) const
{
    if (!m_pSettings.RegExpr)
        return replacement;
    TextPos start, end;
    const bool selectedMatch = GetSelectionRange(start, end) && start.line == end.line && start.line == m_matchLine &&
                               m_matchCols[0] == LineSearch::Span{start.col, end.col};
    return ExpandReplacement(replacement, [&](int n) {
        const LineSearch::Span span = m_matchCols[static_cast<std::size_t>(n)];
        if (!selectedMatch || span.first < 0)
            return std::string();
        return m_doc.GetText({span.first, m_matchLine}, {span.second, m_matchLine});
    });
}

bool CTextView::FindForward(const std::string& pattern, bool reveal)
{
    m_searchGaveUp = false;
    if (pattern.empty())
        return true;
    LineSearch& search = SearchFor(pattern);
    if (!search.Valid())
        return false;
    const TextPos caret = m_caret;
    int line = caret.line;
    int col = caret.col;
    for (bool secondPass = false;;) {
        if (line >= LineCount()) {
            if (secondPass)
                return false;
            secondPass = true;
            line = col = 0;
            continue;
        }
        const std::string_view text = m_doc.GetLine(line);
        const LineMatch match =
            static_cast<int>(text.size()) > col ? search.FindIn(text.substr(static_cast<std::size_t>(col))) : LineMatch{};
        m_searchGaveUp = m_searchGaveUp || match.gaveUp;
        if (!match.Found()) {
            col = 0;
            ++line;
            continue;
        }
        const int start = col + match.offset;
        const int end = start + match.length;
        if (line == caret.line && end == caret.col) {
            // The match just found (or an empty one at the caret): on to the end.
            line = LineCount();
            continue;
        }
        RememberMatch(line, col, search);
        m_anchor = {start, line};
        m_selEnd = {end, line};
        m_bSelection = 1;
        if (reveal) {
            MoveCaretTo(line, end);
            RepaintAll();
        } else {
            // Unseen, but the caret's row index keeps in step.
            m_rows.CaretMoved(m_caret, {end, line});
            m_caret = {end, line};
        }
        return true;
    }
}

bool CTextView::FindBackward(const std::string& pattern)
{
    if (pattern.empty())
        return true;
    const LineSearch search(pattern, m_pSettings.MatchWhole != 0, false, m_codePage, m_pSettings.MatchCase != 0);
    const TextPos caret = m_caret;
    int line = caret.line;
    int col = caret.col;
    TextPos start, end;
    // Start before a selected match, so that it is not found again.
    if (GetSelectionRange(start, end) && start.line == end.line && end == caret)
        col = start.col;
    for (bool secondPass = false;;) {
        if (line < 0) {
            if (secondPass)
                return false;
            secondPass = true;
            line = LineCount();
            col = 0;
        }
        if (col == -1 && line < LineCount())
            col = LineLength(line);
        if (col <= 0) {
            --line;
            col = -1;
            continue;
        }
        const int at = search.FindLastIn(m_doc.GetLine(line).substr(0, static_cast<std::size_t>(col)));
        if (at < 0) {
            --line;
            col = -1;
            continue;
        }
        const int matchEnd = at + static_cast<int>(pattern.size());
        // Come round again to the match at the caret: there is no other.
        // (On the first pass the piece ends at the caret or before the
        // selected match, so a match ending there lies before the caret.)
        if (secondPass && line == caret.line && matchEnd == caret.col) {
            line = -1;
            continue;
        }
        m_anchor = {at, line};
        m_selEnd = {matchEnd, line};
        m_bSelection = 1;
        MoveCaretTo(line, matchEnd);
        RepaintAll();
        return true;
    }
}
