#include "core/doc/text_doc.h"

#include "core/doc/tab_cells.h"
#include "core/settings/app_settings.h"

#include <algorithm>

CTextDoc::CTextDoc(AppSettings& settings, DocumentHost* frame, FileSystem* files, Prompts* prompts)
    : m_pSettings(&settings)
    , m_pFrame(frame)
    , m_pFiles(files)
    , m_pPrompts(prompts)
    , m_schemeIndex(static_cast<std::uint8_t>(settings.DefaultScheme))
{
}

CTextDoc::~CTextDoc()
{
    std::fill(m_password.begin(), m_password.end(), '\0');
    m_cipherKey.fill(0);
}

int CTextDoc::TabSize() const
{
    return std::max<int>(1, m_pSettings->TabSize);
}

std::string CTextDoc::RelayTabs(std::string_view line) const
{
    return m_bTabsAsBytes ? std::string(line) : ::RelayTabs(line, TabSize());
}

void CTextDoc::AppendPlainText(std::string& out, std::string_view cells) const
{
    if (m_bTabsAsBytes)
        out.append(cells);
    else
        AppendCellsAsText(out, cells);
}

std::size_t CTextDoc::PlainLengthOf(std::string_view cells) const
{
    return m_bTabsAsBytes ? cells.size() : TextLengthOfCells(cells);
}

void CTextDoc::AppendAsCells(std::string& out, std::string_view text) const
{
    if (m_bTabsAsBytes)
        out.append(text);
    else
        AppendTextAsCells(out, text, TabSize());
}

void CTextDoc::TabCellsToBytes(LineStore& lines)
{
    std::string text;
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string_view line = lines.Line(i);
        if (FindFirstTabByte(line) == line.size())
            continue;
        text.clear();
        AppendCellsAsText(text, line);
        lines.Assign(i, text);
    }
}

// The places the undo history holds are columns of tab cells, which mean
// other bytes now: the history starts anew (a rare step, for text with
// bytes 6 or 7 put into a document that had none).
void CTextDoc::KeepTabsAsBytes()
{
    if (m_bTabsAsBytes)
        return;
    m_bTabsAsBytes = true;
    TabCellsToBytes(m_lines);
    if (!m_undoRecords.empty()) {
        m_undoRecords.clear();
        m_undoPos = 0;
        m_bUndoTruncated = 1;
    }
}

void CTextDoc::SetLineState(int i, std::uint8_t state)
{
    std::uint8_t& flag = m_lineFlags[static_cast<std::size_t>(i)];
    flag = static_cast<std::uint8_t>((flag & LINE_BOOKMARK) | (state & LINE_STATE_MASK));
    // States are worked out line after line: the first stale one known
    // moves the stale part on by one.
    if (i == m_statesStaleFrom && state != LINE_STATE_UNKNOWN)
        ++m_statesStaleFrom;
}

void CTextDoc::InvalidateStatesFrom(int i)
{
    m_statesStaleFrom = std::min(m_statesStaleFrom, std::max(i, 0));
}

void CTextDoc::ChooseScheme(std::uint8_t index)
{
    if (index == m_schemeIndex)
        return;
    m_schemeIndex = index;
    InvalidateStatesFrom(0); // comments and strings open and close by other rules now
}

void CTextDoc::ViewSourceAs(std::uint8_t index)
{
    m_bSchemeChosen = true;
    ChooseScheme(index);
    UpdateAllViews();
}

bool CTextDoc::IsBookmarked(int i) const
{
    return (m_lineFlags[static_cast<std::size_t>(i)] & LINE_BOOKMARK) != 0;
}

void CTextDoc::ToggleBookmark(int i)
{
    if (i < 0 || i >= GetLineCount())
        return;
    std::uint8_t& flag = m_lineFlags[static_cast<std::size_t>(i)];
    flag ^= LINE_BOOKMARK;
    if (flag & LINE_BOOKMARK)
        ++m_bookmarkCount;
    else if (m_bookmarkCount > 0)
        --m_bookmarkCount;
}

void CTextDoc::SetModified(bool modified)
{
    if (modified != IsModified() && m_pFrame)
        m_pFrame->StateChanged(*this);
    SetModifiedFlag(modified);
}

void CTextDoc::DeleteContents()
{
    m_lines.Clear();
    m_lineFlags.clear();
    m_undoRecords.clear();
    m_undoPos = 0;
    m_bUndoTruncated = 0;
    m_maxLineLength = 0;
    m_bookmarkCount = 0;
    m_bTabsAsBytes = false;
    m_bLooksBinary = false;
}

bool CTextDoc::OnNewDocument()
{
    if (!DocumentBase::OnNewDocument())
        return false;
    MakeEmpty();
    m_codePage = OpenInEncoding(m_pSettings->Encoding).codePage.value_or(CP_WIN);
    return true;
}

void CTextDoc::AppendLine(std::string_view cells)
{
    m_lines.Append(cells);
    m_lineFlags.push_back(LINE_STATE_UNKNOWN);
    RaiseMaxLineLength(cells.size());
}

void CTextDoc::RaiseMaxLineLength(std::size_t length)
{
    m_maxLineLength = std::max(m_maxLineLength, static_cast<int>(length));
}

TextPos CTextDoc::Clamp(TextPos pos) const
{
    pos.line = std::clamp(pos.line, 0, GetLineCount() - 1);
    pos.col = std::clamp(pos.col, 0, static_cast<int>(GetLine(pos.line).size()));
    return pos;
}

std::string CTextDoc::GetText(TextPos start, TextPos end) const
{
    return GetTextIn(TextForm::Plain, start, end);
}

std::string CTextDoc::GetExactText(TextPos start, TextPos end) const
{
    return GetTextIn(TextForm::Exact, start, end);
}

std::string CTextDoc::ExactByte(char byte, bool tabsAsBytes)
{
    // A tab cell goes back in as a TAB, so that it gets its fills wherever
    // it is inserted again.
    if (!tabsAsBytes && byte == TAB_CELL)
        return "\t";
    return byte == '\r' ? std::string("\r\0", 2) : std::string(1, byte);
}

std::string CTextDoc::GetTextIn(TextForm form, TextPos start, TextPos end) const
{
    start = Clamp(start);
    end = Clamp(end);
    if (end < start)
        return {};
    auto piece = [&](int line) {
        std::string_view bytes = GetLine(line);
        const std::size_t to = line == end.line ? static_cast<std::size_t>(end.col) : bytes.size();
        const std::size_t from = line == start.line ? static_cast<std::size_t>(start.col) : 0;
        return bytes.substr(from, to - from);
    };
    std::size_t size = 2 * static_cast<std::size_t>(end.line - start.line);
    for (int line = start.line; line <= end.line; ++line)
        size += PlainLengthOf(piece(line));
    std::string text;
    text.reserve(size);
    for (int line = start.line; line <= end.line; ++line) {
        if (line > start.line)
            text += "\r\n";
        if (form == TextForm::Plain) {
            AppendPlainText(text, piece(line));
            continue;
        }
        AppendExactCells(text, piece(line), m_bTabsAsBytes);
    }
    return text;
}

void CTextDoc::AppendExactCells(std::string& out, std::string_view cells, bool tabsAsBytes)
{
    for (char ch : cells) {
        if (tabsAsBytes || ch != TAB_FILL)
            out += ExactByte(ch, tabsAsBytes);
    }
}
