#include "win32/dialogs/find_in_files_dialog.h"

#include "core/settings/app_settings.h"
#include "core/settings/settings_io.h"
#include "core/view/find_again.h"
#include "win32/app/text_conversion.h"
#include "win32/dialogs/layout_typing.h"
#include "win32/res/resource.h"

FindInFilesDialog::FindInFilesDialog(const DialogEnvironment& environment, AppSettings& settings, ProfileStore& store,
                                     std::vector<std::string>& findHistory, Start start, BrowseFolder browse)
    : ProgramDialog(IDD_FIND_IN_FILES, environment), m_settings(settings), m_store(store),
      m_findHistory(findHistory), m_start(std::move(start)), m_browse(std::move(browse))
{
}

void FindInFilesDialog::OnInit()
{
    const std::string what = InitialFindText(m_start.view, m_findHistory);
    RememberFindText(m_findHistory, what);
    FillCombo(IDC_FIF_WHAT, m_findHistory, what);
    TypeThroughEditorLayout(Item(IDC_FIF_WHAT), m_settings);
    const FindInFilesStart where =
        FindInFilesStartOf(m_start.documentPath, m_start.currentFolder, m_settings.DefaultExt, m_settings.findMasks);
    FillCombo(IDC_FIF_MASKS, m_settings.findMasks, where.mask);
    FillCombo(IDC_FIF_FOLDER, m_settings.findDirs, where.folder);
    Check(IDC_FIF_MATCH_WHOLE, m_settings.MatchWhole != 0);
    Check(IDC_FIF_MATCH_CASE, m_settings.MatchCase != 0);
    Check(IDC_FIF_SUBFOLDERS, m_settings.Recurcive != 0);
    // OK is the Find dialog's Find button: the language names it there.
    SetItemText(IDOK, String(IDC_FIND_NEXT, "&Find"));
}

void FindInFilesDialog::FillCombo(int id, const std::vector<std::string>& entries, const std::string& text)
{
    for (const std::string& entry : entries)
        SendDlgItemMessageW(m_dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromCp1251(entry).c_str()));
    SetItemText(id, text);
}

bool FindInFilesDialog::OnCommand(int id, int code)
{
    switch (id) {
    case IDOK:
        Accept();
        return true;
    case IDC_FIF_BROWSE:
        Browse();
        return true;
    case IDC_FIF_MASKS: // typed, not picked from the list
        m_maskEdited |= code == CBN_EDITCHANGE;
        return true;
    case IDC_FIF_FOLDER:
        m_folderEdited |= code == CBN_EDITCHANGE;
        return true;
    }
    return false;
}

void FindInFilesDialog::Browse()
{
    if (const std::optional<std::string> folder = m_browse(m_dialog, BrowseStartOf(ItemText(IDC_FIF_FOLDER)))) {
        SetItemText(IDC_FIF_FOLDER, *folder);
        m_folderEdited = true;
    }
}

void FindInFilesDialog::Accept()
{
    m_search.what = ItemText(IDC_FIF_WHAT);
    m_search.masks = ItemText(IDC_FIF_MASKS);
    m_search.folder = ItemText(IDC_FIF_FOLDER);
    m_search.wholeWord = IsChecked(IDC_FIF_MATCH_WHOLE);
    m_search.matchCase = IsChecked(IDC_FIF_MATCH_CASE);
    m_search.subfolders = IsChecked(IDC_FIF_SUBFOLDERS);
    m_settings.MatchWhole = m_search.wholeWord;
    m_settings.MatchCase = m_search.matchCase;
    m_settings.Recurcive = m_search.subfolders;
    RememberFindText(m_findHistory, m_search.what);
    if (m_maskEdited)
        RememberTyped(m_settings.findMasks, m_search.masks);
    if (m_folderEdited)
        RememberTyped(m_settings.findDirs, m_search.folder);
    if (m_maskEdited || m_folderEdited)
        SaveFindInFilesHistory(m_store, m_settings);
    End(IDOK);
}
