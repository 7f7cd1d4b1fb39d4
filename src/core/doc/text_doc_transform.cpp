// CTextDoc's whole-text transformations: tabs to spaces, trimming, tag
// removal and paragraph alignment.
#include "core/doc/text_doc.h"

#include "core/doc/tab_cells.h"
#include "core/platform/progress.h"
#include "core/settings/app_settings.h"

#include <algorithm>

namespace {

// A 0..10 meter for work over more than one line.
SteppedProgress LineProgress(DocumentHost* frame, const char* label, int lines)
{
    return SteppedProgress(frame && lines > 1 ? frame->ShowProgress(label) : nullptr, 10,
                           static_cast<std::uint64_t>(std::max(lines, 0)));
}

} // namespace

void CTextDoc::TabsToSpaces(TextPos caret)
{
    RecordUndo(UNDO_SNAPSHOT, caret, caret);
    const int count = GetLineCount();
    SteppedProgress progress = LineProgress(m_pFrame, "Tabs->Spaces", count);
    std::string spaced;
    for (int i = 0; i < count; ++i) {
        if (m_bTabsAsBytes) {
            // Each TAB to the next tab stop.
            spaced.clear();
            for (const char ch : GetLine(i))
                spaced.append(ch == '\t' ? static_cast<std::size_t>(TabSize()) - spaced.size() % TabSize() : 1,
                              ch == '\t' ? ' ' : ch);
            SetLineRelaid(i, spaced);
        } else {
            char* bytes = m_lines.MutableLine(i);
            const std::size_t length = GetLine(i).size();
            std::replace_if(bytes, bytes + length, [](char ch) { return ch == TAB_CELL || ch == TAB_FILL; }, ' ');
        }
        m_lineFlags[static_cast<std::size_t>(i)] = LINE_STATE_UNKNOWN;
        progress.Done(i + 1);
    }
    m_bookmarkCount = 0;
    SetModified(true);
    UpdateAllViews();
}

void CTextDoc::TrimTrailingBlanks(TextPos caret)
{
    RecordUndo(UNDO_SNAPSHOT, caret, caret);
    for (int i = 0; i < GetLineCount(); ++i) {
        const std::string_view line = GetLine(i);
        std::size_t keep = line.size();
        while (keep > 0 && (line[keep - 1] == ' ' || IsTab(line[keep - 1]) || IsTabFill(line[keep - 1])))
            --keep;
        if (keep < line.size())
            m_lines.Replace(i, keep, line.size() - keep, {});
    }
    SetModified(true);
    UpdateAllViews();
}

void CTextDoc::RemoveTags(const std::optional<std::pair<TextPos, TextPos>>& range, TextPos caret)
{
    TextPos start{0, 0};
    const int last = GetLineCount() - 1;
    TextPos end{static_cast<int>(GetLine(last).size()), last};
    if (range) {
        start = Clamp(range->first);
        end = Clamp(range->second);
        if (end < start)
            std::swap(start, end);
    }
    if (m_pSettings->TagChars.size() < 2)
        return;
    const TextPos oldEnd = end;
    std::string before;
    if (range)
        before = GetTextIn(TextForm::Exact, start, end);
    else
        RecordUndo(UNDO_SNAPSHOT, caret, caret);
    const char opening = m_pSettings->TagChars[0];
    const char closing = m_pSettings->TagChars[1];
    SteppedProgress progress = LineProgress(m_pFrame, "Removing", end.line - start.line + 1);
    const int firstLine = start.line;

    bool removed = false;
    int depth = 0;
    TextPos open;
    TextPos p = start;
    while (p < end) {
        const std::string_view line = GetLine(p.line);
        if (static_cast<std::size_t>(p.col) >= line.size()) {
            progress.Done(p.line - firstLine + 1);
            p = TextPos{0, p.line + 1};
            continue;
        }
        const char ch = line[static_cast<std::size_t>(p.col)];
        if (ch == closing && depth > 0) {
            if (--depth == 0) {
                const TextPos after{p.col + 1, p.line};
                DeleteText(open, after, false);
                removed = true;
                // The end of the range moves back by what went.
                if (end.line == after.line)
                    end = TextPos{open.col + (end.col - after.col), open.line};
                else
                    end.line -= after.line - open.line;
                p = open;
                continue;
            }
        } else if (ch == opening) {
            if (depth++ == 0)
                open = p;
        }
        ++p.col;
    }
    if (range && removed)
        RecordReplacement(start, std::move(before), oldEnd, end);
    SetModified(true);
    UpdateAllViews();
}

void CTextDoc::AlignText(const std::optional<std::pair<TextPos, TextPos>>& range, const AlignOptions& options)
{
    int firstLine = 0;
    int lastLine = GetLineCount() - 1;
    if (range) {
        TextPos from = Clamp(range->first);
        TextPos to = Clamp(range->second);
        if (to < from)
            std::swap(from, to);
        firstLine = from.line;
        lastLine = LastLineOf(from, to);
    }
    const TextPos start{0, firstLine};
    const TextPos end{static_cast<int>(GetLine(lastLine).size()), lastLine};
    const std::string text = GetText(start, end);
    std::unique_ptr<ProgressMeter> meter = m_pFrame ? m_pFrame->ShowProgress("Aling text") : nullptr;
    if (meter)
        meter->SetRange(0, 40);
    int shown = -1;
    const std::string aligned = AlignParagraphs(text, options, [&](std::size_t placed) {
        const int position = static_cast<int>(placed * 40 / std::max<std::size_t>(text.size(), 1));
        if (meter && position != shown)
            meter->SetPos(shown = position);
    });

    std::string before = GetTextIn(TextForm::Exact, start, end);
    DeleteText(start, end, false);
    TextPos pos = start;
    InsertText(pos, aligned, false);
    RecordReplacement(start, std::move(before), end, pos);
    SetModified(true);
    UpdateAllViews();
}
