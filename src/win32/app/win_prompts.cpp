#include "win32/app/win_prompts.h"

#include "win32/app/file_dialogs.h"
#include "win32/app/text_conversion.h"

#include <cstdio>

namespace {

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
    return MessageBoxW(m_owner, FromCp1251(text).c_str(), L"Noveda", MB_YESNO | IconOf(kind)) == IDYES;
}

// Yes, No and Cancel; the dialog with "Save All" comes with the program's
// own dialogs.
SaveChoice WinPrompts::AskSaveChanges(const std::string& documentName)
{
    char text[512];
    std::snprintf(text, sizeof text, "Save changes to %s ?", documentName.c_str());
    switch (MessageBoxW(m_owner, FromCp1251(text).c_str(), L"Noveda", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return SaveChoice::Yes;
    case IDNO:
        return SaveChoice::No;
    default:
        return SaveChoice::Cancel;
    }
}

// The password dialog comes with the program's own dialogs; until then an
// encrypted file cannot be opened or saved from here, and says so.
std::optional<std::string> WinPrompts::AskPassword(PasswordMode, const std::string&)
{
    ShowMessage("Encrypted files need the password dialog, which this build does not have yet.",
                MessageKind::Warning);
    return std::nullopt;
}

std::optional<std::string> WinPrompts::AskSavePath(const std::string& suggestedName)
{
    return ChooseFile(m_owner, FileChoice::Save, nullptr, suggestedName);
}
