#pragma once

#include "core/doc/align.h"
#include "core/doc/doc_strings.h"
#include "core/doc/document_base.h"
#include "core/doc/document_host.h"
#include "core/doc/line_end.h"
#include "core/doc/line_flags.h"
#include "core/doc/line_store.h"
#include "core/doc/open_options.h"
#include "core/doc/pc1_cipher.h"
#include "core/doc/tab_cells.h"
#include "core/doc/text_pos.h"
#include "core/doc/undo_record.h"

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct AppSettings;
class CTextDoc;
class FileSystem;
class InputFile;
class OutputFile;
class Prompts;

// The name Save encrypted suggests: the extension replaced by ".crp".
std::string SuggestEncryptedName(const std::string& title);

// The text of one open file: its lines as the file's own bytes (tabs as tab
// cells), one flag byte per line, and the undo history. Every change to the
// text goes through the editing operations here.
class CTextDoc : public DocumentBase {
public:
    static constexpr int kMaxUndoRecords = 200;
    static constexpr int kUndoEviction = 20;

    explicit CTextDoc(AppSettings& settings, DocumentHost* frame = nullptr, FileSystem* files = nullptr,
                      Prompts* prompts = nullptr);
    ~CTextDoc() override;
    CTextDoc(const CTextDoc&) = delete;
    CTextDoc& operator=(const CTextDoc&) = delete;

    // Reading. Line indexes are not checked: callers pass 0 .. count - 1.
    std::string_view GetLine(int i) const { return m_lines.Line(i); }
    int GetLineCount() const { return m_lines.Count(); }
    // Lines from StatesStaleFrom() on have no known state, whatever their
    // flags hold: an edit forgets the states after it in one step.
    std::uint8_t GetLineState(int i) const
    {
        return i >= m_statesStaleFrom ? LINE_STATE_UNKNOWN : m_lineFlags[static_cast<std::size_t>(i)] & LINE_STATE_MASK;
    }
    int StatesStaleFrom() const { return m_statesStaleFrom; }
    void SetLineState(int i, std::uint8_t state);
    void InvalidateStatesFrom(int i);
    bool IsBookmarked(int i) const;
    void ToggleBookmark(int i);
    int GetBookmarkCount() const { return m_bookmarkCount; }
    int GetMaxLineLength() const { return m_maxLineLength; }
    std::uint8_t GetSchemeIndex() const { return m_schemeIndex; }
    // Shows the text through another highlight scheme (loaded by the caller).
    void ViewSourceAs(std::uint8_t index);
    std::uint8_t GetLineEndType() const { return m_lineEndType; }
    // The code page the file was opened in, given or detected (for a new
    // document the Encoding setting's): a new view shows the text through it.
    CodePage GetCodePage() const { return m_codePage; }
    bool IsEncrypted() const { return m_bEncrypted != 0; }
    // Opened with what looks like a wrong password, or a Unicode file with
    // characters the document cannot hold: Save goes through Save As, so the
    // file is not overwritten with what was lost.
    // Such a document takes no edits either: it is read-only.
    bool SavesOnlyElsewhere() const { return m_bSaveOnlyElsewhere; }
    // The title, marked when the document is read-only.
    std::string Caption() const;
    // What the status bar says of the document: why it takes no edits, or
    // that it looks binary; empty for most.
    std::string StatusNote() const;
    // How the file stores the text: in the document's code page (None), or
    // as UTF-8 or UTF-16, which a save writes again.
    UnicodeForm GetUnicodeForm() const { return m_unicodeForm; }
    bool CanExecute() const { return m_bCanExecute != 0; }
    // An untitled document nobody has typed into: a file opened next takes
    // its window.
    bool GivesWayToAnOpenedFile() const { return !IsModified() && GetPathName().empty(); }
    // The range as plain text: TABs for tab cells, CR LF between lines.
    std::string GetText(TextPos start, TextPos end) const;
    // The range for a copy inside the program: as GetText, but a line's own
    // CR bytes come as "\r\0", so that InsertExactText keeps them in their
    // lines instead of breaking the lines there.
    std::string GetExactText(TextPos start, TextPos end) const;

    // The line with its tab cells laid for the current TabSize.
    std::string RelayTabs(std::string_view line) const;

    // A file that holds bytes 6 or 7 of its own (the bytes tab cells are made
    // of) keeps them as they are, and its TABs as single TAB bytes instead of
    // tab cells: a TAB then takes one column, and byte index == display
    // column still holds. Text with such bytes inserted into another
    // document turns it so too, and its undo history starts anew.
    bool KeepsTabsAsBytes() const { return m_bTabsAsBytes; }
    // Whether a stored byte is the fill of a tab cell, which the caret skips.
    bool IsTabFill(char byte) const { return !m_bTabsAsBytes && byte == TAB_FILL; }
    // Whether a stored byte stands for a TAB.
    bool IsTab(char byte) const { return byte == (m_bTabsAsBytes ? '\t' : TAB_CELL); }
    // Whether a stored byte is a cell of a TAB: shown as a blank.
    bool IsTabPart(char byte) const { return IsTab(byte) || IsTabFill(byte); }
    // A file whose first block holds NUL bytes looks binary: the status bar
    // says so.
    bool LooksBinary() const { return m_bLooksBinary; }

    // Editing. Positions are clamped into the text.
    void DeleteText(TextPos start, TextPos end, bool recordUndo);
    // `pos` ends up just behind the inserted text.
    void InsertText(TextPos& pos, std::string_view text, bool recordUndo);
    void InsertExactText(TextPos& pos, std::string_view text, bool recordUndo);
    // Puts text in the form GetExactText gives in place of start..end, as
    // one undo step. Gives the end of the new text.
    TextPos ReplaceExactText(TextPos start, TextPos end, std::string_view exactText);
    void InsertChar(TextPos pos, char ch);
    void OverwriteChar(TextPos pos, char ch);
    // Returns true when the line was joined with the next one.
    bool DeleteChar(TextPos pos);
    // `pos` ends up at the start of the new line.
    void SplitLine(TextPos& pos);
    void IndentLines(int first, int last, TextPos caret, bool recordUndo);
    void UnindentLines(int first, int last, TextPos caret, bool recordUndo);
    // Replaces the whole text, with one undo step; `pos` becomes (0, 0).
    void ReplaceAllLines(LineStore newLines, TextPos& pos);
    // Converts the text between code pages (0..4) or to and from the Latin
    // transliteration (5). With a range, whole lines from start's column on;
    // without one, the whole text. One undo step either way.
    void Convert(const std::optional<std::pair<TextPos, TextPos>>& range, int from, int to, bool skipTags,
                 TextPos caret = {});
    // Whole-text transformations, each undoable.
    void TabsToSpaces(TextPos caret = {});
    void TrimTrailingBlanks(TextPos caret = {});
    // Deletes every outermost TagChars pair with what it encloses.
    void RemoveTags(const std::optional<std::pair<TextPos, TextPos>>& range, TextPos caret = {});
    void AlignText(const std::optional<std::pair<TextPos, TextPos>>& range, const AlignOptions& options);
    // Appends a stored line while a file is read in.
    void AppendLine(std::string_view cells);

    // Undo history.
    // Records that start..oldEnd, which held `before` (exact form, see
    // GetExactText), now holds start..newEnd: one step for Undo and Redo.
    void RecordReplacement(TextPos start, std::string before, TextPos oldEnd, TextPos newEnd);
    void RecordUndo(std::uint8_t type, TextPos start, TextPos end, std::string_view text = {});
    void PushUndoRecord(std::unique_ptr<UndoRecord> record);
    bool Undo(TextPos& caret);
    bool Redo(TextPos& caret);
    bool CanUndo() const { return m_undoPos > 0; }
    bool CanRedo() const { return m_undoPos < static_cast<int>(m_undoRecords.size()); }
    int GetUndoPos() const { return m_undoPos; }
    int GetUndoCount() const { return static_cast<int>(m_undoRecords.size()); }
    bool IsUndoTruncated() const { return m_bUndoTruncated; }

    // An interface string: the language file's text, else the English one.
    std::string InterfaceText(const DocString& message) const;
    // The interface language's strings, as the frame gives them.
    StringLookup InterfaceStrings() const;

    // Sets the modified flag, repainting the file tabs first when it changes.
    void SetModified(bool modified);

    void DeleteContents() override;
    bool OnNewDocument() override;

    // Files. A file that does not exist opens as an empty document under its
    // name; one that exists but cannot be read fails the open with a message
    // and leaves the document as it was.
    bool OnOpenDocument(const std::string& path, const OpenOptions& options = {});
    // Saves under `path` with the line end given (else the document's own),
    // which the document keeps once the save succeeds. A failure is reported,
    // except a cancelled password.
    bool OnSaveDocument(const std::string& path, std::optional<std::uint8_t> lineEnd = std::nullopt);
    bool DoFileSave();
    bool DoSaveAs();
    // Asked before the document closes; false keeps it open.
    bool SaveModified();
    void OnCloseDocument();
    void SetTitle(const std::string& title) override;
    void SetPathName(const std::string& path) override;
    bool Reload();
    // Inserts a file's text at `pos` with one undo step; `pos` moves behind it.
    bool InsertFile(const std::string& path, TextPos& pos);
    // Saves a copy under `path` (with `lineEnd`, else its own; stored as
    // `encoding` names, else as it is), encrypted from then on; the document
    // takes that path. On failure it keeps its path and its encryption mark.
    bool SaveEncryptedAs(const std::string& path, std::optional<std::uint8_t> lineEnd = std::nullopt,
                         std::optional<std::uint8_t> encoding = std::nullopt);

    // Files larger than this are not opened.
    static constexpr std::uint64_t kLargestFile = std::uint64_t(1) << 30;

    // The tool of the document's extension, chosen again after the tool
    // table changed, and with `schemeToo` its scheme, unless the user chose
    // one with ViewSourceAs.
    void ChooseFileTypeAgain(bool schemeToo);

private:
    enum class LoadResult { Loaded, Cancelled, Failed };
    // A file as read, before a document takes it.
    struct FileText {
        LineStore lines;
        std::size_t longest = 0;
        std::uint8_t lineEnd = LINE_END_CRLF;
        CodePage codePage = CP_WIN;
        UnicodeForm unicode = UnicodeForm::None;
        std::optional<Unmapped> firstUnmapped;
        std::size_t unmappedCount = 0;
        bool encrypted = false;
        bool wrongPassword = false;
        CipherKey key{};
        std::string password;
        bool tabsAsBytes = false;
        bool looksBinary = false;
    };
    LoadResult LoadFile(InputFile& in, const OpenOptions& options);
    LoadResult ReadFileText(InputFile& in, const OpenOptions& options, FileText& text);
    void DecodeUtf8Lines(FileText& text) const;
    std::optional<int> TakeEncoding(std::uint8_t encoding);
    // OnSaveDocument stored as `encoding` names; a failed save leaves the
    // form, the code page and the text as they were.
    bool SaveInEncoding(const std::string& path, std::optional<std::uint8_t> lineEnd,
                        std::optional<std::uint8_t> encoding);
    void MakeEmpty();
    // A new scheme makes every stored line state stale.
    void ChooseScheme(std::uint8_t index);
    bool WriteFile(OutputFile& out, std::uint8_t lineEndType);
    bool WriteInPlaceOf(const std::string& path, std::uint8_t lineEndType);
    // Where the file at `target` goes aside before a save, if anywhere.
    std::optional<std::string> BackupPathOf(const std::string& target) const;
    void Report(const DocString& message, const std::string& path);

    // Text as GetText gives it is ambiguous where a line holds CR bytes of its
    // own: inserted again, each would break the line. The undo history keeps
    // such a CR as "\r\0" (Exact), so that undoing a deletion restores the
    // lines as they were.
    enum class TextForm { Plain, Exact };
    std::string GetTextIn(TextForm form, TextPos start, TextPos end) const;
    void InsertTextIn(TextForm form, TextPos& pos, std::string_view text, bool recordUndo);
    static std::string ExactByte(char byte, bool tabsAsBytes);
    static void AppendExactCells(std::string& out, std::string_view cells, bool tabsAsBytes);
    // Stored cells as plain text (TABs for tab cells), and its length.
    void AppendPlainText(std::string& out, std::string_view cells) const;
    std::size_t PlainLengthOf(std::string_view cells) const;
    // Text as stored cells, appended to a line of `out.size()` columns.
    void AppendAsCells(std::string& out, std::string_view text) const;
    // From tab cells to TAB bytes; the undo history goes.
    void KeepTabsAsBytes();
    static void TabCellsToBytes(LineStore& lines);

    TextPos Clamp(TextPos pos) const;
    int TabSize() const;
    void RaiseMaxLineLength(std::size_t length);
    // Replaces `count` bytes at `col` of line `line` by `bytes` and re-lays the
    // line's tab cells from the first place the change can move them.
    void SpliceLine(int line, int col, int count, std::string_view bytes);
    void SetLineRelaid(int line, std::string_view bytes);
    void InsertLineEntries(int index, const std::vector<LineStore::Entry>& entries);
    void EraseLines(int first, int count);
    void DropUndoTailAndOldest();
    std::unique_ptr<UndoRecord> BlockRecord(std::uint8_t type, int first, int last, TextPos caret) const;
    std::vector<bool> Bookmarks() const;
    void ExchangeLines(LineStore& lines, std::vector<bool>& bookmarks);
    // Puts `lines` in place of the whole text, which becomes an undo snapshot
    // as it is, without a copy.
    void ExchangeLinesKeepingUndo(LineStore lines, TextPos caret);
    void RestoreBlock(const UndoRecord& record);
    TextPos SwapTypedRange(UndoRecord& record);
    // Each gives the record's effect on the text and the caret; UndoOne says
    // whether the record joins the one before it.
    bool UndoOne(UndoRecord& record, TextPos& caret);
    void RedoOne(UndoRecord& record, TextPos& caret);

    AppSettings* m_pSettings;
    DocumentHost* m_pFrame;
    FileSystem* m_pFiles;
    Prompts* m_pPrompts;
    Pc1Cipher m_cipher;
    LineStore m_lines;
    std::vector<std::uint8_t> m_lineFlags;
    int m_statesStaleFrom = std::numeric_limits<int>::max();
    int m_bReloading = 0;
    int m_maxLineLength = 0;
    std::uint8_t m_schemeIndex = 0;
    bool m_bSchemeChosen = false; // by the user, for this document
    std::uint8_t m_lineEndType = LINE_END_CRLF;
    CodePage m_codePage = CP_WIN;
    int m_bookmarkCount = 0;
    int m_bCanExecute = 0;
    int m_bEncrypted = 0;
    bool m_bSaveOnlyElsewhere = false;
    bool m_bTabsAsBytes = false;
    bool m_bLooksBinary = false;
    UnicodeForm m_unicodeForm = UnicodeForm::None;
    std::optional<Unmapped> m_firstUnmapped; // of the last load
    std::size_t m_unmappedCount = 0;         // characters of the file shown as '?'
    CipherKey m_cipherKey{};
    std::string m_password;
    std::vector<std::unique_ptr<UndoRecord>> m_undoRecords;
    int m_undoPos = 0;
    int m_bUndoTruncated = 0;
};
