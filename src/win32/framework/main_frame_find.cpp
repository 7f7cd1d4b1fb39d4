// Find (modeless) and Replace (modal) over the frame's document windows,
// and Find in files through the finder.
#include "core/view/text_view.h"
#include "win32/app/folder_browser.h"
#include "win32/app/text_conversion.h"
#include "win32/dialogs/find_in_files_dialog.h"
#include "win32/framework/child_frame.h"
#include "win32/framework/main_frame.h"
#include "win32/view/view_window.h"

void CMainFrame::FindCommand(int)
{
    m_findDialog = std::make_unique<FindDialog>(DialogEnvironmentOf(), m_settings, m_findSide, m_settings.Font.charSet);
    m_findDialog->onEnd = [this] { m_findDialog.reset(); };
    if (!m_findDialog->Open())
        m_findDialog.reset();
}

void CMainFrame::ReplaceCommand(int)
{
    ReplaceDialog(DialogEnvironmentOf(), m_settings, m_findSide, m_settings.Font.charSet).Run();
}

// The finder's hits go to the output window, where they can be opened.
void CMainFrame::FindInFilesCommand(int)
{
    FindInFilesDialog::Start start;
    if (CChildFrame* child = ActiveChild()) {
        start.view = &child->ActivePane().View();
        start.documentPath = child->Document().GetPathName();
    }
    wchar_t current[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, current);
    start.currentFolder = ToCp1251(current);
    const std::string caption = InterfaceText(kSelectFolder);
    const std::string prompt = InterfaceText(kSelectFolderToScan);
    FindInFilesDialog dialog(DialogEnvironmentOf(), m_settings, m_store, m_findHistory, std::move(start),
                             [caption, prompt](HWND owner, const std::string& folder) {
                                 return BrowseForFolder(owner, caption, prompt, folder);
                             });
    if (dialog.Run() != IDOK)
        return;
    m_bars->Show(FrameBars::kOutput, true);
    m_bars->Output().Clear();
    RunCaptured(FinderCommandLine(m_programDir, dialog.Search()));
}

// One Find dialog at a time.
CommandUpdate CMainFrame::FindState(int)
{
    return {ActiveChild() != nullptr && !m_findDialog};
}

bool CMainFrame::FindSide::HasDocument()
{
    return m_frame.ActiveView() != nullptr;
}

CTextView& CMainFrame::FindSide::ActiveView()
{
    return m_frame.ActiveView()->View();
}

bool CMainFrame::FindSide::ActivateNext()
{
    SendMessageW(m_frame.m_mdiClient, WM_MDINEXT, 0, 0);
    CChildFrame* active = m_frame.ActiveChild();
    if (active)
        m_frame.SelectFileTab(active->Document());
    return active != m_start;
}

void CMainFrame::FindSide::MarkStart()
{
    m_start = m_frame.ActiveChild();
}

void CMainFrame::FindSide::ReportSearch(const DocString& message, const std::string& text)
{
    m_frame.ShowSearchMessage(message, text);
}
