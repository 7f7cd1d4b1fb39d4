// The undo history of CTextDoc: recording with merging, Undo and Redo.
#include "core/doc/text_doc.h"

#include "core/settings/app_settings.h"

void CTextDoc::DropUndoTailAndOldest()
{
    m_undoRecords.erase(m_undoRecords.begin() + m_undoPos, m_undoRecords.end());
    if (static_cast<int>(m_undoRecords.size()) >= kMaxUndoRecords) {
        m_undoRecords.erase(m_undoRecords.begin(), m_undoRecords.begin() + kUndoEviction);
        m_undoPos -= kUndoEviction;
        m_bUndoTruncated = 1;
    }
}

namespace {

// One column right of `pos`, or the start of the next line when that column
// lies beyond the line: how far a keystroke at `pos` reaches.
TextPos StepRight(TextPos pos, int lineLength)
{
    ++pos.col;
    if (pos.col > lineLength)
        pos = TextPos{0, pos.line + 1};
    return pos;
}

} // namespace

void CTextDoc::RecordUndo(std::uint8_t type, TextPos start, TextPos end, std::string_view text)
{
    DropUndoTailAndOldest();
    auto lineLength = [&](int line) {
        return line >= 0 && line < GetLineCount() ? static_cast<int>(GetLine(line).size()) : 0;
    };

    if (type != UNDO_SNAPSHOT && !m_undoRecords.empty() && m_undoRecords.back()->type == type) {
        UndoRecord& last = *m_undoRecords.back();
        if (type == UNDO_DELETE && start == last.start) {
            last.text.append(text);
            return;
        }
        // Backspace going backwards: only a deletion that ends where the last
        // one began may be put in front of it.
        const bool oneByte = text.size() == 1 || text == std::string_view("\r\0", 2);
        const bool backspaceInLine =
            oneByte && start.line == last.start.line && start.col == last.start.col - 1;
        const bool backspaceOverBreak = text == "\r\n" && last.start.col == 0 &&
                                        start.line == last.start.line - 1 && start.col == lineLength(start.line);
        if (type == UNDO_DELETE && (backspaceInLine || backspaceOverBreak)) {
            last.start = start;
            last.text.insert(0, text);
            return;
        }
        if (type == UNDO_TYPING && start == last.end) {
            last.end = StepRight(last.end, lineLength(last.end.line));
            last.text.append(text);
            return;
        }
    }

    auto record = std::make_unique<UndoRecord>();
    record->type = type;
    record->start = start;
    record->end = type == UNDO_TYPING ? StepRight(end, lineLength(end.line)) : end;
    if (type == UNDO_SNAPSHOT) {
        record->lines = m_lines;
        record->bookmarks = Bookmarks();
    }
    else
        record->text.assign(text);
    m_undoRecords.push_back(std::move(record));
    m_undoPos = static_cast<int>(m_undoRecords.size());
}

void CTextDoc::PushUndoRecord(std::unique_ptr<UndoRecord> record)
{
    DropUndoTailAndOldest();
    m_undoRecords.push_back(std::move(record));
    m_undoPos = static_cast<int>(m_undoRecords.size());
}

TextPos CTextDoc::SwapTypedRange(UndoRecord& record)
{
    std::string typed = GetTextIn(TextForm::Exact, record.start, record.end);
    DeleteText(record.start, record.end, false);
    TextPos pos = record.start;
    InsertTextIn(TextForm::Exact, pos, record.text, false);
    record.text = std::move(typed);
    record.end = pos;
    return pos;
}

void CTextDoc::RestoreBlock(const UndoRecord& record)
{
    for (int i = record.firstLine; i <= record.lastLine && i < GetLineCount(); ++i)
        m_lines.Assign(i, record.lines.Line(i - record.firstLine));
    InvalidateStatesFrom(record.firstLine);
}

void CTextDoc::RecordReplacement(TextPos start, std::string before, TextPos oldEnd, TextPos newEnd)
{
    auto removed = std::make_unique<UndoRecord>();
    removed->type = UNDO_DELETE;
    removed->start = start;
    removed->end = oldEnd;
    removed->text = std::move(before);
    PushUndoRecord(std::move(removed));
    auto inserted = std::make_unique<UndoRecord>();
    inserted->type = UNDO_INSERT;
    inserted->start = start;
    inserted->end = newEnd;
    inserted->text = GetTextIn(TextForm::Exact, start, newEnd);
    inserted->joinsPrevious = true;
    PushUndoRecord(std::move(inserted));
}

bool CTextDoc::Undo(TextPos& caret)
{
    if (!CanUndo())
        return false;
    bool joined = false;
    do {
        joined = UndoOne(*m_undoRecords[static_cast<std::size_t>(--m_undoPos)], caret);
    } while (joined && m_undoPos > 0);
    SetModified(m_undoPos > 0 || m_bUndoTruncated);
    return true;
}

bool CTextDoc::Redo(TextPos& caret)
{
    if (!CanRedo())
        return false;
    do {
        RedoOne(*m_undoRecords[static_cast<std::size_t>(m_undoPos++)], caret);
    } while (CanRedo() && m_undoRecords[static_cast<std::size_t>(m_undoPos)]->joinsPrevious);
    SetModified(true);
    return true;
}

bool CTextDoc::UndoOne(UndoRecord& record, TextPos& caret)
{
    switch (record.type) {
    case UNDO_INSERT:
        DeleteText(record.start, record.end, false);
        caret = record.start;
        break;
    case UNDO_DELETE: {
        TextPos pos = record.start;
        InsertTextIn(TextForm::Exact, pos, record.text, false);
        record.end = pos;
        caret = pos;
        break;
    }
    case UNDO_TYPING:
        caret = SwapTypedRange(record);
        break;
    case UNDO_SNAPSHOT:
        ExchangeLines(record.lines, record.bookmarks);
        record.end = caret;
        caret = record.start;
        break;
    case UNDO_INDENT:
    case UNDO_UNINDENT:
        RestoreBlock(record);
        caret = record.end;
        break;
    }
    return record.joinsPrevious;
}

void CTextDoc::RedoOne(UndoRecord& record, TextPos& caret)
{
    switch (record.type) {
    case UNDO_INSERT: {
        TextPos pos = record.start;
        InsertTextIn(TextForm::Exact, pos, record.text, false);
        record.end = pos;
        caret = pos;
        break;
    }
    case UNDO_DELETE:
        DeleteText(record.start, record.end, false);
        caret = record.start;
        break;
    case UNDO_TYPING:
        caret = SwapTypedRange(record);
        break;
    case UNDO_SNAPSHOT:
        ExchangeLines(record.lines, record.bookmarks);
        record.start = caret;
        caret = record.end;
        break;
    case UNDO_INDENT:
        IndentLines(record.firstLine, record.lastLine, record.end, false);
        caret = record.end;
        caret.col += m_bTabsAsBytes && !m_pSettings->FillTabs ? 1 : TabSize();
        break;
    case UNDO_UNINDENT:
        UnindentLines(record.firstLine, record.lastLine, record.end, false);
        caret = record.end;
        break;
    }
}
