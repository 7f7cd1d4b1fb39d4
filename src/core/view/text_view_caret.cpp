// The view's life cycle, the caret and the selection.
#include "core/doc/tab_cells.h"
#include "core/doc/text_doc.h"
#include "core/settings/app_settings.h"
#include "core/text/code_pages.h"
#include "core/view/highlight_scheme.h"
#include "core/view/text_view.h"

#include <algorithm>

CTextView::CTextView(CTextDoc& doc, ViewShared& shared, ViewHost& host)
    : m_pSettings(shared.settings), m_doc(doc), m_rows(doc), m_schemes(shared.schemes),
      m_clips(shared.clips), m_host(host)
{
    m_doc.AddView(this);
}

CTextView::~CTextView()
{
    m_doc.RemoveView(this);
}

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

const HighlightScheme& CTextView::Scheme() const
{
    static const HighlightScheme plain = HighlightScheme::PlainText();
    const std::size_t index = m_doc.GetSchemeIndex();
    return index < m_schemes.size() ? m_schemes[index] : plain;
}

std::optional<std::pair<TextPos, TextPos>> CTextView::Selection() const
{
    if (!m_bSelection)
        return std::nullopt;
    return std::pair{m_anchor, m_selEnd};
}

void CTextView::Select(TextPos anchor, TextPos end)
{
    m_anchor = anchor;
    m_selEnd = end;
    m_bSelection = !(anchor == end);
    MoveCaretTo(end.line, end.col);
    RepaintAll();
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

void CTextView::PlaceCaret()
{
    if (!m_bHasFocus)
        return;
    Point at{-10, 0}; // hidden
    int c = 0;
    const int row = m_rows.WindowRowOf(m_caret, c);
    bool hidden = m_rows.BeforeWindow(m_caret) || row < 0 || c < m_hScroll || c > m_hScroll + m_visibleCols;
    if (m_rows.WindowRows() >= 2) {
        const auto last = static_cast<std::size_t>(m_rows.WindowRows() - 2);
        hidden = hidden || (m_rows.Line(last) >= 0 && (m_caret.line > m_rows.Line(last) ||
                                                     (m_caret.line == m_rows.Line(last + 1) && m_caret.col > m_rows.Col(last + 1))));
    }
    if (!hidden)
        at = {(c - m_hScroll) * m_charWidth + m_panelWidth + kTextGap, row * m_lineHeight};
    m_host.SetCaretPos(at);
}

bool CTextView::EnsureCaretVisible()
{
    bool scrolled = false;
    if (m_rows.BeforeWindow(m_caret)) {
        m_rows.LayoutFrom(m_caret.line, m_rows.RowStartOf(m_caret.line, m_caret.col), 0);
        m_rows.firstRowIndex = m_rows.caretRowIndex;
        scrolled = true;
    } else if (m_rows.AfterWindow(m_caret)) {
        int line = m_caret.line;
        int col = m_rows.RowStartOf(line, m_caret.col);
        col = m_rows.NextRowStart(line, col);
        col = m_rows.NextRowStart(line, col);
        m_rows.LayoutUpTo(line, col);
        m_rows.firstRowIndex = std::max(0, m_rows.caretRowIndex - m_rows.WindowRows() + 2);
        scrolled = true;
    }
    int c = 0;
    const int row = std::max(0, m_rows.WindowRowOf(m_caret, c));
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
    int lastRow = lastLine < 0 ? m_rows.WindowRows() - 1 : -1;
    for (int r = 0; r < m_rows.WindowRows(); ++r) {
        const int line = m_rows.Line(r);
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
    m_rows.CaretMoved(m_caret, target);
    m_caret = target;
    EnsureCaretVisible();
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
    } else if (!m_doc.IsTabFill(line[static_cast<std::size_t>(m_caret.col)])) {
        m_desiredCol = -1;
        return;
    } else {
        m_desiredCol = desired;
    }
    // Never rest inside a tab: back onto its tab cell.
    while (m_caret.col > 0 && m_caret.col < length && m_doc.IsTabFill(line[static_cast<std::size_t>(m_caret.col)]))
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

void CTextView::TextReplaced()
{
    m_bSelection = 0;
    RefreshWholeView();
}

void CTextView::DeriveVisibleCounts(bool withPartialColumn)
{
    const int textWidth = m_host.ClientWidth() - m_panelWidth - kTextGap;
    m_visibleCols = std::max(1, textWidth / m_charWidth + (withPartialColumn ? 1 : 0));
    m_rows.SetWindowRows(m_host.ClientHeight() / m_lineHeight + 1);
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
    const TextPos top = activePane ? activePane->m_rows.Top() : TextPos{};
    m_rows.SetWrapWidth(RowLayout::kNoWrap);
    UpdateWrapWidth();
    if (LineCount() > 0) {
        const int line = std::min(top.line, LineCount() - 1);
        m_rows.LayoutFrom(line, m_rows.RowStartOf(line, std::min(top.col, LineLength(line))), 0);
        m_rows.Count(m_caret);
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
        m_rows.Clear();
        return;
    }
    DeriveVisibleCounts(true);
    m_desiredCol = -1;
    if (m_pSettings.WrapOn)
        m_hScroll = 0;
    m_rows.SetWrapWidth(RowLayout::kNoWrap); // so that the next computation always re-lays
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
        m_rows.totalRows = hint;
    ClampCaret();
    if (LineCount() > 0) {
        const int line = std::clamp(m_rows.Line(0), 0, LineCount() - 1);
        m_rows.LayoutFrom(line, m_rows.RowStartOf(line, std::min(m_rows.Col(0), LineLength(line))), 0);
    }
    if (!sender)
        m_rows.Count(m_caret); // the whole text may have changed
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
    m_doc.UpdateAllViews(this, m_rows.totalRows);
}

void CTextView::ResetView()
{
    m_desiredCol = -1;
    m_hScroll = 0;
    m_bSelection = 0;
    m_rows.firstRowIndex = m_rows.caretRowIndex = 0;
    m_caret = TextPos{};
    m_rows.LayoutFrom(0, 0, 0);
    m_rows.Count(m_caret);
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
