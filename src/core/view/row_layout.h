#pragma once

#include "core/doc/text_pos.h"

#include <vector>

class CTextDoc;

// How the lines of a document break into screen rows, and which rows a
// window shows. A row breaks after the last blank that fits the wrap width
// (the blank stays at the end of its row, so a row may hold wrap width + 1
// cells), or hard at the wrap width inside a longer word.
//
// The window table holds the (line, start column) of rows 0 .. WindowRows()
// + 1; line -1 marks a row past the text. Over documents of up to
// kCountedLines lines the layout also keeps the number of rows, the index of
// the window's first row and that of the caret's row: after every edit and
// movement they equal what Count() finds afresh.
class RowLayout {
public:
    static constexpr int kNoWrap = 32767;
    // Row indices over the whole document are kept only up to this many lines.
    static constexpr int kCountedLines = 500;

    explicit RowLayout(const CTextDoc& doc);

    // The wrap rule.
    int WrapWidth() const { return m_wrapWidth; }
    void SetWrapWidth(int width) { m_wrapWidth = width; }
    // The start of the row after the one starting at (line, col); moves
    // `line` on (past the end too) when that row ends its line.
    int NextRowStart(int& line, int col) const;
    int RowStartOf(int line, int col) const;
    // The start of the row before; `line` becomes -1 before the first.
    int PrevRowStart(int& line, int col) const;
    int RowsOfLine(int line) const;
    // Which row of its line holds `col` (0 for the first).
    int RowNumberOf(int line, int col) const;
    bool CountsRows() const;

    // The window's rows.
    int WindowRows() const { return m_windowRows; }
    // Sets the number of rows the window shows, keeping the table; `capacity`
    // makes room for a taller window to come.
    void SetWindowRows(int rows, int capacity = 0);
    // An empty table of `capacity` rows whose first row starts the text.
    void Restart(int capacity);
    int Line(int row) const { return m_line[static_cast<std::size_t>(row)]; }
    int Col(int row) const { return m_col[static_cast<std::size_t>(row)]; }
    TextPos Top() const;
    bool AtTop() const { return Line(0) == 0 && Col(0) == 0; }
    void Clear();
    // Rows from `startRow` on, the first starting at (line, col).
    void LayoutFrom(int line, int col, int startRow);
    // Rows upward so that (line, col) lands on row WindowRows(); line -1
    // stands for the position just past the text.
    void LayoutUpTo(int line, int col);
    // One row up or down; false at the text's edge.
    bool ScrollUp();
    bool ScrollDown();
    // The window row holding `pos` and its column within that row, or -1.
    int WindowRowOf(TextPos pos, int& colInRow) const;
    bool BeforeWindow(TextPos pos) const;
    // Below the last fully visible row (row WindowRows() - 2).
    bool AfterWindow(TextPos pos) const;

    // The counts.
    void Count(TextPos caret);
    // The caret went from `from` to a neighbouring place (the same line or
    // the next or previous one); farther jumps are counted afresh.
    void CaretStepped(TextPos from, TextPos to);
    // The caret went from `from` to anywhere: the row index is walked to.
    void CaretMoved(TextPos from, TextPos to);

    int totalRows = 0;
    int firstRowIndex = 0;
    int caretRowIndex = 0;

private:
    int LineCount() const;
    int LineLength(int line) const;
    void SetRow(int row, int line, int col);

    const CTextDoc& m_doc;
    std::vector<int> m_line;
    std::vector<int> m_col;
    int m_windowRows = 1;
    int m_wrapWidth = kNoWrap;
};
