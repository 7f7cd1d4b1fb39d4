#pragma once

#include "core/platform/log_font.h"
#include "core/settings/app_settings.h"
#include "core/view/print_layout.h"
#include "core/view/print_template.h"

#include <windows.h>

#include <string>

class CTextDoc;

// Prints one document the way one of its views shows it: lays the pages out
// once per job and paints them onto a printer, a preview or a metafile.
class PagePrinter {
public:
    // `font` is the screen font; the view's code page is converted to WIN.
    PagePrinter(const CTextDoc& doc, int codePage, const PrintSettings& print, const LogFont& font);
    ~PagePrinter();
    PagePrinter(const PagePrinter&) = delete;
    PagePrinter& operator=(const PagePrinter&) = delete;

    // Maps `dc` so that one logical unit is one screen pixel, as every page
    // of the job is painted.
    static void MapScreenUnits(HDC dc);
    // The printable part of the paper of `dc`, in those units.
    static Rect PageOf(HDC dc);

    // Lays out the pages of a `page` rectangle as measured on the mapped
    // `dc`, up to page `lastPage` (0: every page).
    void LayOut(HDC dc, Rect page, int lastPage);
    int PageCount() const { return m_layout.PageCount(); }
    const PrintLayout& Layout() const { return m_layout; }
    // Paints page `page` (from 1) onto the mapped `dc`.
    void PaintPage(HDC dc, int page) const;

private:
    void PaintParts(HDC dc, const std::string& text, int page, RECT band, UINT vertical) const;

    const CTextDoc& m_doc;
    int m_codePage;
    const PrintSettings& m_print;
    HFONT m_font;
    TemplateFacts m_facts;
    PrintLayout m_layout;
};

// Prints pages first..last on the printer `dc` as one job. False when the
// job could not be started or a page could not be printed.
bool PrintJob(HDC dc, const std::wstring& name, PagePrinter& printer, int first, int last);
