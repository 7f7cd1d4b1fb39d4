#pragma once

#include "core/platform/geometry.h"
#include "win32/dialogs/program_dialog.h"

class PagePrinter;

// The print preview (dialog 1680): one page of the job at a time, drawn to
// fit the window. Run returns IDC_PREVIEW_PRINT when the user asked to print.
class PrintPreview : public ProgramDialog {
public:
    // The pages are laid out on `printer` (a printer's context), or on an A4
    // sheet of the screen when there is none.
    PrintPreview(const DialogEnvironment& environment, PagePrinter& pages, HDC printer);
    int Page() const { return m_page; }
    // Draws the current page into `area` of `dc`.
    void PaintPaper(HDC dc, const RECT& area) const;

private:
    void OnInit() override;
    bool OnCommand(int id, int code) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void ShowPage(int page);
    void FitPaper();

    PagePrinter& m_pages;
    HDC m_printer;
    Rect m_sheet; // the page in the job's units
    int m_page = 1;
};
