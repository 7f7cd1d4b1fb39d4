#include "win32/dialogs/bookmark_list_dialog.h"

#include "core/app/small_dialogs.h"
#include "core/doc/tab_cells.h"
#include "core/doc/text_doc.h"
#include "core/platform/log_font.h"
#include "core/text/code_pages.h"
#include "core/view/text_view.h"
#include "win32/app/gdi_fonts.h"
#include "win32/app/text_conversion.h"
#include "win32/res/resource.h"

#include <algorithm>

BookmarkListDialog::BookmarkListDialog(const DialogEnvironment& environment, CTextView& view,
                                       std::uint8_t textCharSet)
    : ProgramDialog(IDD_BOOKMARK_LIST, environment), m_view(view), m_textCharSet(textCharSet)
{
}

BookmarkListDialog::~BookmarkListDialog()
{
    if (m_lineFont)
        DeleteObject(m_lineFont);
}

// The line box in Courier New, with the text font's character set.
void BookmarkListDialog::OnInit()
{
    LogFont font = m_environment.font;
    font.SetFaceName("Courier New");
    font.charSet = m_textCharSet;
    m_lineFont = CreateFontFrom(font, WindowDpi(m_dialog));
    SendDlgItemMessageW(m_dialog, IDC_BOOKMARK_LINE, WM_SETFONT, reinterpret_cast<WPARAM>(m_lineFont), FALSE);
    const CTextDoc& doc = m_view.GetDocument();
    for (int line = 0; line < doc.GetLineCount(); ++line)
        if (doc.IsBookmarked(line))
            SendDlgItemMessageW(m_dialog, IDC_BOOKMARK_LIST, LB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(FromCp1251(BookmarkEntry(line)).c_str()));
    Select(0);
}

int BookmarkListDialog::SelectedLine() const
{
    HWND list = Item(IDC_BOOKMARK_LIST);
    const auto index = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
    if (index < 0)
        return -1;
    std::wstring entry(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0)) + 1,
                       L'\0');
    entry.resize(static_cast<std::size_t>(
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry.data()))));
    return LineOfBookmarkEntry(ToCp1251(entry));
}

// Selects entry `index` (none for -1) and shows its line.
void BookmarkListDialog::Select(int index)
{
    HWND list = Item(IDC_BOOKMARK_LIST);
    const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(count > 0 ? index : -1), 0);
    Enable(IDC_BOOKMARK_GOTO, count > 0);
    Enable(IDC_BOOKMARK_DELETE, count > 0);
    const int line = SelectedLine();
    std::string text;
    if (line >= 0 && line < m_view.GetDocument().GetLineCount()) {
        const CTextDoc& doc = m_view.GetDocument();
        std::string cells(doc.GetLine(line));
        std::replace_if(cells.begin(), cells.end(), [&](char c) { return doc.IsTabPart(c); }, ' ');
        ConvertString(cells, m_view.CodePage(), CP_WIN);
        text = cells;
    }
    SetItemText(IDC_BOOKMARK_LINE, text);
}

bool BookmarkListDialog::OnCommand(int id, int code)
{
    switch (id) {
    case IDC_BOOKMARK_LIST:
        if (code == LBN_SELCHANGE)
            Select(static_cast<int>(SendDlgItemMessageW(m_dialog, IDC_BOOKMARK_LIST, LB_GETCURSEL, 0, 0)));
        else if (code == LBN_DBLCLK)
            GoTo();
        return true;
    case IDC_BOOKMARK_GOTO:
    case IDOK:
        GoTo();
        return true;
    case IDC_BOOKMARK_DELETE:
        Delete();
        return true;
    }
    return false;
}

void BookmarkListDialog::GoTo()
{
    const int line = SelectedLine();
    if (line < 0)
        return;
    m_view.MoveCaretTo(line, 0);
    End(IDOK);
}

void BookmarkListDialog::Delete()
{
    const int line = SelectedLine();
    if (line < 0)
        return;
    m_view.GetDocument().ToggleBookmark(line);
    m_view.RepaintAll();
    HWND list = Item(IDC_BOOKMARK_LIST);
    const auto index = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
    SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    Select(SelectionAfterDelete(index, static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0))));
}
