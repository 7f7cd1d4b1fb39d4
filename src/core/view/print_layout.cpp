#include "core/view/print_layout.h"

#include "core/doc/tab_cells.h"
#include "core/doc/text_doc.h"
#include "core/text/code_pages.h"

#include <algorithm>

namespace {

int MillimetresToUnits(int millimetres, int unitsPerInch)
{
    const int clamped = std::clamp(millimetres, 0, kMaxPrintMargin);
    return (clamped * 100 * unitsPerInch + 1270) / 2540; // hundredths of a millimetre, rounded
}

// Narrows the two margins of one side of the page so that `room` units stay
// free between them.
void LeaveRoom(int length, int room, int& first, int& second)
{
    const int spare = std::max(0, length - room);
    if (first + second <= spare)
        return;
    first = std::min(first, spare);
    second = spare - first;
}

int BandHeight(int lineHeight) { return lineHeight + lineHeight / 2; }

int RowsFor(int bytes, int charsPerRow) { return std::max(1, (bytes + charsPerRow - 1) / charsPerRow); }

} // namespace

Rect PrintLayout::HeaderBand() const
{
    return {textArea.left, textArea.top - BandHeight(lineHeight), textArea.right, textArea.top};
}

Rect PrintLayout::FooterBand() const
{
    return {textArea.left, textArea.bottom, textArea.right, textArea.bottom + BandHeight(lineHeight)};
}

int PrintLayout::HeaderRuleY() const { return HeaderBand().top + lineHeight + 2; }

int PrintLayout::FooterRuleY() const { return FooterBand().bottom - lineHeight - 2; }

PrintLayout LayOutPrint(const PrintSettings& print, const PrintMetrics& metrics)
{
    PrintLayout layout;
    layout.lineHeight = std::max(1, metrics.lineHeight);
    layout.header = print.PrintHeader != 0;
    layout.footer = print.PrintFooter != 0;
    const int charWidth = std::max(1, metrics.charWidth);
    const int bands = (layout.header + layout.footer) * BandHeight(layout.lineHeight);

    int left = MillimetresToUnits(print.Left, metrics.unitsPerInch);
    int right = MillimetresToUnits(print.Right, metrics.unitsPerInch);
    int top = MillimetresToUnits(print.Top, metrics.unitsPerInch);
    int bottom = MillimetresToUnits(print.Bottom, metrics.unitsPerInch);
    LeaveRoom(metrics.page.Width(), charWidth, left, right);
    LeaveRoom(metrics.page.Height(), layout.lineHeight + bands, top, bottom);

    Rect& area = layout.textArea;
    area = {metrics.page.left + left, metrics.page.top + top, metrics.page.right - right,
            metrics.page.bottom - bottom};
    if (layout.header)
        area.top += BandHeight(layout.lineHeight);
    if (layout.footer)
        area.bottom -= BandHeight(layout.lineHeight);
    layout.charsPerRow = std::max(1, area.Width() / charWidth);
    layout.rowsPerPage = std::max(1, area.Height() / layout.lineHeight);
    return layout;
}

void Paginate(PrintLayout& layout, const CTextDoc& doc, int lastPage)
{
    layout.pageStarts.assign(1, TextPos{});
    const int perRow = layout.charsPerRow;
    int used = 0; // rows taken on the current page
    for (int i = 0; i < doc.GetLineCount(); ++i) {
        const std::string_view line = doc.GetLine(i);
        const int length = static_cast<int>(line.size());
        for (int col = 0;;) {
            // A line feed at the very top of a page starts no page of its own.
            const std::size_t feed = line.find('\n', static_cast<std::size_t>(col + (used == 0 ? 1 : 0)));
            const int rows = RowsFor(length - col, perRow);
            if (feed == std::string_view::npos && used + rows <= layout.rowsPerPage) {
                used += rows;
                break;
            }
            // The page breaks inside this line: where the page is full, or at
            // the line feed.
            const int breakAt = std::min(col + (layout.rowsPerPage - used) * perRow,
                                         feed == std::string_view::npos ? length : static_cast<int>(feed));
            if (lastPage > 0 && layout.PageCount() >= lastPage)
                return;
            layout.pageStarts.push_back({breakAt, i});
            used = 0;
            col = breakAt;
        }
    }
}

std::vector<std::string> PageRows(const PrintLayout& layout, const CTextDoc& doc, int page, int codePage)
{
    std::vector<std::string> rows;
    if (page < 1 || page > layout.PageCount())
        return rows;
    const TextPos start = layout.pageStarts[page - 1];
    const TextPos end = page < layout.PageCount() ? layout.pageStarts[page] : TextPos{0, doc.GetLineCount()};
    const auto& toWin = ConversionTable(codePage, CP_WIN);
    TextPos at = start;
    while (at < end && static_cast<int>(rows.size()) < layout.rowsPerPage) {
        const std::string_view line = doc.GetLine(at.line);
        const int stop = at.line == end.line ? end.col : static_cast<int>(line.size());
        const int count = std::min(layout.charsPerRow, stop - at.col);
        std::string& row = rows.emplace_back(line.substr(at.col, count));
        for (char& ch : row)
            ch = doc.IsTabPart(ch) ? ' ' : static_cast<char>(toWin[static_cast<std::uint8_t>(ch)]);
        if (at.col + count < stop)
            at.col += count;
        else
            at = {0, at.line + 1};
    }
    return rows;
}
