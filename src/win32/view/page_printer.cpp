#include "win32/view/page_printer.h"

#include "core/doc/text_doc.h"
#include "win32/app/gdi_fonts.h"
#include "win32/app/text_conversion.h"

#include <algorithm>

namespace {

int ScreenPixelsPerInch()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// Keeps a font selected while it lives.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(m_dc, m_old); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

void DrawLine(HDC dc, int left, int right, int y)
{
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    Selected selected(dc, pen);
    MoveToEx(dc, left, y, nullptr);
    LineTo(dc, right, y);
    DeleteObject(pen);
}

} // namespace

PagePrinter::PagePrinter(const CTextDoc& doc, int codePage, const PrintSettings& print, const LogFont& font)
    : m_doc(doc), m_codePage(codePage), m_print(print), m_font(CreateFontFrom(font, ScreenPixelsPerInch()))
{
    m_facts.title = doc.GetTitle();
    m_facts.path = doc.GetPathName().empty() ? doc.GetTitle() : doc.GetPathName();
    SetTemplateClock(m_facts, std::time(nullptr));
}

PagePrinter::~PagePrinter()
{
    DeleteObject(m_font);
}

void PagePrinter::MapScreenUnits(HDC dc)
{
    const int screen = ScreenPixelsPerInch();
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, screen, screen, nullptr);
    SetViewportExtEx(dc, GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), nullptr);
}

Rect PagePrinter::PageOf(HDC dc)
{
    const int screen = ScreenPixelsPerInch();
    return {0, 0, MulDiv(GetDeviceCaps(dc, HORZRES), screen, std::max(1, GetDeviceCaps(dc, LOGPIXELSX))),
            MulDiv(GetDeviceCaps(dc, VERTRES), screen, std::max(1, GetDeviceCaps(dc, LOGPIXELSY)))};
}

void PagePrinter::LayOut(HDC dc, Rect page, int lastPage)
{
    TEXTMETRICW metrics{};
    {
        Selected selected(dc, m_font);
        GetTextMetricsW(dc, &metrics);
    }
    m_layout = LayOutPrint(m_print, {page, ScreenPixelsPerInch(), metrics.tmHeight + metrics.tmExternalLeading,
                                     metrics.tmAveCharWidth});
    Paginate(m_layout, m_doc, lastPage);
}

void PagePrinter::PaintParts(HDC dc, const std::string& text, int page, RECT band, UINT vertical) const
{
    TemplateFacts facts = m_facts;
    facts.page = page;
    facts.pageCount = m_layout.PageCount();
    const TemplateParts parts = ExpandTemplate(text, facts, m_print.SwapAlignment && page % 2 == 1);
    for (const auto& [part, alignment] : {std::pair{&parts.left, DT_LEFT}, {&parts.centre, DT_CENTER},
                                           {&parts.right, DT_RIGHT}}) {
        if (part->empty())
            continue;
        std::wstring wide = FromCp1251(*part);
        DrawTextW(dc, wide.data(), static_cast<int>(wide.size()), &band,
                  alignment | vertical | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void PagePrinter::PaintPage(HDC dc, int page) const
{
    Selected selected(dc, m_font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const PrintLayout& layout = m_layout;
    const Rect& area = layout.textArea;
    if (layout.header) {
        const Rect band = layout.HeaderBand();
        PaintParts(dc, m_print.Header, page, {band.left, band.top, band.right, band.bottom}, DT_TOP);
        if (m_print.DrawLine)
            DrawLine(dc, area.left, area.right, layout.HeaderRuleY());
    }
    if (layout.footer) {
        const Rect band = layout.FooterBand();
        PaintParts(dc, m_print.Footer, page, {band.left, band.top, band.right, band.bottom}, DT_BOTTOM);
        if (m_print.DrawLine)
            DrawLine(dc, area.left, area.right, layout.FooterRuleY());
    }
    int y = area.top;
    for (const std::string& row : PageRows(layout, m_doc, page, m_codePage)) {
        const std::wstring wide = FromCp1251(row);
        if (!wide.empty())
            TextOutW(dc, area.left, y, wide.data(), static_cast<int>(wide.size()));
        y += layout.lineHeight;
    }
}

bool PrintJob(HDC dc, const std::wstring& name, PagePrinter& printer, int first, int last)
{
    DOCINFOW info{};
    info.cbSize = sizeof info;
    info.lpszDocName = name.c_str();
    if (StartDocW(dc, &info) <= 0)
        return false;
    PagePrinter::MapScreenUnits(dc);
    printer.LayOut(dc, PagePrinter::PageOf(dc), last);
    bool printed = true;
    for (int page = std::max(1, first); printed && page <= printer.PageCount(); ++page) {
        printed = StartPage(dc) > 0;
        if (printed) {
            PagePrinter::MapScreenUnits(dc); // StartPage may reset the mapping
            printer.PaintPage(dc, page);
            printed = EndPage(dc) > 0;
        }
    }
    if (printed)
        EndDoc(dc);
    else
        AbortDoc(dc);
    return printed;
}
