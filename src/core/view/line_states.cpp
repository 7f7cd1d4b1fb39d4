#include "core/view/line_states.h"

#include "core/doc/text_doc.h"
#include "core/view/highlight_scheme.h"

#include <algorithm>

std::uint8_t StateBeforeLine(CTextDoc& doc, const HighlightScheme& scheme, int line)
{
    int known = line - 1;
    while (known >= 0 && doc.GetLineState(known) == LINE_STATE_UNKNOWN)
        --known;
    std::uint8_t state = known >= 0 ? doc.GetLineState(known) : STATE_NORMAL;
    for (int j = known + 1; j < line; ++j) {
        state = scheme.Scan(state, doc.GetLine(j), nullptr);
        doc.SetLineState(j, state);
    }
    return state;
}

bool RecolourLine(CTextDoc& doc, const HighlightScheme& scheme, int line)
{
    const std::uint8_t start = StateBeforeLine(doc, scheme, line);
    const std::uint8_t end = scheme.Scan(start, doc.GetLine(line), nullptr);
    if (end == doc.GetLineState(line))
        return false;
    const int stale = std::min(doc.GetLineCount(), doc.StatesStaleFrom());
    for (int j = line + 1; j < stale && doc.GetLineState(j) != end; ++j)
        doc.SetLineState(j, LINE_STATE_UNKNOWN);
    doc.SetLineState(line, end);
    return true;
}
