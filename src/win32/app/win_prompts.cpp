#include "win32/app/win_prompts.h"

#include "core/app/dialog_rules.h"
#include "core/doc/open_options.h"
#include "core/settings/app_settings.h"
#include "core/text/placeholder.h"
#include "win32/app/file_dialogs.h"
#include "win32/app/text_conversion.h"
#include "win32/dialogs/password_dialog.h"
#include "win32/dialogs/save_files_dialog.h"
#include "win32/res/resource.h"

#include <algorithm>

#include <cstdio>

namespace {

constexpr std::uint32_t kSaveQuestionString = 5001;

UINT IconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return MB_ICONWARNING;
    case MessageKind::Error:
        return MB_ICONERROR;
    default:
        return MB_ICONINFORMATION;
    }
}

} // namespace

void WinPrompts::ShowMessage(const std::string& text, MessageKind kind)
{
    MessageBoxW(m_owner, FromCp1251(text).c_str(), L"Noveda", MB_OK | IconOf(kind));
}

bool WinPrompts::AskYesNo(const std::string& text, MessageKind kind)
{
    const UINT noByDefault = kind == MessageKind::Warning ? MB_DEFBUTTON2 : 0;
    return MessageBoxW(m_owner, FromCp1251(text).c_str(), L"Noveda", MB_YESNO | IconOf(kind) | noByDefault) == IDYES;
}

SaveChoice WinPrompts::AskSaveChanges(const std::string& documentName)
{
    const std::string format = m_strings(kSaveQuestionString).value_or("Save changes to %s ?");
    const DialogEnvironment environment{m_owner, m_strings, m_settings.InterFnt};
    switch (SaveFilesDialog(environment, FillPlaceholder(format, SaveQuestionTitle(documentName))).Run()) {
    case IDYES:
        return SaveChoice::Yes;
    case IDNO:
        return SaveChoice::No;
    case IDC_SAVE_ALL:
        return SaveChoice::SaveAll;
    default:
        return SaveChoice::Cancel;
    }
}

// The password dialog comes with the program's own dialogs; until then an
// encrypted file cannot be opened or saved from here, and says so.
std::optional<std::string> WinPrompts::AskPassword(PasswordMode mode, const std::string& current)
{
    PasswordDialog dialog({m_owner, m_strings, m_settings.InterFnt}, mode, current);
    if (dialog.Run() != IDOK)
        return std::nullopt;
    return dialog.Password();
}

// A suggestion without a directory is the title of a document that has no
// path yet: a new file, offered the file types of "OpenSave".
std::optional<SaveAsChoice> WinPrompts::AskSavePath(const std::string& suggestedName)
{
    const bool newFile = suggestedName.find('\\') == std::string::npos;
    CMyFileDialog dialog(false, kEncodingAuto, kLineEndAuto);
    dialog.strings = m_strings;
    int allFiles = 1;
    int& filterIndex = newFile ? m_dialogs.filterIndex : allFiles;
    const std::vector<std::string> chosen =
        dialog.Show(m_owner, newFile ? BuildOpenFilter(m_settings.openSaveTypes, m_strings)
                                     : BuildTypeFilter({kAllFilesType}, m_strings),
                    filterIndex, nullptr, suggestedName);
    if (chosen.empty())
        return std::nullopt;
    return SaveAsChoice{chosen.front(), ChosenLineEnd(dialog.lineEnd), NamedEncoding(dialog.encoding)};
}
