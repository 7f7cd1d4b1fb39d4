// Clipboard, block, indent and case commands, and the command table.
#include "core/doc/text_doc.h"
#include "core/doc/undo_record.h"
#include "core/settings/app_settings.h"
#include "core/text/code_pages.h"
#include "core/text/cp1251.h"
#include "core/tools/clip_library.h"
#include "core/view/highlight_scheme.h"
#include "core/view/text_view.h"

#include <algorithm>

namespace {

// Shows the wait cursor while it lives.
class WaitCursor {
public:
    explicit WaitCursor(ViewHost& host) : m_host(host) { m_host.ShowWaitCursor(true); }
    ~WaitCursor() { m_host.ShowWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    ViewHost& m_host;
};

// The byte in the case the command asks for, when it is a letter of the
// code page that cp1251 has too and its partner is one as well; every other
// byte (box drawing, signs, a line's own CR) as it is.
char CaseChanged(char byte, int codePage, int command, bool wordStart)
{
    const std::optional<std::uint8_t> win = SharedToWin(static_cast<std::uint8_t>(byte), codePage);
    if (!win || !IsLetterCp1251(static_cast<char>(*win)))
        return byte;
    const char letter = static_cast<char>(*win);
    const char lower = ToLowerCp1251(letter);
    const char upper = ToUpperCp1251(letter);
    char changed = lower;
    switch (command) {
    case ID_EDIT_UPPER_CASE:
        changed = upper;
        break;
    case ID_EDIT_LOWER_CASE:
        break;
    case ID_EDIT_INVERT_CASE:
        changed = letter == upper ? lower : upper;
        break;
    default:
        changed = wordStart ? upper : lower;
        break;
    }
    const std::optional<std::uint8_t> own = SharedFromWin(static_cast<std::uint8_t>(changed), codePage);
    return own ? static_cast<char>(*own) : byte;
}

} // namespace

bool CTextView::Copy()
{
    TextPos start, end;
    if (!GetSelectionRange(start, end) || start == end)
        return false;
    WaitCursor wait(m_host);
    return m_host.SetClipboardText(m_doc.GetText(start, end), ClipboardCodePage());
}

// Only what reached the clipboard is deleted.
// With AutoClipbrd the clipboard holds the characters the view shows;
// without it the bytes go as they are, read as cp1251.
int CTextView::ClipboardCodePage() const
{
    return m_pSettings.AutoClipbrd ? m_codePage : int{CP_WIN};
}

void CTextView::Cut()
{
    if (Copy())
        DeleteSelection();
}

void CTextView::Paste()
{
    const std::optional<std::string> text = m_host.GetClipboardText(ClipboardCodePage());
    if (text)
        PasteText(*text);
}

void CTextView::DeleteSelection()
{
    TextPos start, end;
    if (!GetSelectionRange(start, end))
        return;
    WaitCursor wait(m_host);
    m_doc.DeleteText(start, end, true);
    m_bSelection = 0;
    m_caret = start;
    RefreshAfterLinesChanged(m_caret.line);
}

void CTextView::PasteText(const std::string& text)
{
    WaitCursor wait(m_host);
    ReplaceSelection(text, true);
}

void CTextView::ReplaceSelection(const std::string& text, bool eachStep)
{
    TextPos start, end;
    if (GetSelectionRange(start, end)) {
        m_doc.DeleteText(start, end, eachStep);
        m_bSelection = 0;
        m_caret = start;
    }
    const int line = m_caret.line;
    m_doc.InsertText(m_caret, text, eachStep);
    if (eachStep)
        RefreshAfterLinesChanged(line);
}

void CTextView::BeginReplaceRun()
{
    m_doc.RecordUndo(UNDO_SNAPSHOT, m_caret, m_caret);
}

void CTextView::EndReplaceRun()
{
    RefreshWholeView();
}

void CTextView::SelectAll()
{
    const int last = LineCount() - 1;
    m_anchor = {};
    m_selEnd = {LineLength(last), last};
    m_bSelection = 1;
    RepaintAll();
}

void CTextView::SelectLine()
{
    const int line = m_caret.line;
    m_anchor = {0, line};
    m_selEnd = IsLastLine(line) ? TextPos{LineLength(line), line} : TextPos{0, line + 1};
    m_bSelection = 1;
    RepaintAll();
}

// The selected lines (an end at column 0 leaves its line out), or the
// caret's line; afterwards a selection covers those lines whole.
void CTextView::Indent(bool unindent)
{
    TextPos start, end;
    const bool selected = GetSelectionRange(start, end);
    const int first = selected ? start.line : m_caret.line;
    const int last = selected ? LastLineOf(start, end) : m_caret.line;
    if (unindent)
        m_doc.UnindentLines(first, last, m_caret, true);
    else
        m_doc.IndentLines(first, last, m_caret, true);
    if (selected) {
        m_anchor = {0, first};
        m_selEnd = IsLastLine(last) ? TextPos{LineLength(last), last} : TextPos{0, last + 1};
        m_caret = m_selEnd;
    } else {
        m_anchor = {0, first};
        m_selEnd = {LineLength(first), first};
        m_caret = {0, first};
    }
    m_rows.Count(m_caret);
    Relayout();
    PlaceCaret();
    m_doc.UpdateAllViews(); // this view too: it repaints everything
}

void CTextView::ChangeCase(int command)
{
    TextPos start, end;
    if (!GetSelectionRange(start, end))
        WordAt(start, end);
    if (start == end)
        return;
    WaitCursor wait(m_host);
    const HighlightScheme& scheme = Scheme();
    // Line breaks and tabs end words as the scheme's delimiters do.
    auto endsWord = [&](char c) { return c == '\r' || c == '\n' || c == '\t' || scheme.IsDelimiter(c); };
    std::string text = m_doc.GetExactText(start, end);
    bool wordStart = start.col == 0 || endsWord(m_doc.GetLine(start.line)[static_cast<std::size_t>(start.col - 1)]);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char& c = text[i];
        c = CaseChanged(c, m_codePage, command, wordStart);
        wordStart = endsWord(c);
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\0')
            ++i; // the NUL only marks a line's own CR
    }
    m_doc.ReplaceExactText(start, end, text);
    ClampCaret();
    ApplySettings(true);
}

void CTextView::InsertFile()
{
    const std::optional<std::string> path = m_host.AskFileToInsert();
    if (!path)
        return;
    const TextPos anchor = m_caret;
    if (!m_doc.InsertFile(*path, m_caret))
        return;
    m_anchor = anchor;
    m_selEnd = m_caret;
    m_bSelection = 1;
    RefreshAfterLinesChanged(anchor.line);
}

namespace {

// Commands that change the text, the view's own and those the frame runs on
// the active view's document.
bool ChangesText(int id)
{
    if ((id >= kFirstClipCommand && id < kLastClipCommand) ||
        (id >= ID_CLIP_KEY_FIRST && id < ID_CLIP_KEY_FIRST + kClipSlots))
        return true;
    switch (id) {
    case ID_EDIT_CUT:
    case ID_EDIT_PASTE:
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
    case ID_EDIT_DELETE_LINE:
    case ID_EDIT_INDENT:
    case ID_EDIT_UNINDENT:
    case ID_EDIT_UPPER_CASE:
    case ID_EDIT_LOWER_CASE:
    case ID_EDIT_INVERT_CASE:
    case ID_EDIT_CAPITALIZE:
    case ID_EDIT_REPLACE:
    case ID_FILE_INSERT:
    case ID_ACTIONS_WRAP_TO_LINES:
    case ID_ACTIONS_TABS_TO_SPACES:
    case ID_ACTIONS_TRIM_SPACES:
    case ID_ACTIONS_REMOVE_TAGS:
    case ID_ACTIONS_ALIGN:
    case ID_ACTIONS_CONVERT: return true;
    default: return false;
    }
}

} // namespace

bool CTextView::RefusesEdit()
{
    if (!m_doc.SavesOnlyElsewhere())
        return false;
    m_host.Beep();
    return true;
}

bool CTextView::OnCommand(int id)
{
    if (ChangesText(id) && RefusesEdit())
        return true;
    if (id >= kFirstClipCommand && id < kLastClipCommand) {
        InsertClip(id);
        return true;
    }
    if (id >= ID_ENCODING_KOI8 && id < ID_ENCODING_KOI8 + kCodePageCount) {
        OnEncoding(id);
        return true;
    }
    switch (id) {
    case ID_EDIT_COPY: Copy(); break;
    case ID_EDIT_CUT: Cut(); break;
    case ID_EDIT_PASTE: Paste(); break;
    case ID_EDIT_SELECT_ALL: SelectAll(); break;
    case ID_EDIT_UNDO: UndoOrRedo(false); break;
    case ID_EDIT_REDO: UndoOrRedo(true); break;
    case ID_EDIT_DELETE_LINE: DeleteLine(); break;
    case ID_EDIT_SELECT_LINE: SelectLine(); break;
    case ID_EDIT_INDENT: Indent(false); break;
    case ID_EDIT_UNINDENT: Indent(true); break;
    case ID_EDIT_UPPER_CASE:
    case ID_EDIT_LOWER_CASE:
    case ID_EDIT_INVERT_CASE:
    case ID_EDIT_CAPITALIZE: ChangeCase(id); break;
    case ID_SEARCH_TOGGLE_BOOKMARK: ToggleBookmark(); break;
    case ID_SEARCH_NEXT_BOOKMARK: GoToBookmark(true); break;
    case ID_SEARCH_PREV_BOOKMARK: GoToBookmark(false); break;
    case ID_FILE_INSERT: InsertFile(); break;
    case ID_ACTIONS_WRAP_TO_LINES: WordWrapToLines(); break;
    case ID_BROWSE_LINK: OnBrowseLink(); break;
    default: return false;
    }
    return true;
}

std::optional<CommandUpdate> CTextView::UpdateCommand(int id) const
{
    if (m_doc.SavesOnlyElsewhere() && ChangesText(id))
        return CommandUpdate{false};
    TextPos start, end;
    const bool selected = GetSelectionRange(start, end) && !(start == end);
    if (id >= ID_ENCODING_KOI8 && id < ID_ENCODING_KOI8 + kCodePageCount)
        return CommandUpdate{true, IsEncodingChecked(id)};
    switch (id) {
    case ID_EDIT_COPY:
    case ID_EDIT_CUT: return CommandUpdate{selected};
    case ID_EDIT_PASTE: return CommandUpdate{m_host.ClipboardHasText()};
    case ID_EDIT_UNDO: return CommandUpdate{m_doc.CanUndo()};
    case ID_EDIT_REDO: return CommandUpdate{m_doc.CanRedo()};
    case ID_SEARCH_NEXT_BOOKMARK:
    case ID_SEARCH_PREV_BOOKMARK: return CommandUpdate{m_doc.GetBookmarkCount() > 0};
    case ID_ACTIONS_WRAP_TO_LINES: return CommandUpdate{m_pSettings.WrapOn != 0};
    case ID_EDIT_SELECT_ALL:
    case ID_EDIT_DELETE_LINE:
    case ID_EDIT_SELECT_LINE:
    case ID_EDIT_INDENT:
    case ID_EDIT_UNINDENT:
    case ID_EDIT_UPPER_CASE:
    case ID_EDIT_LOWER_CASE:
    case ID_EDIT_INVERT_CASE:
    case ID_EDIT_CAPITALIZE:
    case ID_SEARCH_TOGGLE_BOOKMARK:
    case ID_FILE_INSERT: return CommandUpdate{};
    default: return std::nullopt;
    }
}
