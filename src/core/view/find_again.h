#pragma once

#include "core/doc/doc_strings.h"

#include <optional>
#include <string>
#include <vector>

class CTextView;

// Find next / previous (F3, Shift+F3) and find the word at the caret
// (Ctrl+F3, Ctrl+Shift+F3) in one view, with the history of find texts in
// cp1251, newest first. Each gives the message to show when it found nothing.
inline constexpr DocString kNoMoreEntries{5006, "No more entries of  \"%s\" can be found"};
inline constexpr DocString kSearchStopped{
    5044, "The search for \"%s\" was stopped: the expression is too complex for this text"};

// Puts a find text at the front of the history, unless it is empty or there
// already.
void RememberFindText(std::vector<std::string>& history, const std::string& text);

// The text the Find, Replace and Find in files dialogs open with, in
// cp1251: a selection within one line of the active view; without a
// selection the word at the caret; else (and for a selection over several
// lines, or without a view) the newest find text.
std::string InitialFindText(const CTextView* view, const std::vector<std::string>& history);

// Searches for the newest find text (backward always as plain text). An
// expression that ran out of steps on some line may have missed a match
// there: that is said, not "not found".
std::optional<DocString> FindAgain(CTextView& view, const std::vector<std::string>& history, bool forward);

// The word at the caret becomes the newest find text and is searched for as
// FindAgain does; without a word nothing happens.
std::optional<DocString> FindWordAtCaret(CTextView& view, std::vector<std::string>& history, bool forward);
