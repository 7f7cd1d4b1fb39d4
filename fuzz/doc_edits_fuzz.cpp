// Random edit sequences on a document, whole-text conversions among them:
// nothing may crash, the bookmark count must match the marks, and undoing
// everything must give back the original text, redoing everything the
// edited one.
#include "core/doc/tab_cells.h"
#include "core/doc/text_doc.h"
#include "core/settings/app_settings.h"
#include "core/text/code_pages.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool Empty() const { return m_pos >= m_size; }
    std::uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::string Text(std::size_t maxLength)
    {
        std::string text;
        // Any bytes: 6 and 7 among them turn the document to TABs as bytes.
        for (std::size_t n = Byte() % (maxLength + 1); n > 0 && !Empty(); --n)
            text.push_back(static_cast<char>(Byte()));
        return text;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// The lines as text, whether TABs are cells or bytes.
std::vector<std::string> Lines(const CTextDoc& doc)
{
    std::vector<std::string> lines;
    for (int i = 0; i < doc.GetLineCount(); ++i) {
        const auto length = static_cast<int>(doc.GetLine(i).size());
        lines.push_back(doc.GetExactText(TextPos{0, i}, TextPos{length, i}));
    }
    return lines;
}

TextPos CaretPos(const CTextDoc& doc, Input& in)
{
    TextPos pos;
    pos.line = in.Byte() % doc.GetLineCount();
    const std::string_view line = doc.GetLine(pos.line);
    pos.col = static_cast<int>(in.Byte() % (line.size() + 1));
    while (pos.col > 0 && static_cast<std::size_t>(pos.col) < line.size() &&
               doc.IsTabFill(line[static_cast<std::size_t>(pos.col)]))
        --pos.col;
    return pos;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    AppSettings settings;
    settings.TabSize = static_cast<std::uint8_t>(1 + in.Byte() % 15);
    settings.FillTabs = in.Byte() % 2;
    CTextDoc doc(settings);
    doc.OnNewDocument();
    TextPos start;
    doc.InsertText(start, in.Text(64), false);
    const std::vector<std::string> original = Lines(doc);

    while (!in.Empty()) {
        TextPos pos = CaretPos(doc, in);
        switch (in.Byte() % 11) {
        case 0: doc.InsertText(pos, in.Text(16), true); break;
        case 1: doc.DeleteText(pos, CaretPos(doc, in), true); break;
        case 2: doc.InsertChar(pos, static_cast<char>(in.Byte() | 0x20)); break;
        case 3: doc.OverwriteChar(pos, static_cast<char>(in.Byte() | 0x20)); break;
        case 4: doc.DeleteChar(pos); break;
        case 5: doc.SplitLine(pos); break;
        case 6: doc.IndentLines(pos.line, pos.line + in.Byte() % 4, pos, true); break;
        case 7: doc.UnindentLines(pos.line, pos.line + in.Byte() % 4, pos, true); break;
        case 8: doc.ToggleBookmark(pos.line); break;
        case 9: {
            // A stored line in the document's own form.
            std::string text = in.Text(8);
            std::string cells;
            if (doc.KeepsTabsAsBytes()) {
                cells = text;
            } else {
                std::replace_if(text.begin(), text.end(), [](char c) { return c == TAB_CELL || c == TAB_FILL; }, '\t');
                AppendTextAsCells(cells, text, settings.TabSize);
            }
            LineStore lines;
            lines.Append(cells);
            doc.ReplaceAllLines(lines, pos);
            break;
        }
        case 10: { // the whole text through a code-page table
            const int from = in.Byte() % kCodePageCount;
            doc.Convert(std::nullopt, from, in.Byte() % kCodePageCount, false, pos);
            break;
        }
        }
        int marks = 0;
        for (int i = 0; i < doc.GetLineCount(); ++i)
            marks += doc.IsBookmarked(i);
        Check(marks == doc.GetBookmarkCount());
        Check(doc.GetLineCount() >= 1);
    }

    const std::vector<std::string> edited = Lines(doc);
    TextPos caret;
    while (doc.Undo(caret)) {
    }
    Check(doc.IsUndoTruncated() || Lines(doc) == original);
    while (doc.Redo(caret)) {
    }
    Check(Lines(doc) == edited);
    return 0;
}
