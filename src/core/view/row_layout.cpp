#include "core/view/row_layout.h"

#include "core/doc/tab_cells.h"
#include "core/doc/text_doc.h"

#include <algorithm>

RowLayout::RowLayout(const CTextDoc& doc) : m_doc(doc), m_line(3, -1), m_col(3, 0) {}

int RowLayout::LineCount() const
{
    return m_doc.GetLineCount();
}

int RowLayout::LineLength(int line) const
{
    return static_cast<int>(m_doc.GetLine(line).size());
}

bool RowLayout::CountsRows() const
{
    return LineCount() <= kCountedLines;
}

int RowLayout::NextRowStart(int& line, int col) const
{
    if (line >= LineCount()) {
        ++line;
        return 0;
    }
    const std::string_view text = m_doc.GetLine(line);
    const int length = static_cast<int>(text.size());
    if (m_wrapWidth == kNoWrap || col + m_wrapWidth >= length) {
        ++line;
        return 0;
    }
    for (int p = col + m_wrapWidth; p > col; --p)
        if (IsBlankCell(text[static_cast<std::size_t>(p)]))
            return p + 1;
    return col + m_wrapWidth;
}

int RowLayout::RowStartOf(int line, int col) const
{
    for (int start = 0;;) {
        int nextLine = line;
        const int next = NextRowStart(nextLine, start);
        if (nextLine != line || col < next)
            return start;
        start = next;
    }
}

int RowLayout::PrevRowStart(int& line, int col) const
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

int RowLayout::RowsOfLine(int line) const
{
    int rows = 1;
    for (int start = 0;; ++rows) {
        int nextLine = line;
        start = NextRowStart(nextLine, start);
        if (nextLine != line)
            return rows;
    }
}

int RowLayout::RowNumberOf(int line, int col) const
{
    int number = 0;
    for (int start = 0;; ++number) {
        int nextLine = line;
        const int next = NextRowStart(nextLine, start);
        if (nextLine != line || col < next)
            return number;
        start = next;
    }
}

void RowLayout::SetWindowRows(int rows, int capacity)
{
    m_windowRows = std::max(1, rows);
    const auto needed = static_cast<std::size_t>(std::max(m_windowRows + 2, capacity));
    if (m_line.size() < needed) {
        m_line.resize(needed, -1);
        m_col.resize(needed, 0);
    }
}

void RowLayout::Restart(int capacity)
{
    const auto rows = static_cast<std::size_t>(std::max(capacity, m_windowRows + 2));
    m_line.assign(rows, -1);
    m_col.assign(rows, 0);
    if (LineCount() > 0)
        m_line[0] = 0;
}

TextPos RowLayout::Top() const
{
    return Line(0) < 0 ? TextPos{} : TextPos{Col(0), Line(0)};
}

void RowLayout::SetRow(int row, int line, int col)
{
    m_line[static_cast<std::size_t>(row)] = line;
    m_col[static_cast<std::size_t>(row)] = line < 0 ? 0 : col;
}

void RowLayout::Clear()
{
    std::fill(m_line.begin(), m_line.end(), -1);
    std::fill(m_col.begin(), m_col.end(), 0);
}

void RowLayout::LayoutFrom(int line, int col, int startRow)
{
    const int count = LineCount();
    if (count == 0) {
        Clear();
        return;
    }
    if (line >= count) {
        line = count - 1;
        col = 0;
    }
    for (int r = startRow; r <= m_windowRows + 1; ++r) {
        if (line < count) {
            SetRow(r, line, col);
            col = NextRowStart(line, col);
        } else {
            SetRow(r, -1, 0);
        }
    }
}

// Rows for positions further past the text than the one just past it stay
// empty; a text shorter than the window is laid from its start.
void RowLayout::LayoutUpTo(int line, int col)
{
    const int count = LineCount();
    if (count == 0) {
        Clear();
        return;
    }
    if (line < 0) {
        line = count;
        col = 0;
    }
    int below = line;
    const int belowCol = line < count ? NextRowStart(below, col) : 0;
    SetRow(m_windowRows + 1, below < count ? below : -1, belowCol);
    for (int r = m_windowRows; r >= 0; --r) {
        if (line < 0) {
            LayoutFrom(0, 0, 0);
            return;
        }
        SetRow(r, line >= count ? -1 : line, col);
        if (line > count)
            --line;
        else
            col = PrevRowStart(line, col);
    }
}

// Rows move down by one; the new top row is the one before the old top.
bool RowLayout::ScrollUp()
{
    if (AtTop())
        return false;
    int line = Line(0) < 0 ? LineCount() : Line(0);
    const int col = PrevRowStart(line, Line(0) < 0 ? 0 : Col(0));
    if (line < 0)
        return false;
    const auto end = static_cast<std::ptrdiff_t>(m_windowRows + 1);
    std::copy_backward(m_line.begin(), m_line.begin() + end, m_line.begin() + end + 1);
    std::copy_backward(m_col.begin(), m_col.begin() + end, m_col.begin() + end + 1);
    SetRow(0, line, col);
    --firstRowIndex;
    return true;
}

// Rows move up by one; the new last row is the one after the old last.
bool RowLayout::ScrollDown()
{
    if (Line(1) < 0)
        return false;
    const int last = m_windowRows + 1;
    std::copy(m_line.begin() + 1, m_line.begin() + last + 1, m_line.begin());
    std::copy(m_col.begin() + 1, m_col.begin() + last + 1, m_col.begin());
    int line = Line(last - 1);
    const int col = line < 0 ? 0 : NextRowStart(line, Col(last - 1));
    SetRow(last, line >= 0 && line < LineCount() ? line : -1, col);
    ++firstRowIndex;
    return true;
}

int RowLayout::WindowRowOf(TextPos pos, int& colInRow) const
{
    for (int r = 0; r <= m_windowRows; ++r) {
        if (Line(r) != pos.line || Col(r) > pos.col)
            continue;
        if (pos.col < Col(r + 1) || Col(r + 1) == 0 || Line(r + 1) < 0) {
            colInRow = pos.col - Col(r);
            return r;
        }
    }
    return -1;
}

bool RowLayout::BeforeWindow(TextPos pos) const
{
    return pos.line < Line(0) || (pos.line == Line(0) && pos.col < Col(0));
}

bool RowLayout::AfterWindow(TextPos pos) const
{
    if (m_windowRows < 2)
        return false;
    const int last = m_windowRows - 2;
    const int partial = last + 1;
    return Line(last) >= 0 && (pos.line > Line(last) || (pos.line == Line(partial) && pos.col >= Col(partial)));
}

// One walk over every row of a short document.
void RowLayout::Count(TextPos caret)
{
    if (!CountsRows())
        return;
    int index = 0;
    for (int line = 0; line < LineCount();) {
        const int current = line;
        for (int start = 0; line == current; ++index) {
            const int next = NextRowStart(line, start);
            if (current == Line(0) && start == Col(0))
                firstRowIndex = index;
            if (current == caret.line && caret.col >= start && (line != current || caret.col < next))
                caretRowIndex = index;
            start = next;
        }
    }
    totalRows = index;
}

void RowLayout::CaretStepped(TextPos from, TextPos to)
{
    const int oldNumber = RowNumberOf(from.line, from.col);
    const int newNumber = RowNumberOf(to.line, to.col);
    if (to.line == from.line)
        caretRowIndex += newNumber - oldNumber;
    else if (to.line == from.line + 1)
        caretRowIndex += RowsOfLine(from.line) - oldNumber + newNumber;
    else if (to.line == from.line - 1)
        caretRowIndex -= oldNumber + RowsOfLine(to.line) - newNumber;
    else
        Count(to);
}

void RowLayout::CaretMoved(TextPos from, TextPos to)
{
    int rowLine = from.line;
    int rowStart = RowStartOf(rowLine, from.col);
    int index = caretRowIndex;
    if (to.line < rowLine || (to.line == rowLine && to.col < rowStart)) {
        rowLine = 0;
        rowStart = 0;
        index = 0;
    }
    for (;;) {
        int nextLine = rowLine;
        const int next = NextRowStart(nextLine, rowStart);
        const bool holds = rowLine == to.line && (nextLine != rowLine || to.col < next);
        if (holds || nextLine >= LineCount())
            break;
        rowLine = nextLine;
        rowStart = next;
        ++index;
    }
    caretRowIndex = index;
}
