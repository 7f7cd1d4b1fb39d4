#include "win32/dialogs/save_files_dialog.h"

#include "win32/res/resource.h"

SaveFilesDialog::SaveFilesDialog(const DialogEnvironment& environment, std::string question)
    : ProgramDialog(IDD_SAVE_FILES, environment), m_question(std::move(question))
{
}

void SaveFilesDialog::OnInit()
{
    SetItemText(IDC_SAVE_QUESTION, m_question);
}

bool SaveFilesDialog::OnCommand(int id, int)
{
    switch (id) {
    case IDYES:
    case IDNO:
    case IDC_SAVE_ALL:
    case IDCANCEL:
        End(id);
        return true;
    }
    return false;
}
