#include "win32/dialogs/print_preview.h"

#include "core/doc/doc_strings.h"
#include "core/text/placeholder.h"
#include "win32/app/text_conversion.h"
#include "win32/res/resource.h"
#include "win32/view/page_printer.h"

#include <algorithm>

namespace {

constexpr DocString kPageOf{5060, "Page %d of %d"};
constexpr int kGap = 8; // pixels around the paper

// An A4 sheet in screen pixels.
Rect ScreenA4()
{
    HDC screen = GetDC(nullptr);
    const Rect sheet{0, 0, MulDiv(210, GetDeviceCaps(screen, LOGPIXELSX) * 10, 254),
                     MulDiv(297, GetDeviceCaps(screen, LOGPIXELSY) * 10, 254)};
    ReleaseDC(nullptr, screen);
    return sheet;
}

} // namespace

PrintPreview::PrintPreview(const DialogEnvironment& environment, PagePrinter& pages, HDC printer)
    : ProgramDialog(IDD_PRINT_PREVIEW, environment), m_pages(pages), m_printer(printer)
{
}

void PrintPreview::OnInit()
{
    HDC screen = GetDC(m_dialog);
    HDC measure = m_printer ? m_printer : screen;
    const int mode = SaveDC(measure);
    PagePrinter::MapScreenUnits(measure);
    m_sheet = m_printer ? PagePrinter::PageOf(m_printer) : ScreenA4();
    m_pages.LayOut(measure, m_sheet, 0);
    RestoreDC(measure, mode);
    ReleaseDC(m_dialog, screen);

    RECT frame;
    if (m_environment.owner && GetWindowRect(m_environment.owner, &frame))
        MoveWindow(m_dialog, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, FALSE);
    FitPaper();
    ShowPage(1);
}

bool PrintPreview::OnCommand(int id, int)
{
    switch (id) {
    case IDC_PREVIEW_NEXT:
        ShowPage(m_page + 1);
        return true;
    case IDC_PREVIEW_PREVIOUS:
        ShowPage(m_page - 1);
        return true;
    case IDC_PREVIEW_PRINT:
        End(IDC_PREVIEW_PRINT);
        return true;
    case IDC_PREVIEW_CLOSE:
    case IDCANCEL:
        End(IDCANCEL);
        return true;
    }
    return false;
}

bool PrintPreview::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    if (message == WM_SIZE) {
        FitPaper();
        return true;
    }
    if (message == WM_DRAWITEM && wParam == IDC_PREVIEW_PAPER) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        PaintPaper(item->hDC, item->rcItem);
        result = TRUE;
        return true;
    }
    if (message == WM_MOUSEWHEEL) {
        ShowPage(m_page + (GET_WHEEL_DELTA_WPARAM(wParam) < 0 ? 1 : -1));
        return true;
    }
    return false;
}

void PrintPreview::ShowPage(int page)
{
    m_page = std::clamp(page, 1, std::max(1, m_pages.PageCount()));
    Enable(IDC_PREVIEW_PREVIOUS, m_page > 1);
    Enable(IDC_PREVIEW_NEXT, m_page < m_pages.PageCount());
    std::string text = FillPlaceholder(String(kPageOf.id, kPageOf.text), std::to_string(m_page), "%d");
    SetItemText(IDC_PREVIEW_PAGE, FillPlaceholder(text, std::to_string(m_pages.PageCount()), "%d"));
    InvalidateRect(Item(IDC_PREVIEW_PAPER), nullptr, TRUE);
}

// The paper control takes the window below the buttons.
void PrintPreview::FitPaper()
{
    RECT client, paper;
    GetClientRect(m_dialog, &client);
    GetWindowRect(Item(IDC_PREVIEW_PAPER), &paper);
    MapWindowPoints(nullptr, m_dialog, reinterpret_cast<POINT*>(&paper), 2);
    MoveWindow(Item(IDC_PREVIEW_PAPER), 0, paper.top, client.right, std::max(0L, client.bottom - paper.top), TRUE);
}

void PrintPreview::PaintPaper(HDC dc, const RECT& area) const
{
    FillRect(dc, &area, GetSysColorBrush(COLOR_APPWORKSPACE));
    const int width = std::max(1, m_sheet.Width());
    const int height = std::max(1, m_sheet.Height());
    const int roomX = std::max(1L, area.right - area.left - 2 * kGap);
    const int roomY = std::max(1L, area.bottom - area.top - 2 * kGap);
    // The largest sheet of the paper's proportions that fits.
    int shownX = roomX, shownY = MulDiv(roomX, height, width);
    if (shownY > roomY) {
        shownY = roomY;
        shownX = MulDiv(roomY, width, height);
    }
    const int left = area.left + (area.right - area.left - shownX) / 2;
    const int top = area.top + (area.bottom - area.top - shownY) / 2;
    Rectangle(dc, left - 1, top - 1, left + shownX + 1, top + shownY + 1);

    const int saved = SaveDC(dc);
    IntersectClipRect(dc, left, top, left + shownX, top + shownY);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, width, height, nullptr);
    SetWindowOrgEx(dc, m_sheet.left, m_sheet.top, nullptr);
    SetViewportExtEx(dc, shownX, shownY, nullptr);
    SetViewportOrgEx(dc, left, top, nullptr);
    m_pages.PaintPage(dc, m_page);
    RestoreDC(dc, saved);
}
