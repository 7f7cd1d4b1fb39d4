// The font, the info panel, word wrap, painting and the scroll bars.
#include "core/doc/line_store.h"
#include "core/doc/tab_cells.h"
#include "core/doc/text_doc.h"
#include "core/settings/app_settings.h"
#include "core/text/code_pages.h"
#include "core/view/highlight_scheme.h"
#include "core/view/line_states.h"
#include "core/view/text_view.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr char kEmptyLineCell = 2;
constexpr char kEndMark = 5;
constexpr char kControlMark = '\xA4'; // a file's own byte 6 or 7
constexpr std::uint8_t kSelectedAttr = 14;
constexpr int kPanelStrip = 3;

} // namespace

std::uint8_t CTextView::PanelWidthFor(std::uint8_t infoMode) const
{
    switch (infoMode) {
    case 1:
        return static_cast<std::uint8_t>(m_lineHeight + 6);
    case 2:
        return static_cast<std::uint8_t>(6 * (m_charWidth + 1));
    default:
        return 0;
    }
}

void CTextView::SetupFont()
{
    const FontMetrics metrics = m_host.SetFont(m_pSettings.Font);
    m_lineHeight = std::max(1, metrics.height + metrics.externalLeading);
    m_charWidth = std::max(1, metrics.aveCharWidth);
    ApplySettings(false);
    BuildPanelIcons();
    DeriveVisibleCounts(false);
    m_rows.Restart(m_host.ScreenHeight() / m_lineHeight + 2);
    if (m_bHasFocus) {
        CreateSystemCaret();
        PlaceCaret();
        m_host.ShowCaret();
    }
}

void CTextView::BuildPanelIcons()
{
    const ColorTable& colors = m_pSettings.Colors;
    m_iconDC = PanelIcons{};
    m_iconDC.size = m_lineHeight;
    m_iconDC.panelColor = colors[COLOR_INFO_BACKGROUND];
    m_iconDC.bookmarkColor = colors[COLOR_BOOKMARK_BACKGROUND];
    m_iconDC.glyphColor = colors[COLOR_TEXT];
    m_iconDC.glyphX = (m_lineHeight - m_host.TextWidth(std::string(1, m_iconDC.glyph))) / 2;
}

// The width in columns, at least one: a row must always move on.
void CTextView::UpdateWrapWidth()
{
    int width = m_rows.WrapWidth();
    if (!m_pSettings.WrapOn)
        width = RowLayout::kNoWrap;
    else if (m_pSettings.WrapMode == 1)
        width = std::max(1, static_cast<int>(m_pSettings.WrapByPosition));
    else if (m_pSettings.WrapMode == 2)
        width = std::max(1, (m_host.ClientWidth() - m_panelWidth - kTextGap) / m_charWidth - 1);
    if (width == m_rows.WrapWidth() && width != RowLayout::kNoWrap)
        return;
    m_rows.SetWrapWidth(width);
    if (LineCount() == 0) {
        m_rows.Clear();
        return;
    }
    const int top = std::clamp(m_rows.Line(0), 0, LineCount() - 1);
    m_rows.Clear();
    m_rows.LayoutFrom(top, 0, 0);
    m_rows.Count(m_caret);
    if (LineCount() < RowLayout::kCountedLines && m_rows.totalRows < m_rows.WindowRows()) {
        m_rows.LayoutFrom(0, 0, 0);
        m_rows.Count(m_caret);
    }
}

void CTextView::Rewrap()
{
    UpdateWrapWidth();
    UpdateScrollBars();
    RepaintAll();
    PlaceCaret();
}

// Every row becomes a line of its own; the blank a row broke at stays at the
// end of its line.
void CTextView::WordWrapToLines()
{
    if (!m_pSettings.WrapOn)
        return;
    m_host.ShowWaitCursor(true);
    LineStore lines;
    for (int line = 0; line < LineCount();) {
        const std::string_view text = m_doc.GetLine(line);
        for (int start = 0, current = line; line == current;) {
            const int next = m_rows.NextRowStart(line, start);
            const int end = line == current ? next : static_cast<int>(text.size());
            lines.Append(text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)));
            start = next;
        }
    }
    m_doc.ReplaceAllLines(std::move(lines), m_caret);
    m_bSelection = 0;
    m_doc.UpdateAllViews();
    OnUpdate(nullptr, 0);
    m_host.ShowWaitCursor(false);
}

void CTextView::OnDraw(Surface& surface)
{
    PaintRows(surface, 0, m_rows.WindowRows() - 1);
}

void CTextView::RepaintRows(int firstRow, int lastRow)
{
    if (auto surface = m_host.ClientSurface())
        PaintRows(*surface, firstRow, lastRow);
}

void CTextView::RepaintAll()
{
    RepaintRows(0, m_rows.WindowRows() - 1);
}

// The line a window row shows, or -1 past the text; rows laid before the
// text shrank show nothing rather than lines that are gone.
int CTextView::ShownLine(int row) const
{
    const int line = m_rows.Line(row);
    return line < LineCount() ? line : -1;
}

// Cells of a row: to the next row's start, or to the line's end (an empty
// line has its one cell, and the end mark adds one with ShowTabs).
int CTextView::RowLength(int row) const
{
    const auto r = static_cast<std::size_t>(row);
    const int line = m_rows.Line(r);
    if (m_rows.Line(r + 1) == line)
        return m_rows.Col(r + 1) - m_rows.Col(r);
    const int length = LineLength(line);
    if (length == 0)
        return 1 - m_rows.Col(r);
    return length - m_rows.Col(r) + (m_pSettings.ShowTabs && !IsLastLine(line) ? 1 : 0);
}

void CTextView::PaintRows(Surface& surface, int firstRow, int lastRow)
{
    if (m_bHasFocus)
        m_host.HideCaret();
    PaintInfoPanel(surface, firstRow, lastRow);
    const HighlightScheme& scheme = Scheme();
    const ColorTable& colors = m_pSettings.Colors;
    const int textLeft = m_panelWidth + kTextGap;
    std::string cells;
    std::vector<std::uint8_t> attrs;
    bool bookmarked = false;
    for (int r = firstRow; r <= lastRow; ++r) {
        const int y = r * m_lineHeight;
        const int line = ShownLine(r);
        int length = 0;
        if (line < 0) {
            bookmarked = false;
        } else {
            if (r == firstRow || m_rows.Line(r - 1) != line) {
                const std::uint8_t state = StateBeforeLine(m_doc, scheme, line);
                bookmarked = m_doc.IsBookmarked(line);
                cells = m_doc.GetLine(line);
                if (cells.empty())
                    cells = kEmptyLineCell;
                if (m_pSettings.ShowTabs && !IsLastLine(line))
                    cells += kEndMark;
                attrs.assign(cells.size(), 0);
                m_doc.SetLineState(line, scheme.Scan(state, cells, attrs.data()));
                if (m_bSelection)
                    MarkSelection(line, attrs.data(), static_cast<int>(cells.size()));
            }
            const int start = std::min(m_rows.Col(r), static_cast<int>(cells.size()));
            length = std::clamp(RowLength(r), 0, static_cast<int>(cells.size()) - start);
            DrawRowText(surface, cells.data() + start, attrs.data() + start, y, length, bookmarked);
        }
        if (length - m_hScroll < m_visibleCols) {
            const int x = textLeft + std::max(0, length - m_hScroll) * m_charWidth;
            surface.FillRect({x, y, m_host.ClientWidth(), y + m_lineHeight},
                             colors[bookmarked ? COLOR_BOOKMARK_BACKGROUND : COLOR_NORMAL_BACKGROUND]);
        }
    }
    if (m_bHasFocus)
        m_host.ShowCaret();
}

void CTextView::MarkSelection(int line, std::uint8_t* attrs, int cells) const
{
    TextPos start, end;
    if (!GetSelectionRange(start, end) || line < start.line || line > end.line)
        return;
    const int length = LineLength(line);
    const int from = line == start.line ? start.col : 0;
    int to = line == end.line ? end.col : (length == 0 ? 1 : length);
    to = std::min(to, std::min(cells, std::max(length, 1)));
    for (int c = std::max(0, from); c < to; ++c)
        attrs[c] = kSelectedAttr;
}

void CTextView::DrawRowText(Surface& surface, const char* cells, const std::uint8_t* attrs, int y, int length,
                            bool bookmarked)
{
    const int n = std::min(length - m_hScroll, m_visibleCols + 1);
    if (n <= 0)
        return;
    const ColorTable& colors = m_pSettings.Colors;
    const bool showTabs = m_pSettings.ShowTabs != 0;
    const bool tabsAsBytes = m_doc.KeepsTabsAsBytes();
    std::string shown(static_cast<std::size_t>(n), ' ');
    for (int i = 0; i < n; ++i) {
        const auto b = ConvertByte(static_cast<std::uint8_t>(cells[m_hScroll + i]), m_codePage, CP_WIN);
        char& c = shown[static_cast<std::size_t>(i)];
        if (tabsAsBytes) { // a TAB of one column, the file's own 6 and 7 marked
            if (b == '\t' || b == TAB_CELL || b == TAB_FILL) {
                c = b != '\t' ? kControlMark : showTabs ? '\xBB' : ' ';
                continue;
            }
        }
        switch (b) {
        case kEmptyLineCell:
        case TAB_FILL:
            c = ' ';
            break;
        case kEndMark:
            c = '\xB6';
            break;
        case TAB_CELL:
            c = showTabs ? '\xBB' : ' ';
            break;
        case ' ':
            c = showTabs ? '\x95' : ' ';
            break;
        default:
            c = static_cast<char>(b);
        }
    }
    int x = m_panelWidth + kTextGap;
    for (int runStart = 0; runStart < n;) {
        const std::uint8_t attr = attrs[m_hScroll + runStart];
        int runEnd = runStart + 1;
        while (runEnd < n && attrs[m_hScroll + runEnd] == attr)
            ++runEnd;
        const std::uint32_t back = attr == kSelectedAttr ? colors[COLOR_SELECTION_BACKGROUND]
                                   : bookmarked          ? colors[COLOR_BOOKMARK_BACKGROUND]
                                                         : colors[COLOR_NORMAL_BACKGROUND];
        const std::uint32_t text = colors[std::min<std::size_t>(attr, COLOR_SLOT_COUNT - 1)];
        const int count = runEnd - runStart;
        surface.DrawCells(x, y, std::string_view(shown).substr(static_cast<std::size_t>(runStart),
                                                              static_cast<std::size_t>(count)),
                         text, back);
        x += count * m_charWidth;
        runStart = runEnd;
    }
}

void CTextView::PaintInfoPanel(Surface& surface, int firstRow, int lastRow)
{
    const ColorTable& colors = m_pSettings.Colors;
    const bool toWindowEnd = lastRow == m_rows.WindowRows() - 1;
    const int top = firstRow * m_lineHeight;
    const int bottom = (lastRow + (toWindowEnd ? 1 : 0)) * m_lineHeight;
    const int panel = m_panelWidth;
    surface.FillRect({panel, top, panel + kTextGap, bottom}, colors[COLOR_NORMAL_BACKGROUND]);
    const std::uint8_t mode = m_pSettings.InfoMode;
    if (mode != 1 && mode != 2)
        return;
    const std::uint32_t ground = colors[COLOR_INFO_BACKGROUND];
    surface.FillRect({0, top, kPanelStrip, bottom}, ground);
    surface.FillRect({panel - kPanelStrip, top, panel, bottom}, ground);
    if (toWindowEnd)
        surface.FillRect({0, lastRow * m_lineHeight, panel, (lastRow + 1) * m_lineHeight}, ground);
    for (int r = firstRow; r <= lastRow; ++r) {
        const auto i = static_cast<std::size_t>(r);
        const int line = ShownLine(r);
        const int y = r * m_lineHeight;
        const bool bookmarked = line >= 0 && m_doc.IsBookmarked(line);
        // Every row of a line that takes several rows.
        const bool wrapped = line >= 0 && (m_rows.Col(i) > 0 || m_rows.Line(i + 1) == line);
        if (mode == 1) {
            if (bookmarked || wrapped)
                surface.DrawIcon(kPanelStrip, y, m_iconDC, bookmarked ? PanelIcon::Bookmark : PanelIcon::Wrap);
            else
                surface.FillRect({kPanelStrip, y, kPanelStrip + m_lineHeight, y + m_lineHeight}, ground);
            continue;
        }
        char number[16] = "      ";
        if (line >= 0 && m_rows.Col(i) == 0)
            std::snprintf(number, sizeof number, "%06d", line + 1);
        surface.DrawCells(kPanelStrip, y, number, colors[COLOR_INFO_TEXT],
                         bookmarked ? colors[COLOR_BOOKMARK_BACKGROUND] : ground);
    }
}

void CTextView::UpdateScrollBars()
{
    const int count = LineCount();
    ScrollBarState v;
    if (count >= RowLayout::kCountedLines) {
        const double first = std::max(0, m_rows.Line(0));
        const double position = 500.0 * first / (count - m_rows.WindowRows() * first / count);
        v = {0, 500, 1, static_cast<int>(std::clamp(position, 0.0, 500.0))};
    } else {
        v = {0, m_rows.totalRows, m_rows.WindowRows(), m_rows.firstRowIndex};
    }
    const bool fits = v.max + 1 <= m_rows.WindowRows();
    if (fits && v.pos != 0)
        v.page = v.max + 1;
    if (!(fits && v.pos == 0))
        m_host.SetScrollInfo(ScrollBarKind::Vertical, v);
    m_host.ShowScrollBar(ScrollBarKind::Vertical, !fits || v.pos != 0);

    const int widest = m_rows.WrapWidth() != RowLayout::kNoWrap ? m_rows.WrapWidth() : m_doc.GetMaxLineLength();
    if (widest > m_visibleCols)
        m_host.SetScrollInfo(ScrollBarKind::Horizontal, {0, widest, m_visibleCols + 1, m_hScroll});
    m_host.ShowScrollBar(ScrollBarKind::Horizontal, widest > m_visibleCols || m_hScroll != 0);
}

void CTextView::ShowInCodePage(int codePage)
{
    m_codePage = static_cast<std::uint8_t>(codePage);
    RepaintAll();
}

void CTextView::OnEncoding(int command)
{
    const int id = command - ID_ENCODING_KOI8;
    if (id < 0 || id >= kCodePageCount)
        return;
    m_codePage = static_cast<std::uint8_t>(id);
    m_pSettings.Encoding = m_codePage;
    RepaintAll();
}
