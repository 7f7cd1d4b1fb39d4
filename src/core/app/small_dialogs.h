#pragma once

#include <optional>
#include <string>
#include <string_view>

// The rules of the small dialogs: Convert, Remove tags and Justify (which
// run over a scope), Go To and the bookmark list.

// Where a scope dialog's operation runs.
enum class Scope { Selection = 0, Document = 1, AllDocuments = 2 };

// The selection when there is one, else what the last run chose ("Where":
// 0 the document, 1 all open documents).
Scope InitialScope(bool hasSelection, int where);
// "Where" after a run: the whole document makes it 0, all documents 1.
int WhereAfter(Scope scope, int where);

// Convert's "To encoding" at the start: the stored choice, none (-1) when it
// is the "From" code page, and without a transliteration table never
// TRANSLITE (5) nor none, but KOI8, or WIN when converting from KOI8.
int InitialConvertTo(int from, int storedTo, bool translitLoaded);

// The two tag characters: the stored ones, "<>" when fewer than two.
std::string TagCharsOf(const std::string& stored);
// The tag characters after the dialog: each non-empty edit gives its first
// character, an empty one keeps the old.
std::string TagCharsFromEdits(const std::string& stored, std::string_view start, std::string_view end);

// Go To over a document of `lines` lines, by line number (1 .. lines) or
// by percent (0 .. 100).
struct GoToRange {
    int low;
    int high;
};
GoToRange GoToRangeOf(bool byLine, int lines);
// The box's value when switching modes.
int PercentOfLine(int lineNumber, int lines);
int LineOfPercent(int percent, int lines);
// The line (from 0) the box's text goes to; nothing when the text is no
// number or lies outside the range.
std::optional<int> GoToTarget(std::string_view text, bool byLine, int lines);

// A bookmark list entry for line `line` (from 0): "Line No:\t 000042".
std::string BookmarkEntry(int line);
// The line (from 0) an entry stands for; -1 for no entry of ours.
int LineOfBookmarkEntry(std::string_view entry);
// The entry to select after deleting entry `deleted`, `left` remaining: the
// same index, the one before when the last went, -1 when none is left.
int SelectionAfterDelete(int deleted, int left);
