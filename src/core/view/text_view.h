#pragma once

#include "core/doc/document_base.h"
#include "core/doc/text_pos.h"
#include "core/platform/view_host.h"
#include "core/settings/command_ids.h"
#include "core/settings/command_routing.h"
#include "core/text/code_pages.h"
#include "core/tools/line_search.h"
#include "core/view/row_layout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct AppSettings;
class CTextDoc;
class ClipLibraries;
class HighlightScheme;
struct Favorite;

// What every view of the program shares.
struct ViewShared {
    AppSettings& settings;
    std::vector<HighlightScheme>& schemes;
    ClipLibraries& clips;
};

// Virtual-key codes the view handles.
enum ViewKey : int {
    KEY_BACK = 0x08,
    KEY_RETURN = 0x0D,
    KEY_PRIOR = 0x21,
    KEY_NEXT = 0x22,
    KEY_END = 0x23,
    KEY_HOME = 0x24,
    KEY_LEFT = 0x25,
    KEY_UP = 0x26,
    KEY_RIGHT = 0x27,
    KEY_DOWN = 0x28,
    KEY_INSERT = 0x2D,
    KEY_DELETE = 0x2E,
};

// Scroll bar request codes, as the window system numbers them.
enum ScrollCode : int {
    SCROLL_LINE_UP = 0,
    SCROLL_LINE_DOWN = 1,
    SCROLL_PAGE_UP = 2,
    SCROLL_PAGE_DOWN = 3,
    SCROLL_THUMB_POSITION = 4,
    SCROLL_THUMB_TRACK = 5,
};

// The editing view over one document: its own caret, selection, scroll
// position, word-wrap layout and code page. Every cell is one stored byte of
// a fixed-pitch font, so a column is a byte index into the stored line. The
// window comes in through ViewHost and painting goes out through Surface.
class CTextView : public DocumentView {
public:
    static constexpr int kDragTimer = 1;
    static constexpr int kDragTimerMs = 30;
    static constexpr int kTextGap = 5; // pixels between panel and text

    CTextView(CTextDoc& doc, ViewShared& shared, ViewHost& host);
    ~CTextView() override;
    CTextView(const CTextView&) = delete;
    CTextView& operator=(const CTextView&) = delete;

    // What the view shows.
    TextPos Caret() const { return m_caret; }
    // The selection as (anchor, moving end), when there is one.
    std::optional<std::pair<TextPos, TextPos>> Selection() const;
    // Selects from `anchor` to `end` and puts the caret at `end`.
    void Select(TextPos anchor, TextPos end);
    const RowLayout& Rows() const { return m_rows; }
    int TotalRows() const { return m_rows.totalRows; }
    int RowsOnScreen() const { return m_rows.WindowRows(); }
    int ColumnsOnScreen() const { return m_visibleCols; }
    int CodePage() const override { return m_codePage; }
    int HorizontalScroll() const { return m_hScroll; }
    int PanelWidth() const { return m_panelWidth; }
    const PanelIcons& Icons() const { return m_iconDC; }
    int LineHeight() const { return m_lineHeight; }
    int CharWidth() const { return m_charWidth; }
    bool HasFocus() const { return m_bHasFocus; }

    // Caret and selection.
    bool GetSelectionRange(TextPos& start, TextPos& end) const;
    void PlaceCaret();
    bool EnsureCaretVisible();
    void RepaintLines(int firstLine, int lastLine);
    void RepaintLineRows(int firstLine, int lastLine);
    void MoveCaretTo(int line, int col);
    void ClampCaret();
    // The selection rules after a movement from `oldCaret`: extend with Shift,
    // else drop the selection unless blocks are persistent.
    void AfterMovement(TextPos oldCaret, bool shift);
    void DropSelection();
    // After a command changed text anywhere in the document: the selection
    // goes, the caret stays inside the text and in sight.
    void TextReplaced();

    // Life cycle. `activePane` is the view whose top row a new pane starts at.
    void OnInitialUpdate(const CTextView* activePane = nullptr);
    void OnSize();
    void OnUpdate(DocumentView* sender, int hint) override;
    void ResetToTop() override { ResetView(); }
    void ShowInCodePage(int codePage) override;
    void ApplySettings(bool full);
    void ResetView();
    void OnSetFocus();
    void OnKillFocus();
    void OnActivateView(bool active);

    // Layout and painting.
    void SetupFont();
    void UpdateWrapWidth();
    void Rewrap();
    void WordWrapToLines();
    void OnDraw(Surface& surface);
    void PaintRows(Surface& surface, int firstRow, int lastRow);
    void RepaintRows(int firstRow, int lastRow);
    void RepaintAll();
    void UpdateScrollBars();
    void OnEncoding(int command);
    bool IsEncodingChecked(int command) const { return command - ID_ENCODING_KOI8 == m_codePage; }
    int ClipboardCodePage() const;

    // Mouse and scrolling.
    void HitTest(Point point);
    void OnLButtonDown(Point point, bool shift);
    void OnMouseMove(Point point);
    void OnLButtonUp();
    void OnLButtonDblClk(Point point);
    void OnRButtonDown(Point point);
    void OnTimer(int id);
    void OnMouseWheel(int delta);
    void OnHScroll(int code, int pos);
    void OnVScroll(int code, int pos);
    void OnBrowseLink();
    void WordAt(TextPos& start, TextPos& end) const;

    // Keys and characters (cp1251 codes), with the Shift and Ctrl state of
    // the moment.
    void OnKeyDown(int key, bool shift, bool ctrl);
    void OnChar(int code, bool shift, bool ctrl);

    // The view's commands: false when the id is not one of them.
    bool OnCommand(int id);
    std::optional<CommandUpdate> UpdateCommand(int id) const;

    // Editing operations the commands share.
    void DeleteSelection();
    void PasteText(const std::string& text);
    // The selection (or nothing, at the caret) replaced by `text` in the
    // view's code page, the caret behind it. With `eachStep` the replacement
    // is undone on its own and the view refreshed at once; a run of many
    // records one snapshot first and refreshes once at its end.
    void ReplaceSelection(const std::string& text, bool eachStep);
    void BeginReplaceRun();
    void EndReplaceRun();
    // False when nothing reached the clipboard.
    bool Copy();
    void Cut();
    void Paste();
    void SelectAll();
    void SelectLine();
    void Indent(bool unindent);
    void ChangeCase(int command);
    void InsertFile();
    void UndoOrRedo(bool redo);
    void DeleteLine();

    // Bookmarks, snippets, completion, remembered positions.
    void ToggleBookmark();
    void GoToBookmark(bool next);
    void InsertClip(int id);
    void StartCompletion();
    void InsertCompletion(int index);
    // Mouse buttons, the wheel and size changes close an open list.
    void CloseCompletion();
    bool CompletionOpen() const { return !m_completionTexts.empty(); }
    void ApplyRememberedPosition(const Favorite& record);

    // Find in this view: true when a match was found and selected (and for
    // an empty pattern). `SearchGaveUp` tells whether an expression ran out
    // of steps on some line of the last forward search.
    bool FindForward(const std::string& pattern, bool reveal);
    // Whether the selection is one match of `pattern`, whole.
    bool SelectionMatches(const std::string& pattern);
    bool FindBackward(const std::string& pattern);
    bool SearchGaveUp() const { return m_searchGaveUp; }
    // The text that replaces the selected match: with expressions on,
    // \0-\9 in `replacement` (the view's code page) are filled from the match
    // the last search selected; without them it is taken as written.
    std::string ReplacementForSelection(const std::string& replacement) const;

    CTextDoc& GetDocument() const { return m_doc; }
    const HighlightScheme& Scheme() const;

private:
    AppSettings& m_pSettings;
    PanelIcons m_iconDC; // the panel icons, drawn by the surface
    CTextDoc& m_doc;
    RowLayout m_rows;
    int m_visibleCols = 1;
    int m_desiredCol = -1;
    int m_hScroll = 0;
    std::uint8_t m_panelWidth = 0;
    int m_bInitialized = 0;
    int m_bHasFocus = 0;
    int m_bDragging = 0;
    int m_bScrolledWhileDragging = 0;
    Point m_dragPoint;
    TextPos m_anchor;
    TextPos m_selEnd;
    std::string m_linkUnderPointer;
    int m_prefixLength = 0;
    std::vector<std::string> m_completionTexts;
    std::vector<int> m_completionIds;
    std::uint8_t m_codePage = CP_WIN;
    TextPos m_caret;
    int m_bSelection = 0;
    int m_lineHeight = 16;
    int m_charWidth = 8;
    std::vector<HighlightScheme>& m_schemes;
    ClipLibraries& m_clips;
    ViewHost& m_host;
    bool m_searchGaveUp = false;
    // The search FindForward made ready last, kept while its pattern and
    // options stay: a run of finds (Replace All) prepares it once.
    std::optional<LineSearch> m_search;
    std::string m_searchPattern;
    int m_searchOptions = -1;
    // The last match a search selected: its line and its groups' columns.
    int m_matchLine = -1;
    std::array<LineSearch::Span, RegExp::kMaxGroups + 1> m_matchCols{};

    LineSearch& SearchFor(const std::string& pattern);
    // The groups `search` just found in `line` from column `col`.
    void RememberMatch(int line, int col, const LineSearch& search);
    int LineCount() const;
    int LineLength(int line) const;
    bool IsLastLine(int line) const;
    void DeriveVisibleCounts(bool withPartialColumn);
    void CreateSystemCaret();
    std::uint8_t PanelWidthFor(std::uint8_t infoMode) const;
    void BuildPanelIcons();
    void PaintInfoPanel(Surface& surface, int firstRow, int lastRow);
    void MarkSelection(int line, std::uint8_t* attrs, int cells) const;
    void DrawRowText(Surface& surface, const char* cells, const std::uint8_t* attrs, int y, int length,
                     bool bookmarked);
    int RowLength(int row) const;
    void ScrollToThumb(int pos);
    void ShowScrolledHit();
    std::string LinkAtCaret() const;
    void CopySelectionTo();
    void DragStep(Point point);

    // Rows of the caret's line, the caret's row within it and its index,
    // before an edit.
    struct EditRows {
        int rows = 0;
        int rowNumber = 0;
        int rowIndex = 0;
    };
    EditRows CaretEditRows() const;
    bool MoveLeft(bool ctrl);
    bool MoveRight(bool ctrl);
    bool MoveRows(int rows);
    void ClampToRow(int desired, int bound);
    bool MoveHome(bool ctrl);
    bool MoveEnd(bool ctrl);
    void MoveToEnd();
    void AfterMovementKey(TextPos old, bool moved, bool shift);
    void DeleteKey();
    void Enter();
    void RefreshAfterEdit(const EditRows& before, bool selectionDropped);
    void RefreshAfterLinesChanged(int fromLine);
    void RefreshWholeView();
    // Beeps and says so when the document takes no edits.
    bool RefusesEdit();
    int ShownLine(int row) const;
    void Relayout();
    std::string ExpandTemplate(std::string text, int& cursorMark, bool& usesSelection) const;
};
