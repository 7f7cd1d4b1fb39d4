// The row model: how document lines break into screen rows, and the row
// tables of the window.
#include "core/doc/tab_cells.h"
#include "core/doc/text_doc.h"
#include "core/view/text_view.h"

namespace {

bool IsBlankCell(char c)
{
    return c == ' ' || c == TAB_CELL || c == TAB_FILL;
}

} // namespace

int CTextView::LineCount() const
{
    return m_doc.GetLineCount();
}

int CTextView::LineLength(int line) const
{
    return static_cast<int>(m_doc.GetLine(line).size());
}

bool CTextView::IsLastLine(int line) const
{
    return line == LineCount() - 1;
}

bool CTextView::CountsRows() const
{
    return LineCount() <= kCountedLines;
}

// A row breaks after the last blank that fits (the blank stays at the end of
// its row, so a row may hold m_wrapWidth + 1 cells), or hard at the wrap
// width inside a longer word.
int CTextView::NextRowStart(int& line, int col) const
{
    if (line >= LineCount()) {
        ++line;
        return 0;
    }
    const std::string_view text = m_doc.GetLine(line);
    const int length = static_cast<int>(text.size());
    if (m_wrapWidth == NO_WRAP || col + m_wrapWidth >= length) {
        ++line;
        return 0;
    }
    for (int p = col + m_wrapWidth; p > col; --p)
        if (IsBlankCell(text[static_cast<std::size_t>(p)]))
            return p + 1;
    return col + m_wrapWidth;
}

int CTextView::RowStartOf(int line, int col) const
{
    for (int start = 0;;) {
        int nextLine = line;
        const int next = NextRowStart(nextLine, start);
        if (nextLine != line || col < next)
            return start;
        start = next;
    }
}

int CTextView::PrevRowStart(int& line, int col) const
{
    if (col > 0) {
        for (int start = 0;;) {
            int nextLine = line;
            const int next = NextRowStart(nextLine, start);
            if (nextLine != line || next >= col)
                return start;
            start = next;
        }
    }
    if (line > 0) {
        --line;
        return RowStartOf(line, LineLength(line));
    }
    line = -1;
    return 0;
}

int CTextView::RowsOfLine(int line) const
{
    int rows = 1;
    for (int start = 0;; ++rows) {
        int nextLine = line;
        start = NextRowStart(nextLine, start);
        if (nextLine != line)
            return rows;
    }
}

void CTextView::CaretRowInfo(int& rows, int& rowStart) const
{
    rows = RowsOfLine(m_caret.line);
    rowStart = RowStartOf(m_caret.line, m_caret.col);
}

// One walk over every row of a short document.
void CTextView::CountRows()
{
    if (!CountsRows())
        return;
    int index = 0;
    for (int line = 0; line < LineCount();) {
        const int current = line;
        for (int start = 0; line == current; ++index) {
            const int next = NextRowStart(line, start);
            if (current == m_rowLine[0] && start == m_rowCol[0])
                m_firstRowIndex = index;
            if (current == m_caret.line && m_caret.col >= start && (line != current || m_caret.col < next))
                m_caretRowIndex = index;
            start = next;
        }
    }
    m_totalRows = index;
}

void CTextView::ClearRows()
{
    std::fill(m_rowLine.begin(), m_rowLine.end(), -1);
    std::fill(m_rowCol.begin(), m_rowCol.end(), 0);
}

void CTextView::LayoutFrom(int line, int col, int startRow)
{
    const int count = LineCount();
    if (count == 0) {
        ClearRows();
        return;
    }
    if (line >= count) {
        line = count - 1;
        col = 0;
    }
    for (int r = startRow; r <= m_visibleRows + 1; ++r) {
        if (line < count) {
            m_rowLine[static_cast<std::size_t>(r)] = line;
            m_rowCol[static_cast<std::size_t>(r)] = col;
            col = NextRowStart(line, col);
        } else {
            m_rowLine[static_cast<std::size_t>(r)] = -1;
            m_rowCol[static_cast<std::size_t>(r)] = 0;
        }
    }
}

// Fills the rows upward so that (line, col) lands on row m_visibleRows; line
// -1 stands for the position just past the text, and rows for positions
// further past it stay empty.
void CTextView::LayoutUpTo(int line, int col)
{
    const int count = LineCount();
    if (count == 0) {
        ClearRows();
        return;
    }
    if (line < 0) {
        line = count;
        col = 0;
    }
    int below = line;
    const int belowCol = line < count ? NextRowStart(below, col) : 0;
    m_rowLine[static_cast<std::size_t>(m_visibleRows + 1)] = below < count ? below : -1;
    m_rowCol[static_cast<std::size_t>(m_visibleRows + 1)] = below < count ? belowCol : 0;
    for (int r = m_visibleRows; r >= 0; --r) {
        if (line < 0) {
            LayoutFrom(0, 0, 0); // the text is shorter than the window
            return;
        }
        const bool past = line >= count;
        m_rowLine[static_cast<std::size_t>(r)] = past ? -1 : line;
        m_rowCol[static_cast<std::size_t>(r)] = past ? 0 : col;
        if (line > count)
            --line;
        else
            col = PrevRowStart(line, col);
    }
}
