#pragma once

#include "core/doc/text_pos.h"
#include "core/platform/geometry.h"
#include "core/settings/app_settings.h"

#include <string>
#include <vector>

class CTextDoc;

// A print job's sizes in its logical units (one unit is one screen pixel).
struct PrintMetrics {
    Rect page;        // the printable part of the paper
    int unitsPerInch; // the screen's pixels per inch
    int lineHeight;   // character height and external leading of the print font
    int charWidth;    // a character of the fixed-pitch print font
};

constexpr int kMaxPrintMargin = 100; // millimetres

// The layout of one print job. Every printed row holds `charsPerRow` bytes at
// most and a page `rowsPerPage` rows, so what the pagination counts is what
// the pages print.
struct PrintLayout {
    Rect textArea;
    int lineHeight = 1;
    int charsPerRow = 1;
    int rowsPerPage = 1;
    bool header = false, footer = false;
    // Page p (counted from 1) begins at pageStarts[p - 1].
    std::vector<TextPos> pageStarts;

    int PageCount() const { return static_cast<int>(pageStarts.size()); }
    // The header's band above the text and the footer's below it, each one
    // and a half lines high; the header's text sits at its band's top, the
    // footer's at its band's bottom.
    Rect HeaderBand() const;
    Rect FooterBand() const;
    // Where the separator lines run.
    int HeaderRuleY() const;
    int FooterRuleY() const;
};

// The text area: the page inside the margins (0..100 mm), less the header
// and footer bands. Margins that leave less than one row and one column are
// narrowed until that much is left.
PrintLayout LayOutPrint(const PrintSettings& print, const PrintMetrics& metrics);

// Finds where the pages begin, up to page `lastPage` (0: every page). A line
// feed byte inside a line starts a new page at that byte.
void Paginate(PrintLayout& layout, const CTextDoc& doc, int lastPage);

// The rows page `page` prints: the view's code page converted to WIN, tab
// cells as blanks; an empty line is an empty row.
std::vector<std::string> PageRows(const PrintLayout& layout, const CTextDoc& doc, int page, int codePage);
