// Any page, font, margins and text: the pagination ends, no page holds more
// rows than fit, no row more characters, and the pages print every byte of
// the document once, in order.
#include "core/doc/tab_cells.h"
#include "core/doc/text_doc.h"
#include "core/text/code_pages.h"
#include "core/view/print_layout.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 12)
        return 0;
    PrintSettings print;
    print.Left = static_cast<std::int8_t>(data[0]) * 2;
    print.Top = static_cast<std::int8_t>(data[1]) * 2;
    print.Right = static_cast<std::int8_t>(data[2]) * 2;
    print.Bottom = static_cast<std::int8_t>(data[3]) * 2;
    print.PrintHeader = data[4] & 1;
    print.PrintFooter = data[4] >> 1 & 1;
    const PrintMetrics metrics{{0, 0, data[5] * 8, data[6] * 8}, 24 + data[7] % 200, data[8] % 40, data[9] % 20};
    const int lastPage = data[10] % 4;

    AppSettings settings;
    CTextDoc doc(settings, nullptr, nullptr, nullptr);
    doc.DeleteContents();
    std::string all, line;
    for (std::size_t i = 11; i <= size; ++i) {
        if (i == size || data[i] == 0xFF) {
            doc.AppendLine(line);
            all += line;
            line.clear();
        } else {
            // No tab cells: rows print them as blanks.
            const char ch = data[i] == TAB_CELL || data[i] == TAB_FILL ? 'x' : static_cast<char>(data[i]);
            line.push_back(ch);
        }
    }

    PrintLayout layout = LayOutPrint(print, metrics);
    Paginate(layout, doc, lastPage);
    if (layout.PageCount() < 1 || (lastPage > 0 && layout.PageCount() > lastPage))
        std::abort();
    std::string printed;
    for (int page = 1; page <= layout.PageCount(); ++page) {
        const auto rows = PageRows(layout, doc, page, CP_WIN);
        if (rows.empty() || static_cast<int>(rows.size()) > layout.rowsPerPage)
            std::abort();
        for (const std::string& row : rows) {
            if (static_cast<int>(row.size()) > layout.charsPerRow)
                std::abort();
            printed += row;
        }
    }
    if (lastPage == 0 ? printed != all : all.compare(0, printed.size(), printed) != 0)
        std::abort();
    return 0;
}
