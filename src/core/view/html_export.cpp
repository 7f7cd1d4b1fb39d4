#include "core/view/html_export.h"

#include "core/doc/tab_cells.h"
#include "core/doc/text_doc.h"
#include "core/platform/file_system.h"
#include "core/text/unicode_text.h"
#include "core/view/highlight_scheme.h"

#include <cstdio>
#include <vector>

namespace {

// A colour slot (0x00BBGGRR) as the six hex digits RRGGBB.
std::string Hex(std::uint32_t color)
{
    const unsigned rgb = (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
    char text[8];
    std::snprintf(text, sizeof text, "%06x", rgb);
    return text;
}

void AppendEscaped(std::string& out, std::string_view cells, const CTextDoc& doc)
{
    for (char ch : cells) {
        if (doc.IsTabPart(ch))
            out.push_back(' ');
        else if (ch == '<')
            out += "&lt;";
        else if (ch == '>')
            out += "&gt;";
        else if (ch == '&') // a text holding "&lt;" shows as written
            out += "&amp;";
        else
            out.push_back(ch);
    }
}

} // namespace

std::string SuggestHtmlName(const std::string& pathOrTitle)
{
    const std::size_t separator = pathOrTitle.find_last_of("\\/");
    const std::size_t dot = pathOrTitle.rfind('.');
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator))
        return pathOrTitle + ".htm";
    const std::string base = pathOrTitle.substr(0, dot);
    return base + (pathOrTitle.compare(dot + 1, 3, "htm") == 0 ? "_" : "") + ".htm";
}

std::string ExportHtml(const CTextDoc& doc, const HighlightScheme& scheme, const ColorTable& colors)
{
    // A page of a Unicode file is UTF-8; other pages keep the document's
    // bytes as they are. Either says which it is.
    static constexpr const char* kCharsets[kCodePageCount] = {"koi8-r", "ibm866", "x-mac-cyrillic", "iso-8859-5",
                                                             "windows-1251"};
    const bool unicode = doc.GetUnicodeForm() != UnicodeForm::None;
    const std::string charset = unicode ? "utf-8" : kCharsets[std::min<int>(doc.GetCodePage(), CP_WIN)];
    std::string out = "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=" + charset +
                      "\"></head><body bgcolor=" + Hex(colors[COLOR_NORMAL_BACKGROUND]) + " link=" + Hex(colors[COLOR_LINK]) +
                      " vlink=" + Hex(colors[COLOR_LINK]) + " text=" + Hex(colors[COLOR_TEXT]) + ">\n<pre>\n";
    std::uint8_t state = STATE_NORMAL;
    std::vector<std::uint8_t> attrs;
    for (int i = 0; i < doc.GetLineCount(); ++i) {
        const std::string_view line = doc.GetLine(i);
        attrs.assign(line.size(), ATTR_TEXT);
        state = scheme.Scan(state, line, attrs.data());
        for (std::size_t start = 0; start < line.size();) {
            std::size_t end = start;
            while (end < line.size() && attrs[end] == attrs[start])
                ++end;
            const std::uint8_t slot = attrs[start] < COLOR_SLOT_COUNT ? attrs[start] : ATTR_TEXT;
            std::string text;
            AppendEscaped(text, line.substr(start, end - start), doc);
            if (slot == ATTR_LINK)
                out += "<a href=" + text + ">" + text + "</a>";
            else
                out += "<font color=" + Hex(colors[slot]) + ">" + text + "</font>";
            start = end;
        }
        out += "\n";
    }
    out += "</pre>\n</body>\n</html>";
    return unicode ? EncodeUnicode(out, UnicodeForm::Utf8) : out;
}

bool ExportHtmlToFile(const CTextDoc& doc, const HighlightScheme& scheme, const ColorTable& colors,
                      FileSystem& files, const std::string& path)
{
    const std::string page = ExportHtml(doc, scheme, colors);
    std::string text;
    text.reserve(page.size() + page.size() / 16);
    for (char ch : page) {
        if (ch == '\n')
            text.push_back('\r');
        text.push_back(ch);
    }
    std::unique_ptr<OutputFile> out = files.CreateWrite(path);
    if (!out)
        return false;
    const bool written = out->Write(text.data(), text.size());
    return out->Close() && written;
}
