// Bookmarks, snippets with template words, word completion and remembered
// positions.
#include "core/doc/text_doc.h"
#include "core/settings/app_settings.h"
#include "core/settings/favorites.h"
#include "core/text/code_pages.h"
#include "core/text/cp1251.h"
#include "core/tools/clip_library.h"
#include "core/view/highlight_scheme.h"
#include "core/view/text_view.h"

#include <algorithm>
#include <ctime>

namespace {

constexpr int kListMinChars = 10;
constexpr int kListMaxChars = 35;
constexpr int kListExtraWidth = 20;
constexpr int kListMinItemHeight = 16;
constexpr int kListMaxRows = 7;

std::string FormatTime(const std::tm& time, const char* format)
{
    char text[128];
    const std::size_t length = std::strftime(text, sizeof text, format, &time);
    return std::string(text, length);
}

} // namespace

void CTextView::ToggleBookmark()
{
    m_doc.ToggleBookmark(m_caret.line);
    m_doc.UpdateAllViews();
}

// The next (or previous) bookmarked line, wrapping round the document; the
// caret line's own bookmark is never found.
void CTextView::GoToBookmark(bool next)
{
    const int count = LineCount();
    for (int step = 1; step < count; ++step) {
        const int line = next ? (m_caret.line + step) % count : (m_caret.line - step + count) % count;
        if (m_doc.IsBookmarked(line)) {
            MoveCaretTo(line, 0);
            return;
        }
    }
}

// Replaces each %name% of a snippet: cursor marks the caret's place,
// selection the selected text, filename, date, longdate and time what they
// say; any other name stands for itself, lower-cased. Replacements are never
// expanded again.
std::string CTextView::ExpandTemplate(std::string text, int& cursorMark, bool& usesSelection) const
{
    const std::tm now = m_host.LocalTime();
    for (std::size_t p = text.find('%'); p != std::string::npos;) {
        const std::size_t q = text.find('%', p + 1);
        if (q == std::string::npos)
            break;
        const std::string name = ToLowerCp1251(std::string_view(text).substr(p + 1, q - p - 1));
        std::string replacement;
        if (name == "cursor") {
            cursorMark = static_cast<int>(p);
        } else if (name == "selection") {
            TextPos start, end;
            if (GetSelectionRange(start, end)) {
                replacement = m_doc.GetExactText(start, end); // a line's own CR stays in its line
                usesSelection = true;
            }
        } else if (name == "filename") {
            replacement = m_doc.GetPathName().empty() ? m_doc.GetTitle() : m_doc.GetPathName();
        } else if (name == "date") {
            replacement = FormatTime(now, "%x");
        } else if (name == "longdate") {
            replacement = FormatTime(now, "%B %d, %Y");
        } else if (name == "time") {
            replacement = FormatTime(now, "%H:%M:%S");
        } else {
            replacement = name;
        }
        text.replace(p, q - p + 1, replacement);
        p = text.find('%', p + replacement.size());
    }
    return text;
}

void CTextView::InsertClip(int id)
{
    const ClipLibrary* library = m_clips.SlotOf(id);
    const auto item = static_cast<std::size_t>(ClipItemOf(id));
    if (!library || item >= library->texts.size())
        return;
    int mark = -1;
    bool usesSelection = false;
    const std::string text = ExpandTemplate(library->texts[item], mark, usesSelection);
    TextPos at = m_caret;
    TextPos start, end;
    if (usesSelection && GetSelectionRange(start, end)) {
        at = start;
        m_caret = m_doc.ReplaceExactText(start, end, text);
    } else {
        m_doc.InsertExactText(m_caret, text, true);
    }
    if (mark >= 0) {
        // The mark's line, and the display column the text before it reaches:
        // a CR breaks the line (with the LF after it), but "\r\0" is a CR
        // of the line's own.
        const std::string_view before = std::string_view(text).substr(0, static_cast<std::size_t>(mark));
        const int tabSize = std::max(1, static_cast<int>(m_pSettings.TabSize));
        int line = at.line;
        int col = at.col;
        for (std::size_t i = 0; i < before.size(); ++i) {
            const char c = before[i];
            const char next = i + 1 < before.size() ? before[i + 1] : ' ';
            if (c == '\r' && next != '\0') {
                ++line;
                col = 0;
                i += next == '\n' ? 1 : 0;
                continue;
            }
            i += c == '\r' ? 1 : 0;
            col = c == '\t' ? (col / tabSize + 1) * tabSize : col + 1;
        }
        m_caret = {std::min(col, LineLength(line)), line};
    }
    m_bSelection = 0;
    RefreshWholeView();
}

void CTextView::StartCompletion()
{
    const HighlightScheme& scheme = Scheme();
    const std::string_view text = m_doc.GetLine(m_caret.line);
    const int col = std::min(m_caret.col, static_cast<int>(text.size()));
    int start = col;
    while (start > 0 && !scheme.IsDelimiter(text[static_cast<std::size_t>(start - 1)]))
        --start;
    if (start == col) {
        m_host.Beep();
        return;
    }
    const std::string_view prefix = text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(col - start));
    m_completionTexts.clear();
    m_completionIds.clear();
    m_prefixLength = col - start;
    for (auto& [word, group] : scheme.CollectKeywords(prefix)) {
        m_completionTexts.push_back(word);
        m_completionIds.push_back(group);
    }
    for (int slot = 0; slot < kClipSlots; ++slot) {
        const ClipLibrary& library = m_clips.slots[static_cast<std::size_t>(slot)];
        if (!library.loaded)
            continue;
        for (std::size_t i = 0; i < library.items.size(); ++i) {
            if (library.abbreviations[i].starts_with(prefix)) {
                m_completionTexts.push_back(library.items[i]);
                m_completionIds.push_back(ClipCommand(slot, static_cast<int>(i)));
            }
        }
    }
    if (m_completionTexts.empty()) {
        m_host.Beep();
        return;
    }
    if (m_completionTexts.size() == 1) {
        InsertCompletion(0);
        return;
    }
    CompletionList list;
    std::size_t longest = 0;
    for (std::size_t i = 0; i < m_completionTexts.size(); ++i) {
        list.entries.push_back({m_completionTexts[i], m_completionIds[i]});
        longest = std::max(longest, m_completionTexts[i].size());
    }
    const int width =
        m_charWidth * std::clamp(static_cast<int>(longest), kListMinChars, kListMaxChars) + kListExtraWidth;
    list.itemHeight = std::max(m_lineHeight, kListMinItemHeight);
    const int height = list.itemHeight * std::min(static_cast<int>(list.entries.size()), kListMaxRows);
    int c = 0;
    const int row = std::max(0, m_rows.WindowRowOf(m_caret, c));
    int left = (c - m_hScroll) * m_charWidth + m_panelWidth + kTextGap - m_prefixLength * m_charWidth;
    if (left + width > m_host.ClientWidth())
        left = m_host.ClientWidth() - width - 5;
    int top = row * m_lineHeight + m_lineHeight;
    if (top + height > m_host.ClientHeight())
        top -= height;
    list.rect = {left, top, left + width, top + height};
    m_host.ShowCompletionList(list);
}

void CTextView::InsertCompletion(int index)
{
    if (index >= 0 && index < static_cast<int>(m_completionIds.size())) {
        const auto i = static_cast<std::size_t>(index);
        const int id = m_completionIds[i];
        if (id < kFirstClipCommand) {
            for (const char c : std::string_view(m_completionTexts[i]).substr(static_cast<std::size_t>(m_prefixLength))) {
                m_doc.InsertChar(m_caret, c);
                ++m_caret.col;
            }
            RefreshAfterLinesChanged(m_caret.line);
        } else {
            const TextPos end = m_caret;
            m_caret.col = std::max(0, m_caret.col - m_prefixLength);
            m_doc.DeleteText(m_caret, end, true);
            InsertClip(id);
        }
    }
    CloseCompletion();
}

void CTextView::CloseCompletion()
{
    if (m_completionTexts.empty())
        return;
    m_completionTexts.clear();
    m_completionIds.clear();
    m_host.CloseCompletionList();
}

void CTextView::ApplyRememberedPosition(const Favorite& record)
{
    for (const std::uint32_t line : record.bookmarks)
        if (static_cast<int>(line) < LineCount())
            m_doc.ToggleBookmark(static_cast<int>(line));
    const int line = std::clamp(record.caretLine, 0, std::max(0, LineCount() - 1));
    const int col = std::clamp(record.caretCol, 0, LineCount() ? LineLength(line) : 0);
    // A Unicode file is held in WIN.
    const std::uint8_t codePage = record.encoding < kCodePageCount ? record.encoding : std::uint8_t{CP_WIN};
    for (DocumentView* other : m_doc.GetViews()) {
        if (auto* view = dynamic_cast<CTextView*>(other)) {
            view->m_codePage = codePage;
            view->MoveCaretTo(line, col);
        }
    }
    m_pSettings.Encoding = codePage;
}
