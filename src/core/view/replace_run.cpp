#include "core/view/replace_run.h"

#include "core/doc/text_doc.h"
#include "core/text/code_pages.h"
#include "core/view/text_view.h"

namespace {

bool After(TextPos pos, TextPos mark)
{
    return pos.line > mark.line || (pos.line == mark.line && pos.col > mark.col);
}

std::string InCodePageOf(const CTextView& view, std::string text)
{
    ConvertString(text, CP_WIN, view.CodePage());
    return text;
}

} // namespace

bool ReplaceRun::Step(ReplaceWindows& windows, const std::string& findText, const std::string& replaceText)
{
    if (findText.empty())
        return false;
    CTextView* view = &windows.ActiveView();
    if (firstStep)
        view->MoveCaretTo(0, 0);
    std::string replacement = InCodePageOf(*view, replaceText);
    const CTextDoc* snapshotTaken = nullptr;
    for (;;) {
        // A selection the text no longer matches (it was edited since) is
        // left alone: the next match is found first.
        if (!firstStep && (!stepMode || view->SelectionMatches(findText))) {
            if (!stepMode && snapshotTaken != &view->GetDocument()) {
                view->BeginReplaceRun();
                snapshotTaken = &view->GetDocument();
            }
            view->ReplaceSelection(view->ReplacementForSelection(replacement), stepMode);
            ++replacedCount;
        }
        // A match at or before where the search began means it wrapped.
        const TextPos from = view->Caret();
        if (view->FindForward(findText, stepMode) && After(view->Caret(), from)) {
            firstStep = false;
            if (stepMode)
                return false;
            continue;
        }
        if (!stepMode)
            view->EndReplaceRun();
        if (allDocuments && windows.ActivateNext()) {
            view = &windows.ActiveView();
            replacement = InCodePageOf(*view, replaceText);
            firstStep = true;
            view->MoveCaretTo(0, 0);
            continue;
        }
        if (!firstStep)
            view->DropSelection();
        view->MoveCaretTo(view->Caret().line, view->Caret().col);
        firstStep = true;
        return true;
    }
}
