#pragma once

#include "core/platform/prompts.h"
#include "win32/dialogs/program_dialog.h"

#include <string>

// The password of an encrypted file ("Save encrypted", template 1051), typed
// twice. Opening a file it is asked for anew under its own caption; saving
// it the second field starts with the current one, so typing it once more
// into the first will do. OK with different fields says so and stays open.
class PasswordDialog : public ProgramDialog {
public:
    PasswordDialog(const DialogEnvironment& environment, PasswordMode mode, std::string current);

    const std::string& Password() const { return m_password; }

private:
    void OnInit() override;
    bool OnCommand(int id, int code) override;

    PasswordMode m_mode;
    std::string m_password;
};
