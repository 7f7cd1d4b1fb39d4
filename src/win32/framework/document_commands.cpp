// The active document's commands.
#include "win32/framework/document_commands.h"

#include "core/view/highlight_scheme.h"
#include "win32/app/wait_cursor.h"
#include "win32/framework/main_frame.h"
#include "win32/res/commands.h"
#include "win32/view/view_window.h"

std::span<const CommandEntry<DocumentCommands>> DocumentCommands::Commands()
{
    static constexpr CommandEntry<DocumentCommands> kTable[] = {
        {ID_FILE_SAVE, ID_FILE_SAVE, &DocumentCommands::Save, &DocumentCommands::SaveState},
        {ID_FILE_SAVE_AS, ID_FILE_SAVE_AS, &DocumentCommands::SaveAs},
        {ID_FILE_RELOAD, ID_FILE_RELOAD, &DocumentCommands::Reload, &DocumentCommands::ReloadState},
        {ID_FILE_CLOSE, ID_FILE_CLOSE, &DocumentCommands::Close},
        {ID_VIEW_SOURCE_FIRST, ID_VIEW_SOURCE_LAST, &DocumentCommands::ViewSourceAs,
         &DocumentCommands::ViewSourceAsState},
        {ID_ACTIONS_TABS_TO_SPACES, ID_ACTIONS_TABS_TO_SPACES, &DocumentCommands::TabsToSpaces},
        {ID_ACTIONS_TRIM_SPACES, ID_ACTIONS_TRIM_SPACES, &DocumentCommands::TrimSpaces},
        {ID_ACTIONS_EXECUTE, ID_ACTIONS_EXECUTE, &DocumentCommands::Execute, &DocumentCommands::ExecuteState},
    };
    return kTable;
}

bool DocumentCommands::OnCommand(int id)
{
    return m_doc && RunFromTable(*this, Commands(), id);
}

std::optional<CommandUpdate> DocumentCommands::OnUpdateCommand(int id)
{
    return m_doc ? UpdateFromTable(*this, Commands(), id) : std::nullopt;
}

void DocumentCommands::Save(int)
{
    m_doc->DoFileSave();
}

void DocumentCommands::SaveAs(int)
{
    m_doc->DoSaveAs();
}

void DocumentCommands::Reload(int)
{
    m_doc->Reload();
}

void DocumentCommands::Close(int)
{
    m_frame.CloseDocument(*m_doc);
}

// Whole-text rewrites, undone in one step back to the active view's caret.
void DocumentCommands::TabsToSpaces(int)
{
    WaitCursor wait;
    m_doc->TabsToSpaces(ActiveCaret());
}

void DocumentCommands::TrimSpaces(int)
{
    WaitCursor wait;
    m_doc->TrimTrailingBlanks(ActiveCaret());
}

void DocumentCommands::Execute(int)
{
    m_frame.ExecuteTool(*m_doc);
}

// An untitled document with a tool's extension gets its path on the way.
CommandUpdate DocumentCommands::ExecuteState(int)
{
    return {m_doc->CanExecute() && (m_doc->IsModified() || !m_doc->GetPathName().empty()), false, std::nullopt};
}

TextPos DocumentCommands::ActiveCaret()
{
    ViewWindow* view = m_frame.ActiveView();
    return view ? view->View().Caret() : TextPos{};
}

// The scheme is loaded whatever comes of it: a failed load shows plain text.
void DocumentCommands::ViewSourceAs(int id)
{
    const std::size_t index = static_cast<std::size_t>(id - ID_VIEW_SOURCE_FIRST);
    if (index >= m_frame.Schemes().size())
        return;
    m_frame.Schemes()[index].LoadScheme();
    m_doc->ViewSourceAs(static_cast<std::uint8_t>(index));
}

CommandUpdate DocumentCommands::ViewSourceAsState(int id)
{
    const int index = id - ID_VIEW_SOURCE_FIRST;
    return {index < static_cast<int>(m_frame.Schemes().size()), m_doc->GetSchemeIndex() == index, std::nullopt};
}

CommandUpdate DocumentCommands::SaveState(int)
{
    return {m_doc->IsModified(), false, std::nullopt};
}

CommandUpdate DocumentCommands::ReloadState(int)
{
    return {!m_doc->GetPathName().empty(), false, std::nullopt};
}
