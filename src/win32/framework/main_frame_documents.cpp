// What the documents ask of and tell the main frame.
#include "core/app/recent_files.h"
#include "core/platform/progress.h"
#include "core/tools/tool_table.h"
#include "core/view/highlight_scheme.h"
#include "win32/app/text_conversion.h"
#include "win32/framework/child_frame.h"
#include "win32/framework/main_frame.h"

bool CMainFrame::DocumentSide::SaveAllDocuments()
{
    return m_frame.SaveAll();
}

std::uint8_t CMainFrame::DocumentSide::SchemeForExtension(const std::string& key)
{
    return static_cast<std::uint8_t>(::SchemeForExtension(m_frame.m_schemes, key, m_frame.m_settings.DefaultScheme));
}

// A configured tool, or a program the system associates with the extension.
bool CMainFrame::DocumentSide::HasTool(const std::string& key)
{
    if (FindTool(m_frame.m_settings.tools, key))
        return true;
    std::string extension = key.substr(0, key.find(' '));
    if (extension.empty())
        return false;
    HKEY association = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, FromCp1251("." + extension).c_str(), 0, KEY_READ, &association) != ERROR_SUCCESS)
        return false;
    RegCloseKey(association);
    return true;
}

std::unique_ptr<ProgressMeter> CMainFrame::DocumentSide::ShowProgress(const std::string& label)
{
    return m_frame.ShowProgress(label);
}

std::optional<std::string> CMainFrame::DocumentSide::GetInterfaceString(std::uint32_t id)
{
    return m_frame.InterfaceString(id);
}

void CMainFrame::DocumentSide::DocumentOpened(CTextDoc& doc)
{
    m_frame.m_bars->FileTabs().AddFileTab(doc);
}

// A closed file goes to the top of the recent list; its favorite keeps the
// place it was left at, unless it was left unsaved.
void CMainFrame::DocumentSide::DocumentClosing(CTextDoc& doc)
{
    if (!doc.GetPathName().empty()) {
        if (m_frame.m_recent)
            m_frame.m_recent->Add(doc.GetPathName());
        if (!doc.IsModified())
            m_frame.RecordFavoriteOf(doc, true);
    }
    m_frame.m_bars->FileTabs().RemoveFileTab(doc);
}

void CMainFrame::DocumentSide::DocumentSaved(CTextDoc& doc)
{
    m_frame.RecordFavoriteOf(doc, true);
}

void CMainFrame::DocumentSide::DocumentSavedAs(CTextDoc& doc)
{
    if (m_frame.m_recent)
        m_frame.m_recent->Add(doc.GetPathName());
}

void CMainFrame::DocumentSide::TitleChanged(CTextDoc& doc)
{
    m_frame.m_bars->FileTabs().SetFileTabText(doc, doc.GetTitle());
    if (CMyDocManager::Entry* e = m_frame.m_documents.Find(doc))
        if (e->frame)
            e->frame->SetTitle(doc.Caption());
}

void CMainFrame::DocumentSide::StateChanged(CTextDoc&)
{
    m_frame.m_bars->FileTabs().RepaintFileTabs();
}
