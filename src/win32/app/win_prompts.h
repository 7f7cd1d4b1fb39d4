#pragma once

#include "core/platform/prompts.h"
#include "win32/app/file_dialogs.h"
#include "win32/dialogs/program_dialog.h"

#include <windows.h>

#include <cstdint>
#include <functional>

struct AppSettings;

// Questions and messages as message boxes and dialogs over `owner`.
class WinPrompts : public Prompts {
public:
    WinPrompts(HWND& owner, AppSettings& settings, FileDialogMemory& dialogs, InterfaceStrings strings)
        : m_owner(owner), m_settings(settings), m_dialogs(dialogs), m_strings(std::move(strings))
    {
    }
    void ShowMessage(const std::string& text, MessageKind kind) override;
    bool AskYesNo(const std::string& text, MessageKind kind) override;
    // The "Save file(s)" dialog: Yes, No, Save All, Cancel.
    SaveChoice AskSaveChanges(const std::string& documentName) override;
    std::optional<std::string> AskPassword(PasswordMode mode, const std::string& current) override;
    // The save dialog; its line-end box goes with this save alone, and for a
    // document without a path yet a changed code-page box sets Encoding.
    std::optional<SaveAsChoice> AskSavePath(const std::string& suggestedName) override;

private:
    HWND& m_owner;
    AppSettings& m_settings;
    FileDialogMemory& m_dialogs;
    InterfaceStrings m_strings;
};
