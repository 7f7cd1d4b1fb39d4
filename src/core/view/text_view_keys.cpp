// Keys, typed characters and the refresh after an edit.
#include "core/doc/tab_cells.h"
#include "core/doc/text_doc.h"
#include "core/settings/app_settings.h"
#include "core/settings/input_tables.h"
#include "core/text/code_pages.h"
#include "core/view/highlight_scheme.h"
#include "core/view/line_states.h"
#include "core/view/text_view.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::string_view kBracketPairs = "([{<)]}>";
constexpr int kTab = 9;
constexpr int kSpace = 32;
constexpr int kCtrlBackspace = 127;

} // namespace

CTextView::EditRows CTextView::CaretEditRows() const
{
    return {m_rows.RowsOfLine(m_caret.line), m_rows.RowNumberOf(m_caret.line, m_caret.col), m_rows.caretRowIndex};
}

bool CTextView::MoveLeft(bool ctrl)
{
    if (m_caret.line == 0 && m_caret.col == 0)
        return false;
    const TextPos from = m_caret;
    const std::string_view text = m_doc.GetLine(m_caret.line);
    int col = std::min(m_caret.col, static_cast<int>(text.size()));
    if (ctrl && col >= 1) {
        const HighlightScheme& scheme = Scheme();
        while (col > 0 && scheme.IsDelimiter(text[static_cast<std::size_t>(col - 1)]))
            --col;
        while (col > 0 && !scheme.IsDelimiter(text[static_cast<std::size_t>(col - 1)]))
            --col;
        m_caret.col = col;
    } else if (col == 0) {
        --m_caret.line;
        m_caret.col = LineLength(m_caret.line);
    } else {
        --col;
        while (col > 0 && m_doc.IsTabFill(text[static_cast<std::size_t>(col)]))
            --col;
        m_caret.col = col;
    }
    m_desiredCol = -1;
    m_rows.CaretStepped(from, m_caret);
    return true;
}

bool CTextView::MoveRight(bool ctrl)
{
    const std::string_view text = m_doc.GetLine(m_caret.line);
    const int length = static_cast<int>(text.size());
    if (IsLastLine(m_caret.line) && m_caret.col >= length)
        return false;
    const TextPos from = m_caret;
    int col = m_caret.col;
    if (ctrl && col < length) {
        const HighlightScheme& scheme = Scheme();
        while (col < length && !scheme.IsDelimiter(text[static_cast<std::size_t>(col)]))
            ++col;
        while (col < length && scheme.IsDelimiter(text[static_cast<std::size_t>(col)]))
            ++col;
        m_caret.col = col;
    } else if (col >= length) {
        ++m_caret.line;
        m_caret.col = 0;
    } else {
        ++col;
        while (col < length && m_doc.IsTabFill(text[static_cast<std::size_t>(col)]))
            ++col;
        m_caret.col = col;
    }
    m_desiredCol = -1;
    m_rows.CaretStepped(from, m_caret);
    return true;
}

// Up (negative) or down by rows at the kept column, as far as the text goes.
bool CTextView::MoveRows(int rows)
{
    int line = m_caret.line;
    int start = m_rows.RowStartOf(line, m_caret.col);
    const int desired = m_desiredCol != -1 ? m_desiredCol : m_caret.col - start;
    int moved = 0;
    for (; moved < std::abs(rows); ++moved) {
        int l = line;
        const int s = rows < 0 ? m_rows.PrevRowStart(l, start) : m_rows.NextRowStart(l, start);
        if (l < 0 || l >= LineCount())
            break;
        line = l;
        start = s;
    }
    if (moved == 0)
        return false;
    int nextLine = line;
    const int next = m_rows.NextRowStart(nextLine, start);
    const int bound = nextLine == line ? next : LineLength(line) + 1;
    m_caret = {start + desired, line};
    ClampToRow(desired, bound);
    // Stepping back onto a tab cell can leave the target row for the one
    // above it.
    m_rows.caretRowIndex += (rows < 0 ? -moved : moved) + m_rows.RowNumberOf(line, m_caret.col) - m_rows.RowNumberOf(line, start);
    return true;
}

void CTextView::MoveToEnd()
{
    m_caret.line = LineCount() - 1;
    m_caret.col = LineLength(m_caret.line);
    if (m_rows.CountsRows())
        m_rows.caretRowIndex = std::max(0, m_rows.totalRows - 1);
}

bool CTextView::MoveHome(bool ctrl)
{
    const TextPos from = m_caret;
    if (ctrl) {
        m_caret = {};
        m_rows.caretRowIndex = 0;
    } else {
        const std::string_view text = m_doc.GetLine(m_caret.line);
        const int start = m_rows.RowStartOf(m_caret.line, m_caret.col);
        int first = start;
        while (first < static_cast<int>(text.size()) && IsBlankCell(text[static_cast<std::size_t>(first)]))
            ++first;
        m_caret.col = m_caret.col > first ? first : start;
    }
    m_desiredCol = -1;
    return !(m_caret == from);
}

bool CTextView::MoveEnd(bool ctrl)
{
    const TextPos from = m_caret;
    if (ctrl) {
        MoveToEnd();
    } else {
        int line = m_caret.line;
        const int next = m_rows.NextRowStart(line, m_rows.RowStartOf(m_caret.line, m_caret.col));
        m_caret.col = line == m_caret.line ? next - 1 : LineLength(m_caret.line);
    }
    m_desiredCol = -1;
    return !(m_caret == from);
}

void CTextView::OnKeyDown(int key, bool shift, bool ctrl)
{
    const TextPos old = m_caret;
    bool moved = false;
    switch (key) {
    case KEY_LEFT:
        moved = MoveLeft(ctrl);
        break;
    case KEY_RIGHT:
        moved = MoveRight(ctrl);
        break;
    case KEY_UP:
        moved = MoveRows(-1);
        break;
    case KEY_DOWN:
        moved = MoveRows(1);
        break;
    case KEY_PRIOR:
        if (ctrl) {
            m_caret = {};
            m_rows.caretRowIndex = 0;
            moved = !(old == m_caret);
        } else {
            moved = MoveRows(-std::max(1, m_rows.WindowRows() - 2));
        }
        break;
    case KEY_NEXT:
        if (ctrl) {
            MoveToEnd();
            moved = !(old == m_caret);
        } else {
            moved = MoveRows(std::max(1, m_rows.WindowRows() - 2));
        }
        break;
    case KEY_HOME:
        moved = MoveHome(ctrl);
        break;
    case KEY_END:
        moved = MoveEnd(ctrl);
        break;
    case KEY_INSERT:
        m_pSettings.InsMode = !m_pSettings.InsMode;
        if (m_bHasFocus) {
            CreateSystemCaret();
            PlaceCaret();
            m_host.ShowCaret();
        }
        return;
    case KEY_DELETE:
        if (RefusesEdit())
            return;
        if (m_bSelection && !(m_anchor == m_selEnd)) {
            DeleteSelection();
            return;
        }
        AfterMovementKey(old, false, false);
        DeleteKey();
        return;
    case KEY_BACK:
        if (RefusesEdit())
            return;
        if (m_bSelection && !(m_anchor == m_selEnd)) {
            DeleteSelection();
            return;
        }
        AfterMovementKey(old, false, false);
        if (!MoveLeft(ctrl))
            return;
        if (ctrl) {
            m_doc.DeleteText(m_caret, old, true);
            RefreshAfterLinesChanged(m_caret.line);
        } else {
            DeleteKey();
        }
        return;
    case KEY_RETURN:
        if (!RefusesEdit())
            Enter();
        return;
    default:
        return;
    }
    AfterMovementKey(old, moved, shift);
}

// The selection steps after a movement key.
void CTextView::AfterMovementKey(TextPos old, bool moved, bool shift)
{
    if (shift) {
        if (!moved)
            return;
        const bool replaced = m_bSelection && !m_pSettings.PersistentBlocks && !(m_selEnd == old);
        AfterMovement(old, true);
        if (replaced)
            RepaintLineRows(std::min(old.line, m_caret.line), std::max(old.line, m_caret.line));
        else
            RepaintAll();
        EnsureCaretVisible();
        PlaceCaret();
        return;
    }
    if (m_bSelection && !m_pSettings.PersistentBlocks) {
        m_bSelection = 0;
        RepaintLines(-1, -1);
        return;
    }
    if (moved) {
        EnsureCaretVisible();
        PlaceCaret();
    }
}

// Delete at the caret (the Delete key, and Backspace after its step left).
void CTextView::DeleteKey()
{
    if (IsLastLine(m_caret.line) && m_caret.col >= LineLength(m_caret.line))
        return;
    const EditRows before = CaretEditRows();
    const bool joins = m_caret.col >= LineLength(m_caret.line);
    const int nextRows = joins ? m_rows.RowsOfLine(m_caret.line + 1) : 0;
    m_doc.DeleteChar(m_caret);
    if (joins) {
        m_rows.totalRows -= nextRows;
        // Back to 500 lines: rows are counted again from now on.
        if (LineCount() == RowLayout::kCountedLines) {
            m_rows.Count(m_caret);
            RefreshAfterEdit(CaretEditRows(), true);
            return;
        }
    }
    RefreshAfterEdit(before, joins);
}

void CTextView::Enter()
{
    if (m_bSelection) {
        if (m_pSettings.InputEraseSelect && !(m_anchor == m_selEnd))
            DeleteSelection();
        else
            DropSelection();
    }
    if (!m_pSettings.InsMode) {
        int line = m_caret.line;
        const int next = m_rows.NextRowStart(line, m_rows.RowStartOf(m_caret.line, m_caret.col));
        if (line < LineCount()) {
            const TextPos from = m_caret;
            m_caret = {next, line};
            m_rows.CaretStepped(from, m_caret);
            EnsureCaretVisible();
            PlaceCaret();
            m_doc.UpdateAllViews(this, m_rows.totalRows);
            return;
        }
    }
    const EditRows before = CaretEditRows();
    m_doc.SplitLine(m_caret);
    const int above = m_caret.line - 1;
    if (m_pSettings.AutoIndent) {
        const std::string_view text = m_doc.GetLine(above);
        int blanks = 0;
        while (blanks < static_cast<int>(text.size()) && IsBlankCell(text[static_cast<std::size_t>(blanks)]))
            ++blanks;
        if (blanks > 0)
            m_doc.InsertText(m_caret, m_doc.GetText({0, above}, {blanks, above}), true);
    }
    const int rowsAbove = m_rows.RowsOfLine(above);
    m_rows.totalRows += rowsAbove + m_rows.RowsOfLine(m_caret.line) - before.rows;
    m_rows.caretRowIndex = before.rowIndex + rowsAbove - before.rowNumber + m_rows.RowNumberOf(m_caret.line, m_caret.col);
    RecolourLine(m_doc, Scheme(), above);
    RecolourLine(m_doc, Scheme(), m_caret.line);
    Relayout();
    RepaintLines(-1, -1);
    m_doc.UpdateAllViews(this, m_rows.totalRows);
}

void CTextView::OnChar(int code, bool shift, bool ctrl)
{
    if (code < 0 || code > 255 || (code <= 30 && code != kTab) || RefusesEdit())
        return;
    if (ctrl && code == kSpace) {
        StartCompletion();
        return;
    }
    if (ctrl && code == kCtrlBackspace)
        return;
    bool selectionDropped = false;
    if (m_bSelection) {
        if (code == kTab) {
            Indent(shift);
            return;
        }
        if (m_pSettings.InputEraseSelect && !(m_anchor == m_selEnd)) {
            DeleteSelection();
        } else {
            m_bSelection = 0;
            selectionDropped = true;
        }
    }
    const EditRows before = CaretEditRows();
    const std::uint8_t typed = TypedCharacter(m_pSettings, static_cast<std::uint8_t>(code));
    const std::uint8_t byte = ConvertByte(typed, CP_WIN, m_codePage);
    const bool fill = byte == kTab && m_pSettings.FillTabs;
    const char ch = fill ? ' ' : static_cast<char>(byte);
    if (m_pSettings.InsMode)
        m_doc.InsertChar(m_caret, ch);
    else
        m_doc.OverwriteChar(m_caret, ch);
    MoveRight(false);
    const std::size_t bracket = kBracketPairs.find(static_cast<char>(typed));
    if (m_pSettings.AutoBracket && bracket < 4)
        m_doc.InsertChar(m_caret, kBracketPairs[bracket + 4]);
    const int tabSize = std::max(1, static_cast<int>(m_pSettings.TabSize));
    while (fill && m_caret.col % tabSize != 0) {
        m_doc.InsertChar(m_caret, ' ');
        ++m_caret.col;
    }
    RefreshAfterEdit(before, selectionDropped);
}

// Lays the window out again from its first row, kept inside the text.
void CTextView::Relayout()
{
    if (LineCount() == 0)
        return;
    const int line = std::clamp(m_rows.Line(0), 0, LineCount() - 1);
    m_rows.LayoutFrom(line, m_rows.RowStartOf(line, std::min(std::max(m_rows.Col(0), 0), LineLength(line))), 0);
}

// The tail of an edit within the caret's line area.
void CTextView::RefreshAfterEdit(const EditRows& before, bool selectionDropped)
{
    const EditRows after = CaretEditRows();
    m_rows.totalRows += after.rows - before.rows;
    // Moves along the line during the edit are in the row number already.
    m_rows.caretRowIndex = before.rowIndex - before.rowNumber + after.rowNumber;
    const bool laterChanged = RecolourLine(m_doc, Scheme(), m_caret.line);
    Relayout();
    if (!EnsureCaretVisible()) {
        int c = 0;
        const int row = std::max(0, m_rows.WindowRowOf(m_caret, c));
        const int from = selectionDropped ? 0 : std::max(0, row - 1);
        const bool sameRows = after.rows == before.rows && !laterChanged && !selectionDropped;
        const int to = sameRows ? std::min(row + after.rows, m_rows.WindowRows() - 1) : m_rows.WindowRows() - 1;
        RepaintRows(from, to);
        PlaceCaret();
    }
    UpdateScrollBars();
    m_doc.UpdateAllViews(this, m_rows.totalRows);
}

// After an edit over several lines: rows counted again, the window re-laid
// and repainted from `fromLine` down, the other views told.
void CTextView::RefreshAfterLinesChanged(int fromLine)
{
    m_rows.Count(m_caret);
    Relayout();
    if (m_rows.firstRowIndex >= m_rows.totalRows && m_rows.CountsRows())
        m_rows.firstRowIndex = std::max(0, m_rows.totalRows - 1);
    RepaintLines(fromLine, -1);
    m_doc.UpdateAllViews(this, m_rows.totalRows);
}

// After an edit anywhere: rows counted again, the whole window repainted
// with the caret revealed, the other views told.
void CTextView::RefreshWholeView()
{
    ClampCaret();
    Relayout();
    m_rows.Count(m_caret);
    if (!EnsureCaretVisible())
        RepaintAll();
    PlaceCaret();
    UpdateScrollBars();
    m_doc.UpdateAllViews(this, m_rows.totalRows);
}

// Undo drops the selection, Redo leaves it as it was.
void CTextView::UndoOrRedo(bool redo)
{
    TextPos caret = m_caret;
    if (!(redo ? m_doc.Redo(caret) : m_doc.Undo(caret)))
        return;
    m_caret = caret;
    if (!redo)
        m_bSelection = 0;
    RefreshWholeView();
}

void CTextView::DeleteLine()
{
    const int line = m_caret.line;
    if (IsLastLine(line)) {
        if (LineLength(line) == 0)
            return;
        m_doc.DeleteText({0, line}, {LineLength(line), line}, true);
    } else {
        m_doc.DeleteText({0, line}, {0, line + 1}, true);
    }
    m_caret = {0, line};
    m_bSelection = 0;
    RefreshAfterLinesChanged(line);
}
