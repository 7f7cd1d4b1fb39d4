// The frame's small dialogs: Convert, Remove tags, Align (Justify), Go To
// and the bookmark list.
#include "core/settings/input_tables.h"
#include "core/view/text_view.h"
#include "win32/dialogs/bookmark_list_dialog.h"
#include "win32/dialogs/goto_dialog.h"
#include "win32/dialogs/scope_dialogs.h"
#include "win32/framework/child_frame.h"
#include "win32/framework/main_frame.h"
#include "win32/view/view_window.h"

DialogEnvironment CMainFrame::DialogEnvironmentOf()
{
    return {m_window, InterfaceLookup(), m_settings.InterFnt};
}

ScopeTargets CMainFrame::ScopeTargetsOf()
{
    ScopeTargets targets;
    if (ViewWindow* active = ActiveView())
        targets.active = &active->View();
    for (const CMyDocManager::Entry& e : m_documents.Entries())
        if (e.frame)
            targets.documents.push_back(&e.frame->Pane(0).View());
    return targets;
}

void CMainFrame::ConvertCommand(int)
{
    const DialogEnvironment environment = DialogEnvironmentOf();
    const bool translit = EnsureTranslitTable(m_settings, m_prompts);
    ConvertDialog(environment, m_settings, ScopeTargetsOf(), m_store, translit).Run();
}

void CMainFrame::RemoveTagsCommand(int)
{
    const DialogEnvironment environment = DialogEnvironmentOf();
    RemoveTagsDialog(IDD_REMOVE_TAGS, environment, m_settings, ScopeTargetsOf()).Run();
}

void CMainFrame::AlignCommand(int)
{
    const DialogEnvironment environment = DialogEnvironmentOf();
    JustifyDialog(environment, m_settings, ScopeTargetsOf(), m_store).Run();
}

void CMainFrame::GoToCommand(int)
{
    ViewWindow* view = ActiveView();
    if (!view)
        return;
    const DialogEnvironment environment = DialogEnvironmentOf();
    GoToDialog(environment, view->View()).Run();
}

void CMainFrame::BookmarksCommand(int)
{
    ViewWindow* view = ActiveView();
    if (!view)
        return;
    const DialogEnvironment environment = DialogEnvironmentOf();
    BookmarkListDialog(environment, view->View(), m_settings.Font.charSet).Run();
}

CommandUpdate CMainFrame::BookmarksState(int)
{
    CChildFrame* child = ActiveChild();
    return {child && child->Document().GetBookmarkCount() > 0};
}
