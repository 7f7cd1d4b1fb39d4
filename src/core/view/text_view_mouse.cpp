// The mouse, the wheel and the scroll bars. Scrolling never moves the caret;
// a caret scrolled out of the window is hidden.
#include "core/doc/tab_cells.h"
#include "core/doc/text_doc.h"
#include "core/settings/app_settings.h"
#include "core/text/code_pages.h"
#include "core/view/highlight_scheme.h"
#include "core/view/text_view.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, 3> kLinkPrefixes = {"http://", "ftp://", "news://"};
constexpr int kWheelSteps = 3;

} // namespace

void CTextView::HitTest(Point point)
{
    if (LineCount() == 0)
        return;
    int row = point.y / m_lineHeight;
    int c = (point.x - m_panelWidth - kTextGap) / m_charWidth;
    m_bScrolledWhileDragging = 0;
    if (!m_rows.CountsRows() || m_rows.totalRows >= m_rows.WindowRows()) {
        if (row < 0 && m_rows.ScrollUp())
            m_bScrolledWhileDragging = 1;
        else if (row >= m_rows.WindowRows() - 1 && m_rows.Line(m_rows.WindowRows() - 1) >= 0 &&
                 m_rows.ScrollDown())
            m_bScrolledWhileDragging = 1;
    }
    row = std::clamp(row, 0, std::max(0, m_rows.WindowRows() - 2));
    while (row > 0 && m_rows.Line(row) < 0)
        --row;
    const auto r = static_cast<std::size_t>(row);
    m_caret.line = std::max(0, m_rows.Line(r));
    m_rows.caretRowIndex = m_rows.firstRowIndex + row;
    if (c < 0) {
        if (m_hScroll > 0) {
            --m_hScroll;
            m_bScrolledWhileDragging = 1;
        }
        c = 0;
    }
    const std::string_view text = m_doc.GetLine(m_caret.line);
    const int rowStart = m_rows.Col(r);
    const int rowLength = m_rows.Line(r + 1) == m_rows.Line(r) ? m_rows.Col(r + 1) - rowStart
                                                            : static_cast<int>(text.size()) - rowStart;
    if (c >= m_visibleCols) {
        if (m_hScroll + m_visibleCols < rowLength) {
            ++m_hScroll;
            m_bScrolledWhileDragging = 1;
        }
        c = m_visibleCols - 1;
    }
    int col = rowStart + m_hScroll + c;
    if (col <= rowStart + rowLength) {
        // Inside a tab's blank cells the caret goes behind the tab.
        while (col < static_cast<int>(text.size()) && m_doc.IsTabFill(text[static_cast<std::size_t>(col)]))
            ++col;
    } else {
        col = rowStart + rowLength;
    }
    m_caret.col = col;
}

// After a hit test that scrolled, the window shows other rows.
void CTextView::ShowScrolledHit()
{
    if (!m_bScrolledWhileDragging)
        return;
    UpdateScrollBars();
    RepaintAll();
}

void CTextView::OnLButtonDown(Point point, bool shift)
{
    CloseCompletion();
    if (!m_bDragging) {
        m_bDragging = 1;
        m_host.SetTimer(kDragTimer, kDragTimerMs);
        m_host.SetCapture();
    }
    const TextPos old = m_caret;
    HitTest(point);
    ShowScrolledHit();
    if (shift) {
        if (!m_bSelection)
            m_anchor = old;
        m_selEnd = m_caret;
        m_bSelection = !(m_anchor == m_selEnd);
        RepaintAll();
    } else {
        if (m_bSelection)
            DropSelection();
        m_anchor = m_selEnd = m_caret;
    }
    PlaceCaret();
}

void CTextView::DragStep(Point point)
{
    m_dragPoint = point;
    HitTest(point);
    TextPos oldStart, oldEnd;
    const bool hadSelection = GetSelectionRange(oldStart, oldEnd);
    // The selection runs from where the button went down, however far the
    // first move reported is from it.
    m_selEnd = m_caret;
    m_bSelection = 1;
    if (m_bScrolledWhileDragging) {
        RepaintAll();
    } else {
        TextPos start, end;
        GetSelectionRange(start, end);
        const int first = hadSelection ? std::min(start.line, oldStart.line) : start.line;
        const int last = hadSelection ? std::max(end.line, oldEnd.line) : end.line;
        RepaintLineRows(first, last);
    }
    UpdateScrollBars();
    PlaceCaret();
}

void CTextView::OnMouseMove(Point point)
{
    if (m_bDragging)
        DragStep(point);
}

void CTextView::OnLButtonUp()
{
    if (!m_bDragging)
        return;
    m_bDragging = 0;
    m_bSelection = !(m_anchor == m_selEnd);
    m_host.ReleaseCapture();
    m_host.KillTimer(kDragTimer);
}

void CTextView::OnTimer(int id)
{
    if (id == kDragTimer && m_bDragging && m_bScrolledWhileDragging)
        DragStep(m_dragPoint);
}

void CTextView::OnLButtonDblClk(Point point)
{
    HitTest(point);
    ShowScrolledHit();
    TextPos start, end;
    WordAt(start, end);
    m_anchor = start;
    m_selEnd = end;
    m_bSelection = !(start == end);
    RepaintLines(m_caret.line, m_caret.line);
}

void CTextView::OnRButtonDown(Point point)
{
    CloseCompletion();
    HitTest(point);
    ShowScrolledHit();
    PlaceCaret();
    if (m_pSettings.MouseMenu) {
        m_linkUnderPointer = LinkAtCaret();
        m_host.ShowContextMenu(point, !m_linkUnderPointer.empty());
    } else if (m_bSelection && !RefusesEdit()) {
        CopySelectionTo();
    }
}

// A hot link around the caret: from the nearest link end on its left, text
// starting with one of the prefixes (exact bytes), cut before its first link
// end. Empty when there is none or the scheme marks no links.
std::string CTextView::LinkAtCaret() const
{
    const HighlightScheme& scheme = Scheme();
    if (!scheme.m_linksOn || LineCount() == 0)
        return {};
    const std::string_view text = m_doc.GetLine(m_caret.line);
    auto isEnd = [&](char c) { return scheme.m_linkEnds.find(c) != std::string::npos; };
    std::size_t start = std::min(static_cast<std::size_t>(m_caret.col), text.size());
    while (start > 0 && !isEnd(text[start - 1]))
        --start;
    const std::string_view rest = text.substr(start);
    if (std::none_of(kLinkPrefixes.begin(), kLinkPrefixes.end(), [&](std::string_view p) { return rest.starts_with(p); }))
        return {};
    std::string link(rest.substr(0, static_cast<std::size_t>(std::find_if(rest.begin(), rest.end(), isEnd) - rest.begin())));
    ConvertString(link, m_codePage, CP_WIN);
    return link;
}

// With the context menu off, a right click copies the selection to the
// caret; the copy becomes the selection.
void CTextView::CopySelectionTo()
{
    TextPos start, end;
    if (!GetSelectionRange(start, end))
        return;
    const std::string text = m_doc.GetExactText(start, end);
    m_anchor = m_caret;
    m_doc.InsertExactText(m_caret, text, true);
    m_selEnd = m_caret;
    m_rows.Count(m_caret);
    const int line = std::clamp(m_rows.Line(0), 0, LineCount() - 1);
    m_rows.LayoutFrom(line, m_rows.Col(0), 0);
    if (!EnsureCaretVisible())
        RepaintAll();
    m_doc.UpdateAllViews(this, m_rows.totalRows);
}

void CTextView::OnBrowseLink()
{
    if (!m_linkUnderPointer.empty())
        m_host.OpenLink(m_linkUnderPointer);
}

void CTextView::OnMouseWheel(int delta)
{
    CloseCompletion();
    for (int i = 0; i < kWheelSteps; ++i)
        OnVScroll(delta > 0 ? SCROLL_LINE_UP : SCROLL_LINE_DOWN, 0);
}

void CTextView::OnHScroll(int code, int pos)
{
    switch (code) {
    case SCROLL_LINE_UP:
        --m_hScroll;
        break;
    case SCROLL_LINE_DOWN:
        ++m_hScroll;
        break;
    case SCROLL_PAGE_UP:
        m_hScroll -= m_visibleCols / 2;
        break;
    case SCROLL_PAGE_DOWN:
        m_hScroll += m_visibleCols / 2;
        break;
    case SCROLL_THUMB_POSITION:
    case SCROLL_THUMB_TRACK:
        m_hScroll = pos;
        break;
    default:
        return;
    }
    const int widest = m_rows.WrapWidth() != RowLayout::kNoWrap ? m_rows.WrapWidth() : m_doc.GetMaxLineLength();
    m_hScroll = std::max(0, std::min(m_hScroll, widest - m_visibleCols));
    UpdateScrollBars();
    RepaintAll();
    PlaceCaret();
}

void CTextView::OnVScroll(int code, int pos)
{
    const bool atTop = m_rows.Line(0) == 0 && m_rows.Col(0) == 0;
    switch (code) {
    case SCROLL_LINE_UP:
        if (!m_rows.ScrollUp())
            return;
        break;
    case SCROLL_LINE_DOWN:
        if (!m_rows.ScrollDown())
            return;
        break;
    case SCROLL_PAGE_UP:
        if (atTop)
            return;
        m_rows.LayoutUpTo(m_rows.Line(1), m_rows.Col(1));
        m_rows.firstRowIndex = std::max(0, m_rows.firstRowIndex - (m_rows.WindowRows() - 1));
        break;
    case SCROLL_PAGE_DOWN: {
        const auto partial = static_cast<std::size_t>(m_rows.WindowRows() - 1);
        if (m_rows.Line(partial) < 0)
            return;
        m_rows.LayoutFrom(m_rows.Line(partial), m_rows.Col(partial), 0);
        m_rows.firstRowIndex += m_rows.WindowRows() - 1;
        break;
    }
    case SCROLL_THUMB_POSITION:
    case SCROLL_THUMB_TRACK:
        ScrollToThumb(pos);
        break;
    default:
        return;
    }
    RepaintAll();
    UpdateScrollBars();
    PlaceCaret();
}

// Short documents count rows to the thumb's row; long ones take the thumb's
// place on the 0-500 scale as a share of the lines.
void CTextView::ScrollToThumb(int pos)
{
    if (m_rows.CountsRows()) {
        int line = 0, col = 0, index = 0;
        while (index < pos) {
            int nextLine = line;
            const int next = m_rows.NextRowStart(nextLine, col);
            if (nextLine >= LineCount())
                break;
            line = nextLine;
            col = next;
            ++index;
        }
        m_rows.LayoutFrom(line, col, 0);
        m_rows.firstRowIndex = index;
        return;
    }
    // In 64 bits: lines times the thumb's place overflows an int past
    // 4 294 967 lines.
    const int line = static_cast<int>(std::clamp(static_cast<long long>(LineCount()) * pos / 500, 0LL,
                                                 static_cast<long long>(LineCount())));
    if (line >= LineCount())
        m_rows.LayoutUpTo(-1, 0);
    else
        m_rows.LayoutFrom(line, 0, 0);
}

void CTextView::WordAt(TextPos& start, TextPos& end) const
{
    start = end = m_caret;
    if (LineCount() == 0)
        return;
    const HighlightScheme& scheme = Scheme();
    const std::string_view text = m_doc.GetLine(m_caret.line);
    const int length = static_cast<int>(text.size());
    int from = std::min(m_caret.col, length);
    int to = from;
    while (from > 0 && !scheme.IsDelimiter(text[static_cast<std::size_t>(from - 1)]))
        --from;
    while (to < length && !scheme.IsDelimiter(text[static_cast<std::size_t>(to)]))
        ++to;
    start = {from, m_caret.line};
    end = {to, m_caret.line};
}
