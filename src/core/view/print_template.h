#pragma once

#include "core/doc/doc_strings.h"

#include <cstdint>
#include <ctime>
#include <span>
#include <string>
#include <string_view>

// What the &-codes of a header or footer stand for on one page.
struct TemplateFacts {
    std::string title; // &f
    std::string path;  // &F: the title when the document has no path
    int page = 1;      // &p
    int pageCount = 1; // &P
    std::string shortDate, longDate, time; // &d &D &t
};

// The date and time codes' texts for the moment `now`, in local time.
void SetTemplateClock(TemplateFacts& facts, std::time_t now);

// A header or footer line: the text of its left, centre and right parts.
struct TemplateParts {
    std::string left, centre, right;
    friend bool operator==(const TemplateParts&, const TemplateParts&) = default;
};

// Expands a template: text goes to the centre part until &L, &C or &R
// switches parts; `swapSides` exchanges what &L and &R select (odd pages with
// swapped alignment). Any other character after "&" stands for itself, and a
// lone "&" at the end is printed as it is.
TemplateParts ExpandTemplate(std::string_view text, const TemplateFacts& facts, bool swapSides);

// The footer as this interface shows and prints it: the one the program
// ships ("Page &p of &P") comes in the interface language; one the user
// wrote stays as written.
std::string FooterInLanguage(const std::string& footer, const StringLookup& strings);

// The codes the Printing page's menu offers, in menu order, with the
// interface string naming each; a separator goes before kFirstAlignmentCode.
struct TemplateCode {
    std::uint32_t stringId;
    const char* code;
};
std::span<const TemplateCode> TemplateCodes();
constexpr int kFirstAlignmentCode = 7;
