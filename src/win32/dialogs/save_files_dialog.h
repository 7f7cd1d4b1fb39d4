#pragma once

#include "win32/dialogs/program_dialog.h"

// "Save file(s)": the question before a modified document closes. Ends
// with the id of its button: Yes, No, Save All or Cancel.
class SaveFilesDialog : public ProgramDialog {
public:
    SaveFilesDialog(const DialogEnvironment& environment, std::string question);

private:
    void OnInit() override;
    bool OnCommand(int id, int code) override;

    std::string m_question;
};
