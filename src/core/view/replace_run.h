#pragma once

#include <string>

class CTextDoc;
class CTextView;

// The document windows a replace run goes through, in the window list's
// order, beginning with the one active when it started.
class ReplaceWindows {
public:
    virtual ~ReplaceWindows() = default;
    virtual CTextView& ActiveView() = 0;
    // Activates the next document window (its file tab selected); false when
    // that is the window the run started in.
    virtual bool ActivateNext() = 0;
};

// The Replace dialog's run. The first press finds and selects the first
// match from the top; each further press replaces the selected match and
// selects the next; when there is none the run is over and the total is to
// be reported. Replace All (not `stepMode`) runs to the end without
// stopping, records one undo step per document and refreshes each view once.
// Texts are cp1251; the replacement goes into each view in its code page.
struct ReplaceRun {
    bool allDocuments = false;
    bool stepMode = true;
    bool firstStep = true;
    int replacedCount = 0;

    // True when the run is over.
    bool Step(ReplaceWindows& windows, const std::string& findText, const std::string& replaceText);
};
