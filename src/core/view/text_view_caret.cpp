// The view's life cycle, the caret and the selection.
#include "core/doc/tab_cells.h"
#include "core/doc/text_doc.h"
#include "core/settings/app_settings.h"
#include "core/text/code_pages.h"
#include "core/view/highlight_scheme.h"
#include "core/view/text_view.h"

#include <algorithm>

CTextView::CTextView(CTextDoc& doc, ViewShared& shared, ViewHost& host)
    : m_pSettings(shared.settings), m_rowLine(2, -1), m_rowCol(2, 0), m_doc(doc), m_schemes(shared.schemes),
      m_clips(shared.clips), m_host(host)
{
    m_doc.AddView(this);
}

CTextView::~CTextView()
{
    m_doc.RemoveView(this);
}

const HighlightScheme& CTextView::Scheme() const
{
    static const HighlightScheme plain = HighlightScheme::PlainText();
    const std::size_t index = m_doc.GetSchemeIndex();
    return index < m_schemes.size() ? m_schemes[index] : plain;
}

bool CTextView::GetSelectionRange(TextPos& start, TextPos& end) const
{
    if (!m_bSelection)
        return false;
    const bool anchorFirst =
        m_anchor.line < m_selEnd.line || (m_anchor.line == m_selEnd.line && m_anchor.col <= m_selEnd.col);
    start = anchorFirst ? m_anchor : m_selEnd;
    end = anchorFirst ? m_selEnd : m_anchor;
    return true;
}

bool CTextView::CaretBeforeWindow() const
{
    return m_caret.line < m_rowLine[0] || (m_caret.line == m_rowLine[0] && m_caret.col < m_rowCol[0]);
}

// Below the last fully visible row (row m_visibleRows - 2).
bool CTextView::CaretAfterWindow() const
{
    if (m_visibleRows < 2)
        return false;
    const auto last = static_cast<std::size_t>(m_visibleRows - 2);
    const auto partial = last + 1;
    return m_rowLine[last] >= 0 &&
           (m_caret.line > m_rowLine[last] || (m_caret.line == m_rowLine[partial] && m_caret.col >= m_rowCol[partial]));
}

// The window row holding the caret and the caret's column within it, or -1.
int CTextView::ScreenRowOfCaret(int& colInRow) const
{
    for (int r = 0; r <= m_visibleRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        if (m_rowLine[i] != m_caret.line || m_rowCol[i] > m_caret.col)
            continue;
        if (m_caret.col < m_rowCol[i + 1] || m_rowCol[i + 1] == 0 || m_rowLine[i + 1] < 0) {
            colInRow = m_caret.col - m_rowCol[i];
            return r;
        }
    }
    return -1;
}

void CTextView::PlaceCaret()
{
    if (!m_bHasFocus)
        return;
    Point at{-10, 0}; // hidden
    int c = 0;
    const int row = ScreenRowOfCaret(c);
    bool hidden = CaretBeforeWindow() || row < 0 || c < m_hScroll || c > m_hScroll + m_visibleCols;
    if (m_visibleRows >= 2) {
        const auto last = static_cast<std::size_t>(m_visibleRows - 2);
        hidden = hidden || (m_rowLine[last] >= 0 && (m_caret.line > m_rowLine[last] ||
                                                     (m_caret.line == m_rowLine[last + 1] && m_caret.col > m_rowCol[last + 1])));
    }
    if (!hidden)
        at = {(c - m_hScroll) * m_charWidth + m_panelWidth + kTextGap, row * m_lineHeight};
    m_host.SetCaretPos(at);
}

bool CTextView::EnsureCaretVisible()
{
    bool scrolled = false;
    if (CaretBeforeWindow()) {
        LayoutFrom(m_caret.line, RowStartOf(m_caret.line, m_caret.col), 0);
        m_firstRowIndex = m_caretRowIndex;
        scrolled = true;
    } else if (CaretAfterWindow()) {
        int line = m_caret.line;
        int col = RowStartOf(line, m_caret.col);
        col = NextRowStart(line, col);
        col = NextRowStart(line, col);
        LayoutUpTo(line, col);
        m_firstRowIndex = std::max(0, m_caretRowIndex - m_visibleRows + 2);
        scrolled = true;
    }
    int c = 0;
    const int row = std::max(0, ScreenRowOfCaret(c));
    if (c >= m_hScroll + m_visibleCols || c < m_hScroll) {
        m_hScroll = std::max(0, c - m_visibleCols / 2);
        scrolled = true;
    }
    if (scrolled) {
        UpdateScrollBars();
        RepaintAll();
    }
    if (m_bHasFocus)
        m_host.SetCaretPos({(c - m_hScroll) * m_charWidth + m_panelWidth + kTextGap, row * m_lineHeight});
    return scrolled;
}

// The rows showing lines firstLine .. lastLine; -1 for either bound is the
// first or the last row of the window.
void CTextView::RepaintLineRows(int firstLine, int lastLine)
{
    int firstRow = firstLine < 0 ? 0 : -1;
    int lastRow = lastLine < 0 ? m_visibleRows - 1 : -1;
    for (int r = 0; r < m_visibleRows; ++r) {
        const int line = m_rowLine[static_cast<std::size_t>(r)];
        if (line < 0)
            continue;
        if (firstRow < 0 && line >= firstLine)
            firstRow = r;
        if (lastLine >= 0 && line <= lastLine)
            lastRow = r;
    }
    if (firstRow >= 0 && firstRow <= lastRow)
        RepaintRows(firstRow, lastRow);
}

void CTextView::RepaintLines(int firstLine, int lastLine)
{
    if (!EnsureCaretVisible()) {
        RepaintLineRows(firstLine, lastLine);
        PlaceCaret();
    }
    UpdateScrollBars();
}

void CTextView::MoveCaretTo(int line, int col)
{
    const TextPos target{col, std::clamp(line, 0, std::max(0, LineCount() - 1))};
    int rowLine = m_caret.line;
    int rowStart = RowStartOf(rowLine, m_caret.col);
    int index = m_caretRowIndex;
    if (target.line < rowLine || (target.line == rowLine && target.col < rowStart)) {
        rowLine = 0;
        rowStart = 0;
        index = 0;
    }
    for (;;) {
        int nextLine = rowLine;
        const int next = NextRowStart(nextLine, rowStart);
        const bool holds = rowLine == target.line && (nextLine != rowLine || target.col < next);
        if (holds || nextLine >= LineCount())
            break;
        rowLine = nextLine;
        rowStart = next;
        ++index;
    }
    m_caretRowIndex = index;
    m_caret = target;
    EnsureCaretVisible();
}

TextPos CTextView::GetTopPosition() const
{
    return m_rowLine[0] < 0 ? TextPos{} : TextPos{m_rowCol[0], m_rowLine[0]};
}

void CTextView::ClampCaret()
{
    m_caret.line = std::clamp(m_caret.line, 0, std::max(0, LineCount() - 1));
    m_caret.col = LineCount() ? std::clamp(m_caret.col, 0, LineLength(m_caret.line)) : 0;
}

// After vertical movement put the caret at the target row's start plus the
// kept column; `bound` is the next row's start, or the line length + 1.
void CTextView::ClampToRow(int desired, int bound)
{
    const std::string_view line = m_doc.GetLine(m_caret.line);
    const int length = static_cast<int>(line.size());
    if (m_caret.col >= bound) {
        m_caret.col = bound - 1;
        m_desiredCol = desired;
    } else if (m_caret.col >= length) {
        return;
    } else if (line[static_cast<std::size_t>(m_caret.col)] != TAB_FILL) {
        m_desiredCol = -1;
        return;
    } else {
        m_desiredCol = desired;
    }
    // Never rest inside a tab: back onto its tab cell.
    while (m_caret.col > 0 && m_caret.col < length && line[static_cast<std::size_t>(m_caret.col)] == TAB_FILL)
        --m_caret.col;
}

void CTextView::AfterMovement(TextPos oldCaret, bool shift)
{
    if (shift) {
        if (m_caret == oldCaret)
            return;
        if (m_bSelection && m_selEnd == oldCaret) {
            m_selEnd = m_caret;
        } else {
            m_anchor = oldCaret;
            m_selEnd = m_caret;
        }
        m_bSelection = !(m_anchor == m_caret);
    } else if (m_bSelection && !m_pSettings.PersistentBlocks) {
        DropSelection();
    }
}

void CTextView::DropSelection()
{
    m_bSelection = 0;
    RepaintAll();
}

void CTextView::DeriveVisibleCounts(bool withPartialColumn)
{
    const int textWidth = m_host.ClientWidth() - m_panelWidth - kTextGap;
    m_visibleCols = std::max(1, textWidth / m_charWidth + (withPartialColumn ? 1 : 0));
    m_visibleRows = std::max(1, m_host.ClientHeight() / m_lineHeight + 1);
    const auto needed = static_cast<std::size_t>(m_visibleRows + 2);
    if (m_rowLine.size() < needed) {
        m_rowLine.resize(needed, -1);
        m_rowCol.resize(needed, 0);
    }
}

void CTextView::CreateSystemCaret()
{
    m_host.CreateCaret(m_pSettings.InsMode ? 2 : m_charWidth, m_lineHeight);
}

void CTextView::OnInitialUpdate(const CTextView* activePane)
{
    // A second pane shows the text as the pane it splits from does.
    m_codePage = activePane ? activePane->m_codePage : std::uint8_t{m_doc.GetCodePage()};
    SetupFont();
    const TextPos top = activePane ? activePane->GetTopPosition() : TextPos{};
    m_wrapWidth = NO_WRAP;
    UpdateWrapWidth();
    if (LineCount() > 0) {
        const int line = std::min(top.line, LineCount() - 1);
        LayoutFrom(line, RowStartOf(line, std::min(top.col, LineLength(line))), 0);
        CountRows();
    }
    UpdateScrollBars();
    m_bInitialized = 1;
}

void CTextView::OnSize()
{
    CloseCompletion();
    if (!m_bInitialized)
        return;
    if (LineCount() == 0) {
        ClearRows();
        return;
    }
    DeriveVisibleCounts(true);
    m_desiredCol = -1;
    if (m_pSettings.WrapOn)
        m_hScroll = 0;
    m_wrapWidth = NO_WRAP; // so that the next computation always re-lays
    UpdateWrapWidth();
    UpdateScrollBars();
    RepaintAll();
    PlaceCaret();
}

void CTextView::OnUpdate(DocumentView* sender, int hint)
{
    if (!m_bInitialized)
        return;
    if (sender && sender != this && hint != 0)
        m_totalRows = hint;
    ClampCaret();
    if (LineCount() > 0) {
        const int line = std::clamp(m_rowLine[0], 0, LineCount() - 1);
        LayoutFrom(line, RowStartOf(line, std::min(m_rowCol[0], LineLength(line))), 0);
    }
    RepaintAll();
    UpdateScrollBars();
    PlaceCaret();
}

void CTextView::ApplySettings(bool full)
{
    m_panelWidth = PanelWidthFor(m_pSettings.InfoMode);
    ClampCaret();
    if (!full || !m_bInitialized)
        return;
    OnSize();
    m_doc.UpdateAllViews(this, m_totalRows);
}

void CTextView::ResetView()
{
    m_desiredCol = -1;
    m_hScroll = 0;
    m_bSelection = 0;
    m_firstRowIndex = m_caretRowIndex = 0;
    m_caret = TextPos{};
    LayoutFrom(0, 0, 0);
    CountRows();
    RepaintAll();
    UpdateScrollBars();
    PlaceCaret();
}

void CTextView::OnSetFocus()
{
    m_bHasFocus = 1;
    CreateSystemCaret();
    PlaceCaret();
    m_host.ShowCaret();
}

void CTextView::OnKillFocus()
{
    m_host.HideCaret();
    m_bHasFocus = 0;
}

void CTextView::OnActivateView(bool active)
{
    m_bHasFocus = active;
    if (active)
        m_pSettings.Encoding = m_codePage;
}
