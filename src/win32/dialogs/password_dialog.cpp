#include "win32/dialogs/password_dialog.h"

#include "core/doc/doc_strings.h"
#include "win32/app/text_conversion.h"
#include "win32/res/resource.h"

namespace {

constexpr DocString kOpenCaption{5046, "This file seems to be encrypted by Noveda"};
constexpr DocString kMismatch{5047, "The passwords do not match. Please retype the password ."};
constexpr DocString kMismatchCaption{5048, "Error in password"};

} // namespace

PasswordDialog::PasswordDialog(const DialogEnvironment& environment, PasswordMode mode, std::string current)
    : ProgramDialog(IDD_PASSWORD, environment), m_mode(mode), m_password(std::move(current))
{
}

void PasswordDialog::OnInit()
{
    if (m_mode == PasswordMode::Open)
        SetWindowTextW(m_dialog, FromCp1251(String(kOpenCaption.id, kOpenCaption.text)).c_str());
    else
        SetItemText(IDC_RETYPE_PASSWORD, m_password);
}

bool PasswordDialog::OnCommand(int id, int)
{
    if (id != IDOK)
        return false;
    const std::string password = ItemText(IDC_PASSWORD);
    if (password != ItemText(IDC_RETYPE_PASSWORD)) {
        MessageBoxW(m_dialog, FromCp1251(String(kMismatch.id, kMismatch.text)).c_str(),
                    FromCp1251(String(kMismatchCaption.id, kMismatchCaption.text)).c_str(), MB_OK | MB_ICONSTOP);
        SetFocus(Item(IDC_PASSWORD));
        return true;
    }
    m_password = password;
    End(IDOK);
    return true;
}
