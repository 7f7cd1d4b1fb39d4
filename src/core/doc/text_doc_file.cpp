// CTextDoc and its files: open, save with backups, reload, insert a file,
// encrypted files, title and path.
#include "core/doc/text_doc.h"

#include "core/doc/detect.h"
#include "core/doc/doc_strings.h"
#include "core/doc/line_end_scanner.h"
#include "core/doc/tab_cells.h"
#include "core/platform/file_system.h"
#include "core/platform/progress.h"
#include "core/platform/prompts.h"
#include "core/settings/app_settings.h"
#include "core/text/cp1251.h"
#include "core/text/find_byte.h"
#include "core/text/placeholder.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace {

constexpr std::size_t kBlockSize = 32768;
constexpr std::size_t kFollowingBlockSize = 131072;
constexpr std::string_view kMagic = "NVLOCK";

// The key the scheme and tool tables know an extension by: lower case and
// one blank ("txt ").
std::string KeyOfExtension(const std::string& extension)
{
    return ToLowerCp1251(extension) + " ";
}

// The extension key of a path, or nothing when its file name has no dot.
std::string ExtensionKey(const std::string& path)
{
    const std::string name = FileNameOf(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : KeyOfExtension(name.substr(dot + 1));
}

// The Unicode form a file is read in: the one asked for (its byte order
// mark, when it has one, tells UTF-8 with a mark and the UTF-16 byte
// order), none when a code page is asked for, else the detected one.
UnicodeForm UnicodeFormOf(std::string_view first, const OpenOptions& options, bool whole)
{
    if (!options.unicode)
        return options.codePage ? UnicodeForm::None : DetectUnicodeForm(first, whole);
    const UnicodeForm marked = DetectUnicodeForm(first.substr(0, 3), true);
    if (IsUtf16(*options.unicode))
        return IsUtf16(marked) ? marked : UnicodeForm::Utf16LeNoBom;
    return marked == UnicodeForm::Utf8Bom ? UnicodeForm::Utf8Bom : UnicodeForm::Utf8;
}

// "%s" the path, "%u" the character as U+XXXX, "%d" its line from 1.
std::string UnmappedMessage(const std::string& pattern, const std::string& path, const Unmapped& unmapped)
{
    char character[16];
    std::snprintf(character, sizeof character, "U+%04X", static_cast<unsigned>(unmapped.character));
    return FillPlaceholder(FillPlaceholder(FillPlaceholder(pattern, path), character, "%u"),
                           std::to_string(unmapped.line + 1), "%d");
}

// Reads the blocks that follow a first one of `got` bytes, in larger
// blocks, until a short block ends the file, handing each to `take`; false
// when a read fails.
template <class Take>
bool ReadFollowingBlocks(InputFile& in, std::vector<char>& block, std::size_t got, Take take)
{
    if (got < block.size())
        return true; // the first block was the whole file
    block.resize(kFollowingBlockSize);
    do {
        const std::optional<std::size_t> next = in.Read(block.data(), block.size());
        if (!next)
            return false;
        got = *next;
        take(block.data(), got);
    } while (got == block.size());
    return true;
}

std::string WithExtension(const std::string& name, const std::string& extension)
{
    const std::size_t dot = name.rfind('.');
    return (dot == std::string::npos ? name : name.substr(0, dot)) + extension;
}

} // namespace

std::string SuggestEncryptedName(const std::string& title)
{
    const std::size_t dot = title.rfind('.');
    const std::size_t separator = title.find_last_of("\\/");
    const bool hasExtension = dot != std::string::npos && (separator == std::string::npos || dot > separator);
    return (hasExtension ? title.substr(0, dot) : title) + ".crp";
}

std::string CTextDoc::InterfaceText(const DocString& message) const
{
    return TextOf(message, InterfaceStrings());
}

StringLookup CTextDoc::InterfaceStrings() const
{
    return [frame = m_pFrame](std::uint32_t id) { return frame ? frame->GetInterfaceString(id) : std::nullopt; };
}

void CTextDoc::Report(const DocString& message, const std::string& path)
{
    if (m_pPrompts)
        m_pPrompts->ShowMessage(FillPlaceholder(InterfaceText(message), path), MessageKind::Error);
}

void CTextDoc::MakeEmpty()
{
    DeleteContents();
    AppendLine({});
    m_lineEndType = LINE_END_CRLF;
    SetModified(false);
    if (!m_bReloading && m_pFrame)
        m_pFrame->DocumentOpened(*this);
}

bool CTextDoc::OnOpenDocument(const std::string& path, const OpenOptions& options)
{
    if (!m_pFiles)
        return false;
    OpenError error = OpenError::None;
    std::unique_ptr<InputFile> in = m_pFiles->OpenRead(path, error);
    if (!in) {
        // A missing file opens as a new one under that name, but a reload of
        // a file deleted meanwhile keeps the text it would empty.
        if (error == OpenError::Missing && !m_bReloading) {
            MakeEmpty();
            m_codePage = options.codePage.value_or(CP_WIN);
            return true;
        }
        Report(kCannotOpenFile, path);
        return false;
    }
    if (in->Size() > kLargestFile) {
        Report(kFileTooLarge, path);
        return false;
    }
    try {
        switch (LoadFile(*in, options)) {
        case LoadResult::Loaded:
            if (m_firstUnmapped && m_pPrompts)
                m_pPrompts->ShowMessage(UnmappedMessage(InterfaceText(kUnmappedCharacters), path, *m_firstUnmapped),
                                        MessageKind::Warning);
            else if (m_bSaveOnlyElsewhere && m_pPrompts)
                m_pPrompts->ShowMessage(FillPlaceholder(InterfaceText(kWrongPassword), path), MessageKind::Warning);
            return true;
        case LoadResult::Cancelled:
            return false;
        case LoadResult::Failed:
            Report(kCannotOpenFile, path);
            return false;
        }
    } catch (const std::bad_alloc&) {
        Report(kFileTooLarge, path);
    } catch (const std::length_error&) {
        Report(kFileTooLarge, path);
    }
    return false;
}

// Reads the whole file into new lines and takes them only when all went
// well, so that a failed open or reload leaves the document as it was.
CTextDoc::LoadResult CTextDoc::LoadFile(InputFile& in, const OpenOptions& options)
{
    FileText text;
    const LoadResult result = ReadFileText(in, options, text);
    if (result != LoadResult::Loaded)
        return result;
    DeleteContents();
    m_lines.Swap(text.lines);
    m_lineFlags.assign(static_cast<std::size_t>(m_lines.Count()), LINE_STATE_UNKNOWN);
    m_maxLineLength = static_cast<int>(text.longest);
    m_lineEndType = text.lineEnd;
    m_codePage = text.codePage;
    m_bEncrypted = text.encrypted;
    if (text.encrypted) {
        m_cipherKey = text.key;
        m_password = text.password;
    }
    m_unicodeForm = text.unicode;
    m_bTabsAsBytes = text.tabsAsBytes;
    m_bLooksBinary = text.looksBinary;
    m_firstUnmapped = text.firstUnmapped;
    m_unmappedCount = text.unmappedCount;
    m_bSaveOnlyElsewhere = text.wrongPassword || m_firstUnmapped;
    SetModified(false);
    if (!m_bReloading && m_pFrame)
        m_pFrame->DocumentOpened(*this);
    if (m_pFrame)
        m_pFrame->TitleChanged(*this); // read-only or not
    return LoadResult::Loaded;
}

CTextDoc::LoadResult CTextDoc::ReadFileText(InputFile& in, const OpenOptions& options, FileText& text)
{
    std::vector<char> block(kBlockSize);
    auto got = in.Read(block.data(), block.size());
    if (!got)
        return LoadResult::Failed;

    std::size_t start = 0;
    if (*got >= kMagic.size() && std::memcmp(block.data(), kMagic.data(), kMagic.size()) == 0) {
        const auto entered =
            m_pPrompts ? m_pPrompts->AskPassword(PasswordMode::Open, std::string()) : std::nullopt;
        if (!entered)
            return LoadResult::Cancelled;
        text.encrypted = true;
        text.password = KeyPartOf(*entered);
        text.key = KeyFromPassword(text.password);
        m_cipher.Reset();
        start = kMagic.size();
        m_cipher.DecipherInPlace(text.key, block.data() + start, *got - start);
    }
    const std::string_view firstBytes(block.data() + start, *got - start);
    const bool whole = *got < block.size();

    // A Unicode file is decoded block by block into cp1251 before it is
    // broken into lines; the decoded first block decides the line end.
    const UnicodeForm unicode = UnicodeFormOf(firstBytes, options, whole);
    std::optional<UnicodeDecoder> decoder;
    std::string decoded;
    std::string_view firstText = firstBytes;
    if (unicode != UnicodeForm::None) {
        decoder.emplace(unicode);
        const std::string_view mark = ByteOrderMark(unicode);
        decoder->Decode(firstBytes.substr(firstBytes.starts_with(mark) ? mark.size() : 0), decoded);
        firstText = decoded;
    }
    // Judged on the text: UTF-16 is half NUL bytes.
    text.wrongPassword = text.encrypted && LooksWronglyDeciphered(firstText);
    text.looksBinary = firstText.find('\0') != std::string_view::npos;
    // A first block of ASCII alone may begin a UTF-8 file: the rest is read
    // as it is and checked, and decoded at the end if it is UTF-8.
    std::optional<Utf8Check> utf8Check;
    if (!whole && !options.unicode && !options.codePage && unicode == UnicodeForm::None &&
        std::none_of(firstBytes.begin(), firstBytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        utf8Check.emplace();
    const char* first = firstText.data();
    const std::size_t firstSize = firstText.size();
    text.lineEnd = options.lineEnd ? *options.lineEnd : DetectLineEnd(first, firstSize);
    text.codePage = unicode != UnicodeForm::None ? CP_WIN
                    : options.codePage          ? *options.codePage
                                                : static_cast<CodePage>(DetectCodePage(first, firstSize));

    SteppedProgress progress(m_pFrame ? m_pFrame->ShowProgress("Opening:") : nullptr, 100, in.Size());
    std::uint64_t bytesRead = *got;
    progress.Done(bytesRead);

    const int tabSize = TabSize();
    LineStore& lines = text.lines;
    // As many entries as the first block promises, so that a big file does
    // not copy its line table again and again while it grows. Only a guess:
    // when it cannot be had, the table grows as it goes.
    // (The file's own bytes measure the block: decoded text is shorter.)
    if (firstSize > 0 && in.Size() > firstBytes.size()) {
        const auto breaks = static_cast<std::uint64_t>(std::count(first, first + firstSize, '\n'));
        try {
            lines.Reserve(static_cast<std::size_t>((breaks + 1) * in.Size() / firstBytes.size() * 11 / 10));
        } catch (const std::exception&) {
        }
    }
    // Lines are read straight into the store: a line's first piece of the
    // file makes it, the pieces after that (past a tab or a block's end)
    // add to it.
    std::size_t longest = 0;
    std::size_t column = 0; // the length of the line being read
    bool lineOpen = false;
    auto cells = [&](std::string_view run) {
        if (lineOpen) {
            lines.AppendToLast(run);
        } else {
            lines.Append(run);
            lineOpen = true;
        }
    };
    LineEndScanner scanner(LineEndBytes(text.lineEnd));
    // Most blocks hold no tab: one look at the whole block spares a look
    // at every line.
    bool blockHasTabs = true;
    auto content = [&](const char* bytes, std::size_t size) {
        if (blockHasTabs && !text.tabsAsBytes) {
            column = EmitTextAsCells(std::string_view(bytes, size), column, tabSize, cells);
        } else {
            cells(std::string_view(bytes, size));
            column += size;
        }
    };
    auto lineBreak = [&] {
        if (!lineOpen)
            lines.Append({});
        longest = std::max(longest, column);
        column = 0;
        lineOpen = false;
    };
    auto scan = [&](const char* bytes, std::size_t size) {
        blockHasTabs = FindByte(bytes, bytes + size, '\t') != nullptr;
        // Bytes 6 and 7 of the file's own: the lines read so far give up
        // their tab cells, and the rest is read as it is.
        if (!text.tabsAsBytes && FindFirstTabByte(std::string_view(bytes, size)) != size) {
            text.tabsAsBytes = true;
            TabCellsToBytes(lines);
            column = lineOpen ? lines.Line(lines.Count() - 1).size() : 0;
        }
        scanner.Scan(bytes, size, content, lineBreak);
    };
    scan(first, firstSize);
    const bool read = ReadFollowingBlocks(in, block, *got, [&](char* bytes, std::size_t size) {
        if (text.encrypted)
            m_cipher.DecipherInPlace(text.key, bytes, size);
        if (decoder) {
            decoded.clear();
            decoder->Decode(std::string_view(bytes, size), decoded);
            scan(decoded.data(), decoded.size());
        } else {
            if (utf8Check)
                utf8Check->Take(std::string_view(bytes, size));
            scan(bytes, size);
        }
        progress.Done(bytesRead += size);
    });
    if (!read)
        return LoadResult::Failed;
    if (decoder) {
        decoded.clear();
        decoder->Finish(decoded);
        scan(decoded.data(), decoded.size());
    }
    scanner.Finish(content);
    lineBreak(); // the rest, even if empty, is the last line

    text.longest = longest;
    text.unicode = unicode;
    text.firstUnmapped = decoder ? decoder->FirstUnmapped() : std::nullopt;
    text.unmappedCount = decoder ? decoder->UnmappedCount() : 0;
    if (utf8Check && utf8Check->IsUtf8())
        DecodeUtf8Lines(text);
    return LoadResult::Loaded;
}

// The lines of a file that turned out to be UTF-8 after a first block of
// ASCII, read as they are, decoded one by one (no UTF-8 sequence holds a
// line end or a tab) with their tab cells laid anew.
void CTextDoc::DecodeUtf8Lines(FileText& text) const
{
    text.unicode = UnicodeForm::Utf8;
    text.codePage = CP_WIN;
    std::string plain;
    std::string decoded;
    std::string cells;
    for (int i = 0; i < text.lines.Count(); ++i) {
        const std::string_view line = text.lines.Line(i);
        if (std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            continue;
        plain.clear();
        if (text.tabsAsBytes)
            plain.assign(line);
        else
            AppendCellsAsText(plain, line);
        decoded.clear();
        UnicodeDecoder decoder(UnicodeForm::Utf8);
        decoder.Decode(plain, decoded);
        if (!text.firstUnmapped && decoder.FirstUnmapped())
            text.firstUnmapped = Unmapped{decoder.FirstUnmapped()->character, static_cast<std::size_t>(i)};
        text.unmappedCount += decoder.UnmappedCount();
        cells.clear();
        if (text.tabsAsBytes)
            cells.assign(decoded);
        else
            AppendTextAsCells(cells, decoded, TabSize());
        text.lines.Assign(i, cells);
    }
}

bool CTextDoc::WriteFile(OutputFile& out, std::uint8_t lineEndType)
{
    if (m_bEncrypted && !out.Write(kMagic.data(), kMagic.size()))
        return false;
    const bool unicode = m_unicodeForm != UnicodeForm::None;
    std::string encoded;
    // Bytes as the file stores them: encoded, then enciphered.
    auto stored = [&](std::string_view bytes, bool text) -> std::string_view {
        if (!unicode && !m_bEncrypted)
            return bytes;
        encoded.clear(); // keeps its room from line to line
        if (unicode && text)
            AppendUnicode(bytes, m_unicodeForm, encoded);
        else
            encoded.assign(bytes);
        if (m_bEncrypted)
            m_cipher.EncipherInPlace(m_cipherKey, encoded.data(), encoded.size());
        return encoded;
    };
    if (const std::string_view mark = stored(ByteOrderMark(m_unicodeForm), false);
        !mark.empty() && !out.Write(mark.data(), mark.size()))
        return false;
    const int count = GetLineCount();
    SteppedProgress progress(m_pFrame ? m_pFrame->ShowProgress("Saving:") : nullptr, 10,
                             static_cast<std::uint64_t>(count));
    const std::string_view lineEnd = LineEndBytes(lineEndType);
    std::string text;
    for (int i = 0; i < count; ++i) {
        progress.Done(static_cast<std::uint64_t>(i) + 1);
        std::string_view bytes = GetLine(i);
        if (!m_bTabsAsBytes && FindFirstTabByte(bytes) != bytes.size()) {
            text.clear();
            AppendCellsAsText(text, bytes);
            bytes = text;
        }
        bytes = stored(bytes, true);
        if (!bytes.empty() && !out.Write(bytes.data(), bytes.size()))
            return false;
        if (i + 1 < count) {
            const std::string_view end = stored(lineEnd, true);
            if (!out.Write(end.data(), end.size()))
                return false;
        }
    }
    return true;
}

std::optional<std::string> CTextDoc::BackupPathOf(const std::string& target) const
{
    if (m_pSettings->CreateBak == BACKUP_NONE || !m_pFiles->Exists(target))
        return std::nullopt;
    const std::string name = WithExtension(FileNameOf(target), ".bak");
    const std::string directory =
        m_pSettings->CreateBak == BACKUP_IN_FOLDER ? m_pSettings->CreatePath : DirectoryOf(target);
    std::string backup = JoinPath(directory, name, target);
    // A .bak file is its own backup name when the backup folder is its own
    // folder, however either is spelled: it is not moved onto itself.
    if (m_pFiles->IsSameFile(backup, target))
        return std::nullopt;
    return backup;
}

bool CTextDoc::OnSaveDocument(const std::string& path, std::optional<std::uint8_t> lineEnd)
{
    if (!m_pFiles)
        return false;
    if (m_bEncrypted) {
        const auto entered = m_pPrompts ? m_pPrompts->AskPassword(PasswordMode::Save, m_password) : std::nullopt;
        if (!entered)
            return false;
        m_password = KeyPartOf(*entered);
        m_cipherKey = KeyFromPassword(m_password);
        m_cipher.Reset();
    }
    const std::uint8_t lineEndType = lineEnd.value_or(m_lineEndType);
    if (!WriteInPlaceOf(path, lineEndType)) {
        Report(kCannotSaveFile, path);
        return false;
    }
    m_lineEndType = lineEndType;
    SetModified(false);
    if (m_pFrame)
        m_pFrame->DocumentSaved(*this);
    m_bUndoTruncated = 1;
    return true;
}

// Writes a temporary file beside the target, moves the old file aside, puts
// the new file in place, and only then makes the old one the backup: at every
// moment the old file, its older backup or the new file exists, and nothing
// is deleted before the new file is in place. A failure leaves no temporary
// file behind.
bool CTextDoc::WriteInPlaceOf(const std::string& path, std::uint8_t lineEndType)
{
    const auto temp = m_pFiles->MakeTempFile(DirectoryOf(path), "CRE");
    if (!temp)
        return false;
    std::unique_ptr<OutputFile> out = m_pFiles->CreateWrite(*temp);
    const bool written = out && WriteFile(*out, lineEndType);
    if (!out || !out->Close() || !written) {
        m_pFiles->Delete(*temp);
        return false;
    }
    const std::optional<std::string> backup = BackupPathOf(path);
    std::optional<std::string> aside;
    if (backup) {
        aside = m_pFiles->MakeTempFile(DirectoryOf(*backup), "BAK");
        if (!aside || !m_pFiles->Replace(path, *aside)) {
            if (aside)
                m_pFiles->Delete(*aside);
            m_pFiles->Delete(*temp);
            return false;
        }
    }
    if (!m_pFiles->Replace(*temp, path)) {
        if (aside)
            m_pFiles->Replace(*aside, path);
        m_pFiles->Delete(*temp); // the document still holds the text
        return false;
    }
    if (aside) {
        if (!m_pFiles->Replace(*aside, *backup))
            m_pFiles->Delete(*aside); // saved; the older backup stays
        else if (m_pSettings->CreateBak == BACKUP_TO_RECYCLE_BIN)
            m_pFiles->DeleteToRecycleBin(*backup);
    }
    return true;
}

bool CTextDoc::DoFileSave()
{
    const std::string path = GetPathName();
    if (path.empty() || !m_pFiles || m_bSaveOnlyElsewhere || (m_pFiles->Exists(path) && m_pFiles->IsReadOnly(path)))
        return DoSaveAs();
    return OnSaveDocument(path);
}

bool CTextDoc::DoSaveAs()
{
    if (!m_pPrompts)
        return false;
    const auto choice = m_pPrompts->AskSavePath(GetPathName().empty() ? GetTitle() : GetPathName());
    if (!choice)
        return false;
    // Characters the text could not hold are '?' in it: asked, No by default.
    if (m_unmappedCount > 0 &&
        !m_pPrompts->AskYesNo(FillPlaceholder(InterfaceText(kLosingCharacters), std::to_string(m_unmappedCount), "%d"),
                              MessageKind::Warning))
        return false;
    if (!SaveInEncoding(choice->path, choice->lineEnd, choice->encoding))
        return false;
    m_bSaveOnlyElsewhere = false; // written where the user chose, on purpose
    m_unmappedCount = 0;
    SetPathName(choice->path);
    if (m_pFrame)
        m_pFrame->DocumentSavedAs(*this);
    return true;
}

bool CTextDoc::SaveInEncoding(const std::string& path, std::optional<std::uint8_t> lineEnd,
                              std::optional<std::uint8_t> encoding)
{
    const UnicodeForm form = m_unicodeForm;
    const CodePage codePage = m_codePage;
    const std::optional<int> convertedFrom = encoding ? TakeEncoding(*encoding) : std::nullopt;
    if (OnSaveDocument(path, lineEnd))
        return true;
    // The file keeps its form, and the text its code page.
    m_unicodeForm = form;
    m_codePage = codePage;
    if (convertedFrom) {
        TextPos caret;
        Undo(caret);
        for (DocumentView* view : GetViews())
            view->ShowInCodePage(*convertedFrom);
    }
    return false;
}

// Makes the document stored as the Save As dialog's Encoding box chose: a
// code page, or UTF-8 / UTF-16, whose text is held in WIN. Text read in
// another code page (the first view's) is converted as one undo step, and
// the views follow it. Gives the code page the text was converted from.
std::optional<int> CTextDoc::TakeEncoding(std::uint8_t encoding)
{
    const bool utf8 = encoding == kEncodingUtf8;
    const bool utf16 = encoding == kEncodingUtf16;
    if (!utf8 && !utf16 && encoding >= kCodePageCount)
        return std::nullopt;
    if (utf8)
        m_unicodeForm = m_unicodeForm == UnicodeForm::Utf8Bom ? UnicodeForm::Utf8Bom : UnicodeForm::Utf8;
    else if (utf16)
        m_unicodeForm = IsUtf16(m_unicodeForm) ? m_unicodeForm : UnicodeForm::Utf16Le;
    else
        m_unicodeForm = UnicodeForm::None;
    const int shown = GetViews().empty() ? m_codePage : GetViews().front()->CodePage();
    const CodePage held = utf8 || utf16 ? CP_WIN : static_cast<CodePage>(encoding);
    m_codePage = held;
    if (held == shown)
        return std::nullopt;
    Convert(std::nullopt, shown, held, false);
    for (DocumentView* view : GetViews())
        view->ShowInCodePage(held);
    return shown;
}

bool CTextDoc::SaveModified()
{
    if (!IsModified())
        return true;
    if (!m_pPrompts)
        return false;
    switch (m_pPrompts->AskSaveChanges(GetTitle())) {
    case SaveChoice::Yes:
        return DoFileSave();
    case SaveChoice::No:
        return true;
    case SaveChoice::SaveAll:
        return m_pFrame ? m_pFrame->SaveAllDocuments() : DoFileSave();
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

void CTextDoc::OnCloseDocument()
{
    if (m_pFrame)
        m_pFrame->DocumentClosing(*this);
}

std::string CTextDoc::Caption() const
{
    return m_bSaveOnlyElsewhere ? GetTitle() + " " + InterfaceText(kReadOnlyMark) : GetTitle();
}

std::string CTextDoc::StatusNote() const
{
    if (m_bSaveOnlyElsewhere)
        return InterfaceText(kReadOnlyNote);
    return m_bLooksBinary ? InterfaceText(kLooksBinary) : std::string();
}

void CTextDoc::SetTitle(const std::string& title)
{
    if (!GetPathName().empty()) {
        DocumentBase::SetTitle(GetPathName());
    } else {
        std::string key = ExtensionKey(title);
        if (!key.empty()) {
            DocumentBase::SetTitle(title);
        } else {
            key = KeyOfExtension(m_pSettings->DefaultExt);
            DocumentBase::SetTitle(title + "." + m_pSettings->DefaultExt);
        }
        if (m_pFrame) {
            ChooseScheme(m_pFrame->SchemeForExtension(key));
            m_bCanExecute = m_pFrame->HasTool(key);
        }
    }
    if (m_pFrame)
        m_pFrame->TitleChanged(*this);
}

void CTextDoc::SetPathName(const std::string& path)
{
    const std::string previousKey = ExtensionKey(GetPathName());
    if (!path.empty())
        DocumentBase::SetPathName(path);
    const std::string key = ExtensionKey(path);
    if (key.empty()) {
        m_bCanExecute = 0;
        if (!previousKey.empty())
            ChooseScheme(static_cast<std::uint8_t>(m_pSettings->DefaultScheme));
    } else if (m_pFrame) {
        m_bCanExecute = m_pFrame->HasTool(key);
        if (key != previousKey) {
            m_bSchemeChosen = false; // another type of file
            ChooseScheme(m_pFrame->SchemeForExtension(key));
        }
    }
    SetTitle(path);
    UpdateAllViews();
}

void CTextDoc::ChooseFileTypeAgain(bool schemeToo)
{
    if (!m_pFrame)
        return;
    const std::string key = ExtensionKey(GetPathName().empty() ? GetTitle() : GetPathName());
    m_bCanExecute = !key.empty() && m_pFrame->HasTool(key);
    if (!schemeToo || m_bSchemeChosen)
        return;
    m_schemeIndex = static_cast<std::uint8_t>(key.empty() ? m_pSettings->DefaultScheme
                                                          : m_pFrame->SchemeForExtension(key));
    InvalidateStatesFrom(0); // the index may name another scheme now
    UpdateAllViews();
}

bool CTextDoc::Reload()
{
    const std::string path = GetPathName();
    if (path.empty())
        return false;
    if (IsModified() && !(m_pPrompts && m_pPrompts->AskYesNo(InterfaceText(kReloadQuestion), MessageKind::Warning)))
        return false;
    OpenOptions same{.codePage = m_codePage};
    if (m_unicodeForm != UnicodeForm::None)
        same.unicode = m_unicodeForm;
    m_bReloading = 1;
    const bool loaded = OnOpenDocument(path, same);
    m_bReloading = 0;
    if (!loaded)
        return false;
    for (DocumentView* view : GetViews())
        view->ResetToTop();
    if (m_pFrame)
        m_pFrame->StateChanged(*this);
    return true;
}

bool CTextDoc::InsertFile(const std::string& path, TextPos& pos)
{
    if (!m_pFiles)
        return false;
    OpenError error = OpenError::None;
    std::unique_ptr<InputFile> in = m_pFiles->OpenRead(path, error);
    if (!in) {
        Report(kCannotOpenFile, path);
        return false;
    }
    if (in->Size() > kLargestFile) {
        Report(kFileTooLarge, path);
        return false;
    }
    // Read as Open reads it, without choosing its code page: a code-page
    // file comes in byte for byte, a Unicode one in the document's code page.
    std::string exact;
    try {
        FileText text;
        switch (ReadFileText(*in, {}, text)) {
        case LoadResult::Loaded: break;
        case LoadResult::Cancelled: return false;
        case LoadResult::Failed: Report(kCannotOpenFile, path); return false;
        }
        for (int i = 0; i < text.lines.Count(); ++i) {
            if (i > 0)
                exact += "\r\n";
            AppendExactCells(exact, text.lines.Line(i), text.tabsAsBytes);
        }
        if (text.unicode != UnicodeForm::None)
            ConvertString(exact, CP_WIN, m_codePage);
        if (text.firstUnmapped && m_pPrompts)
            m_pPrompts->ShowMessage(UnmappedMessage(InterfaceText(kUnmappedCharacters), path, *text.firstUnmapped),
                                    MessageKind::Warning);
    } catch (const std::bad_alloc&) {
        Report(kFileTooLarge, path);
        return false;
    }
    InsertExactText(pos, exact, true);
    return true;
}

bool CTextDoc::SaveEncryptedAs(const std::string& path, std::optional<std::uint8_t> lineEnd,
                               std::optional<std::uint8_t> encoding)
{
    const int wasEncrypted = m_bEncrypted;
    m_bEncrypted = 1;
    m_cipher.Reset();
    if (!SaveInEncoding(path, lineEnd, encoding)) {
        m_bEncrypted = wasEncrypted;
        return false;
    }
    m_bSaveOnlyElsewhere = false;
    SetPathName(path);
    return true;
}
