#pragma once

#include <cstdint>

class CTextDoc;
class HighlightScheme;

// The colouring state at the start of `line`: scanned from the nearest line
// above whose state is known, storing the states found on the way.
std::uint8_t StateBeforeLine(CTextDoc& doc, const HighlightScheme& scheme, int line);

// After an edit in `line`: when its end state changed, the states of the
// lines after it up to the first one that already ends in that state are
// forgotten, and true says the rest of the view needs painting.
bool RecolourLine(CTextDoc& doc, const HighlightScheme& scheme, int line);
