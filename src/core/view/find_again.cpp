#include "core/view/find_again.h"

#include "core/doc/text_doc.h"
#include "core/text/code_pages.h"
#include "core/view/text_view.h"

void RememberFindText(std::vector<std::string>& history, const std::string& text)
{
    if (!text.empty() && (history.empty() || history.front() != text))
        history.insert(history.begin(), text);
}

std::string InitialFindText(const CTextView* view, const std::vector<std::string>& history)
{
    TextPos start, end;
    const bool selected = view && view->GetSelectionRange(start, end);
    if (view && !selected)
        view->WordAt(start, end);
    if (view && start.line == end.line && start.col < end.col) {
        std::string text = view->GetDocument().GetText(start, end);
        ConvertString(text, view->CodePage(), CP_WIN);
        return text;
    }
    return history.empty() ? std::string() : history.front();
}

std::optional<DocString> FindAgain(CTextView& view, const std::vector<std::string>& history, bool forward)
{
    if (history.empty())
        return std::nullopt;
    const std::string& text = history.front();
    if (forward ? view.FindForward(text, true) : view.FindBackward(text))
        return std::nullopt;
    return forward && view.SearchGaveUp() ? kSearchStopped : kNoMoreEntries;
}

std::optional<DocString> FindWordAtCaret(CTextView& view, std::vector<std::string>& history, bool forward)
{
    TextPos start, end;
    view.WordAt(start, end);
    std::string word = view.GetDocument().GetText(start, end);
    if (word.empty())
        return std::nullopt;
    ConvertString(word, view.CodePage(), CP_WIN);
    RememberFindText(history, word);
    return FindAgain(view, history, forward);
}
