// External tools and the output window: Execute, captured runs, the output
// menu, and jumps from the output to a line of a file.
#include "core/doc/doc_strings.h"
#include "core/platform/file_system.h"
#include "core/text/placeholder.h"
#include "core/tools/output_text.h"
#include "core/tools/tool_table.h"
#include "win32/app/file_dialogs.h"
#include "win32/app/text_conversion.h"
#include "win32/framework/child_frame.h"
#include "win32/framework/main_frame.h"
#include "win32/tools/child_process.h"
#include "win32/view/view_window.h"

#include <shellapi.h>

#include <climits>

void CMainFrame::ExecuteTool(CTextDoc& doc)
{
    if (!doc.SaveModified())
        return;
    const std::optional<ToolLaunch> launch = LaunchFor(m_settings.tools, doc.GetPathName());
    if (!launch)
        return;
    switch (launch->kind) {
    case ToolLaunch::OpenWithShell:
        ShellExecuteW(m_window, L"open", FromCp1251(launch->command).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        break;
    case ToolLaunch::Detached: // a tool that does not start says nothing, as the system would
        StartDetached(launch->command);
        break;
    case ToolLaunch::Captured:
        m_bars->Show(FrameBars::kOutput, true);
        m_bars->Output().Clear();
        RunCaptured(launch->command);
        break;
    }
}

void CMainFrame::RunCaptured(const std::string& commandLine)
{
    if (!StartCaptured(commandLine, m_outputChannel))
        m_bars->Output().Append(InterfaceText(kCannotStartTool) + "\r\n");
}

// What the reader threads have pushed, in one append; a beep for each run
// that has ended.
void CMainFrame::TakeOutput()
{
    OutputChannel::Arrivals arrivals = m_outputChannel->Take();
    std::string text;
    for (const std::string& piece : arrivals.pieces)
        text += piece;
    if (!text.empty())
        m_bars->Output().Append(text);
    for (int i = 0; i < arrivals.finishedRuns; ++i)
        MessageBeep(MB_OK);
    m_finishedOutputRuns += arrivals.finishedRuns;
}

void CMainFrame::OpenAtLine(const std::string& path, unsigned long line)
{
    OpenError error = OpenError::None;
    if (!m_files.OpenRead(path, error))
        return;
    CTextDoc* doc = OpenDocument(path, UnchosenOpen());
    CMyDocManager::Entry* entry = doc ? m_documents.Find(*doc) : nullptr;
    if (!entry || !entry->frame)
        return;
    ViewWindow& view = entry->frame->ActivePane();
    view.View().MoveCaretTo(static_cast<int>(std::min<unsigned long>(line - 1, INT_MAX)), 0);
    SetFocus(view.Window());
}

void CMainFrame::ShowOutputMenu(POINT screen)
{
    TrackPopupMenu(GetSubMenu(PopupMenu(IDR_OUTPUT_MENU), 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0,
                   m_window, nullptr);
}

void CMainFrame::ClearOutput(int)
{
    m_bars->Output().Clear();
}

void CMainFrame::CopyOutput(int)
{
    m_bars->Output().CopySelection();
}

void CMainFrame::SaveOutput(int)
{
    const std::optional<std::string> path = ChooseFileToSave(m_window, "output.log", InterfaceLookup());
    if (!path)
        return;
    const std::string text = OutputFileText(m_bars->Output().Text());
    std::unique_ptr<OutputFile> file = m_files.CreateWrite(*path);
    const bool written = file && file->Write(text.data(), text.size());
    if (!(file && file->Close() && written))
        m_prompts.ShowMessage(FillPlaceholder(InterfaceText(kCannotSaveFile), *path),
                              MessageKind::Error);
}

CommandUpdate CMainFrame::OutputTextState(int)
{
    return {m_bars->Output().HasText()};
}

CommandUpdate CMainFrame::OutputSelectionState(int)
{
    return {m_bars->Output().HasSelection()};
}
