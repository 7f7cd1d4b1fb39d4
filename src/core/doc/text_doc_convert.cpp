// CTextDoc's Convert: code pages and transliteration over a range.
#include "core/doc/text_doc.h"

#include "core/platform/progress.h"
#include "core/settings/input_tables.h"
#include "core/text/code_pages.h"
#include "core/text/translit.h"

#include <algorithm>

void CTextDoc::Convert(const std::optional<std::pair<TextPos, TextPos>>& range, int from, int to, bool skipTags,
                       TextPos caret)
{
    const bool translit = from == CP_TRANSLITE || to == CP_TRANSLITE;
    if (from == to || (translit && !(m_pPrompts && EnsureTranslitTable(*m_pSettings, *m_pPrompts))))
        return;

    TextPos start{0, 0};
    TextPos end{0, GetLineCount() - 1};
    if (range) {
        start = Clamp(range->first);
        end = Clamp(range->second);
        if (end < start)
            std::swap(start, end);
        end.line = LastLineOf(start, end);
    }
    end.col = static_cast<int>(GetLine(end.line).size());
    SteppedProgress progress(end.line > start.line && m_pFrame ? m_pFrame->ShowProgress("Converting") : nullptr, 10,
                             static_cast<std::uint64_t>(end.line - start.line));
    if (!range && !translit) {
        // The whole text in one pass through the table; the old text is the
        // undo snapshot as it stands.
        ExchangeLinesKeepingUndo(m_lines.TranslatedCopy(ConversionTable(from, to)), caret);
        progress.Done(static_cast<std::uint64_t>(end.line - start.line));
        InvalidateStatesFrom(0);
        SetModified(true);
        UpdateAllViews();
        return;
    }
    std::string before;
    if (range)
        before = GetTextIn(TextForm::Exact, start, end);
    else
        RecordUndo(UNDO_SNAPSHOT, caret, caret);

    const TranslitTable& table = m_pSettings->translit;
    const auto bytesTable = translit ? std::array<std::uint8_t, 256>{} : ConversionTable(from, to);
    for (int i = start.line; i <= end.line; ++i) {
        const int first = i == start.line ? start.col : 0;
        const int length = static_cast<int>(GetLine(i).size());
        if (!translit) {
            char* bytes = m_lines.MutableLine(i);
            for (int c = first; c < length; ++c)
                bytes[c] = static_cast<char>(bytesTable[static_cast<std::uint8_t>(bytes[c])]);
        } else if (first < length) {
            std::string line(GetLine(i));
            if (to == CP_TRANSLITE)
                ToTranslit(line, table, from, first, -1);
            else
                FromTranslit(line, table, to, first, -1, skipTags);
            SetLineRelaid(i, line);
        }
        if (IsBookmarked(i) && m_bookmarkCount > 0)
            --m_bookmarkCount;
        m_lineFlags[static_cast<std::size_t>(i)] = LINE_STATE_UNKNOWN;
        progress.Done(static_cast<std::uint64_t>(i - start.line + 1));
    }
    if (range)
        RecordReplacement(start, std::move(before), end, TextPos{static_cast<int>(GetLine(end.line).size()), end.line});
    InvalidateStatesFrom(start.line);
    SetModified(true);
    UpdateAllViews();
}
