// The editing operations of CTextDoc: every change to the text passes here.
#include "core/doc/text_doc.h"

#include "core/doc/tab_cells.h"
#include "core/settings/app_settings.h"

#include <algorithm>
#include <utility>

void CTextDoc::SpliceLine(int line, int col, int count, std::string_view bytes)
{
    if (m_bTabsAsBytes) {
        m_lines.Replace(line, static_cast<std::size_t>(col), static_cast<std::size_t>(count), bytes);
        RaiseMaxLineLength(GetLine(line).size());
        return;
    }
    const std::string_view old = GetLine(line);
    // Bytes before the first tab byte cannot move; lay out the rest anew.
    const int from = static_cast<int>(FindFirstTabByte(old.substr(0, static_cast<std::size_t>(col))));
    std::string tail;
    tail.reserve(old.size() - static_cast<std::size_t>(from) + bytes.size());
    tail.append(old.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(col - from)));
    tail.append(bytes);
    const std::string_view rest = old.substr(static_cast<std::size_t>(col + count));
    std::string relaid;
    relaid.reserve(tail.size() + rest.size());
    const int column = AppendRelaid(relaid, tail, from, TabSize());
    AppendRelaid(relaid, rest, column, TabSize());
    m_lines.Replace(line, static_cast<std::size_t>(from), old.size() - static_cast<std::size_t>(from), relaid);
    RaiseMaxLineLength(GetLine(line).size());
}

void CTextDoc::SetLineRelaid(int line, std::string_view bytes)
{
    m_lines.Assign(line, RelayTabs(bytes));
    RaiseMaxLineLength(GetLine(line).size());
}

void CTextDoc::InsertLineEntries(int index, const std::vector<LineStore::Entry>& entries)
{
    m_lines.InsertEntries(index, entries);
    m_lineFlags.insert(m_lineFlags.begin() + index, entries.size(), LINE_STATE_UNKNOWN);
    for (const LineStore::Entry& e : entries)
        RaiseMaxLineLength(e.Length());
}

void CTextDoc::EraseLines(int first, int count)
{
    if (count <= 0)
        return;
    for (int i = first; i < first + count; ++i) {
        if (IsBookmarked(i) && m_bookmarkCount > 0)
            --m_bookmarkCount;
    }
    m_lines.Erase(first, count);
    m_lineFlags.erase(m_lineFlags.begin() + first, m_lineFlags.begin() + first + count);
}

void CTextDoc::DeleteText(TextPos start, TextPos end, bool recordUndo)
{
    start = Clamp(start);
    end = Clamp(end);
    if (end < start)
        std::swap(start, end);
    if (start == end)
        return;
    if (recordUndo)
        RecordUndo(UNDO_DELETE, start, end, GetTextIn(TextForm::Exact, start, end));

    const std::string rest(GetLine(end.line).substr(static_cast<std::size_t>(end.col)));
    const int startLength = static_cast<int>(GetLine(start.line).size());
    SpliceLine(start.line, start.col, startLength - start.col, rest);
    EraseLines(start.line + 1, end.line - start.line);
    InvalidateStatesFrom(start.line);
    SetModified(true);
}

void CTextDoc::InsertText(TextPos& pos, std::string_view text, bool recordUndo)
{
    InsertTextIn(TextForm::Plain, pos, text, recordUndo);
}

void CTextDoc::InsertExactText(TextPos& pos, std::string_view text, bool recordUndo)
{
    InsertTextIn(TextForm::Exact, pos, text, recordUndo);
}

void CTextDoc::InsertTextIn(TextForm form, TextPos& pos, std::string_view text, bool recordUndo)
{
    pos = Clamp(pos);
    if (text.empty())
        return;
    if (!m_bTabsAsBytes && FindFirstTabByte(text) != text.size()) {
        // The text holds bytes tab cells are made of: the place moves with
        // the line as its cells become TAB bytes.
        pos.col = static_cast<int>(TextLengthOfCells(GetLine(pos.line).substr(0, static_cast<std::size_t>(pos.col))));
        KeepTabsAsBytes();
    }
    const TextPos begin = pos;
    const std::string_view old = GetLine(pos.line);
    const std::string right(old.substr(static_cast<std::size_t>(pos.col)));

    // The line is taken out and put back as the first inserted line, so it
    // loses its bookmark.
    std::string current(old.substr(0, static_cast<std::size_t>(pos.col)));
    std::string firstLine;
    std::vector<LineStore::Entry> added;
    added.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r')));
    int breaks = 0;
    std::size_t i = 0;
    for (;;) {
        const std::size_t cr = text.find('\r', i);
        AppendAsCells(current, text.substr(i, cr == std::string_view::npos ? std::string_view::npos : cr - i));
        if (cr == std::string_view::npos)
            break;
        i = cr + 1;
        if (form == TextForm::Exact && i < text.size() && text[i] == '\0') {
            current.push_back('\r'); // a CR of the line's own
            ++i;
            continue;
        }
        if (breaks++ == 0)
            firstLine = RelayTabs(current);
        else
            added.push_back(m_lines.MakeEntry(current));
        current.clear();
        if (i < text.size() && text[i] == '\n')
            ++i;
    }
    std::string lastLine;
    lastLine.reserve(current.size() + right.size());
    int endColumn = static_cast<int>(current.size());
    if (m_bTabsAsBytes) {
        lastLine.append(current).append(right);
    } else {
        endColumn = AppendRelaid(lastLine, current, 0, TabSize());
        AppendRelaid(lastLine, right, endColumn, TabSize());
    }

    if (IsBookmarked(pos.line) && m_bookmarkCount > 0)
        --m_bookmarkCount;
    m_lineFlags[static_cast<std::size_t>(pos.line)] = LINE_STATE_UNKNOWN;
    if (breaks == 0) {
        m_lines.Assign(pos.line, lastLine);
    } else {
        m_lines.Assign(pos.line, firstLine);
        added.push_back(m_lines.MakeEntry(lastLine));
        InsertLineEntries(pos.line + 1, added);
    }
    RaiseMaxLineLength(GetLine(pos.line).size());
    pos.line += breaks;
    pos.col = endColumn;

    InvalidateStatesFrom(begin.line);
    SetModified(true);
    if (!recordUndo)
        return;
    // Redo inserts the exact form; plain text reads the same that way unless
    // a CR of it is followed by a NUL.
    if (form == TextForm::Plain && text.find(std::string_view("\r\0", 2)) != std::string_view::npos)
        RecordUndo(UNDO_INSERT, begin, pos, GetTextIn(TextForm::Exact, begin, pos));
    else
        RecordUndo(UNDO_INSERT, begin, pos, text);
}

TextPos CTextDoc::ReplaceExactText(TextPos start, TextPos end, std::string_view exactText)
{
    start = Clamp(start);
    end = Clamp(end);
    if (end < start)
        std::swap(start, end);
    std::string before = GetTextIn(TextForm::Exact, start, end);
    DeleteText(start, end, false);
    TextPos pos = start;
    InsertTextIn(TextForm::Exact, pos, exactText, false);
    RecordReplacement(start, std::move(before), end, pos);
    return pos;
}

void CTextDoc::InsertChar(TextPos pos, char ch)
{
    pos = Clamp(pos);
    const char cell = ch == '\t' && !m_bTabsAsBytes ? TAB_CELL : ch;
    SpliceLine(pos.line, pos.col, 0, std::string_view(&cell, 1));
    RecordUndo(UNDO_TYPING, pos, pos);
    SetModified(true);
}

void CTextDoc::OverwriteChar(TextPos pos, char ch)
{
    pos = Clamp(pos);
    const std::string_view line = GetLine(pos.line);
    if (static_cast<std::size_t>(pos.col) >= line.size() || ch == '\t') {
        InsertChar(pos, ch);
        return;
    }
    const char replaced = line[static_cast<std::size_t>(pos.col)];
    if (!m_bTabsAsBytes && (replaced == TAB_CELL || ch == TAB_CELL || ch == TAB_FILL))
        SpliceLine(pos.line, pos.col, 1, std::string_view(&ch, 1));
    else
        m_lines.Replace(pos.line, static_cast<std::size_t>(pos.col), 1, std::string_view(&ch, 1));
    RecordUndo(UNDO_TYPING, pos, pos, ExactByte(replaced, m_bTabsAsBytes));
    SetModified(true);
}

bool CTextDoc::DeleteChar(TextPos pos)
{
    pos = Clamp(pos);
    const std::string_view line = GetLine(pos.line);
    if (static_cast<std::size_t>(pos.col) < line.size()) {
        RecordUndo(UNDO_DELETE, pos, pos, ExactByte(line[static_cast<std::size_t>(pos.col)], m_bTabsAsBytes));
        SpliceLine(pos.line, pos.col, 1, {});
        SetModified(true);
        return false;
    }
    if (pos.line + 1 >= GetLineCount())
        return false;
    RecordUndo(UNDO_DELETE, pos, pos, "\r\n");
    const std::string next(GetLine(pos.line + 1));
    SpliceLine(pos.line, pos.col, 0, next);
    EraseLines(pos.line + 1, 1);
    SetModified(true);
    return true;
}

void CTextDoc::SplitLine(TextPos& pos)
{
    pos = Clamp(pos);
    const std::string_view line = GetLine(pos.line);
    const std::string rest = RelayTabs(line.substr(static_cast<std::size_t>(pos.col)));
    SpliceLine(pos.line, pos.col, static_cast<int>(line.size()) - pos.col, {});
    InsertLineEntries(pos.line + 1, {m_lines.MakeEntry(rest)});
    InvalidateStatesFrom(pos.line);
    RecordUndo(UNDO_TYPING, pos, pos);
    pos = TextPos{0, pos.line + 1};
    SetModified(true);
}

std::unique_ptr<UndoRecord> CTextDoc::BlockRecord(std::uint8_t type, int first, int last, TextPos caret) const
{
    auto record = std::make_unique<UndoRecord>();
    record->type = type;
    record->firstLine = first;
    record->lastLine = last;
    record->end = caret;
    for (int i = first; i <= last; ++i)
        record->lines.Append(GetLine(i));
    return record;
}

void CTextDoc::IndentLines(int first, int last, TextPos caret, bool recordUndo)
{
    first = std::max(first, 0);
    last = std::min(last, GetLineCount() - 1);
    if (first > last)
        return;
    std::unique_ptr<UndoRecord> record;
    if (recordUndo)
        record = BlockRecord(UNDO_INDENT, first, last, caret);

    const int tabSize = TabSize();
    std::string unit;
    if (m_pSettings->FillTabs)
        unit.assign(static_cast<std::size_t>(tabSize), ' ');
    else if (m_bTabsAsBytes)
        unit.assign(1, '\t');
    else
        unit.assign(1, TAB_CELL).append(static_cast<std::size_t>(tabSize - 1), TAB_FILL);
    for (int i = first; i <= last; ++i)
        SpliceLine(i, 0, 0, unit);

    InvalidateStatesFrom(first);
    if (record)
        PushUndoRecord(std::move(record));
    SetModified(true);
}

void CTextDoc::UnindentLines(int first, int last, TextPos caret, bool recordUndo)
{
    first = std::max(first, 0);
    last = std::min(last, GetLineCount() - 1);
    if (first > last)
        return;
    std::unique_ptr<UndoRecord> record;
    if (recordUndo)
        record = BlockRecord(UNDO_UNINDENT, first, last, caret);

    for (int i = first; i <= last; ++i) {
        const std::string_view line = GetLine(i);
        const std::size_t limit = std::min(line.size(), static_cast<std::size_t>(TabSize()));
        std::size_t blank = 0;
        while (blank < limit && (line[blank] == ' ' || IsTab(line[blank]) || IsTabFill(line[blank])))
            ++blank;
        if (blank == 0)
            continue;
        std::string rest(line.substr(blank));
        // Cutting into a tab cell keeps what is left of it as a tab.
        if (!rest.empty() && IsTabFill(rest[0]))
            rest[0] = TAB_CELL;
        SetLineRelaid(i, rest);
    }

    InvalidateStatesFrom(first);
    if (record)
        PushUndoRecord(std::move(record));
    SetModified(true);
}

std::vector<bool> CTextDoc::Bookmarks() const
{
    std::vector<bool> marks(m_lineFlags.size());
    for (std::size_t i = 0; i < marks.size(); ++i)
        marks[i] = (m_lineFlags[i] & LINE_BOOKMARK) != 0;
    return marks;
}

// The text and its bookmarks trade places with a snapshot's; line states
// are worked out again. Marks that do not fit the text are dropped.
void CTextDoc::ExchangeLines(LineStore& lines, std::vector<bool>& bookmarks)
{
    std::vector<bool> current = Bookmarks();
    m_lines.Swap(lines);
    if (m_lines.Count() == 0)
        m_lines.Append({});
    m_lineFlags.assign(static_cast<std::size_t>(m_lines.Count()), LINE_STATE_UNKNOWN);
    m_bookmarkCount = 0;
    if (bookmarks.size() == m_lineFlags.size()) {
        for (std::size_t i = 0; i < bookmarks.size(); ++i) {
            if (bookmarks[i]) {
                m_lineFlags[i] |= LINE_BOOKMARK;
                ++m_bookmarkCount;
            }
        }
    }
    bookmarks.swap(current);
    for (int i = 0; i < m_lines.Count(); ++i)
        RaiseMaxLineLength(m_lines.Line(i).size());
}

// The new text comes without bookmarks: its lines need not be the old ones.
void CTextDoc::ExchangeLinesKeepingUndo(LineStore lines, TextPos caret)
{
    auto record = std::make_unique<UndoRecord>();
    record->type = UNDO_SNAPSHOT;
    record->start = record->end = caret;
    std::vector<bool> none;
    ExchangeLines(lines, none);
    record->lines.Swap(lines);
    record->bookmarks.swap(none);
    PushUndoRecord(std::move(record));
}

void CTextDoc::ReplaceAllLines(LineStore newLines, TextPos& pos)
{
    ExchangeLinesKeepingUndo(std::move(newLines), pos);
    pos = TextPos{0, 0};
    SetModified(true);
}
