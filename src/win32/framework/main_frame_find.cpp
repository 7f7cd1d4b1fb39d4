// Find (modeless) and Replace (modal) over the frame's document windows.
#include "core/view/text_view.h"
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
