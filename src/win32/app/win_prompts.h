#pragma once

#include "core/app/prompts.h"

#include <windows.h>

// Questions and messages as message boxes and common dialogs over `owner`.
class WinPrompts : public Prompts {
public:
    explicit WinPrompts(HWND& owner) : m_owner(owner) {}
    void ShowMessage(const std::string& text, MessageKind kind) override;
    bool AskYesNo(const std::string& text, MessageKind kind) override;
    SaveChoice AskSaveChanges(const std::string& documentName) override;
    std::optional<std::string> AskPassword(PasswordMode mode, const std::string& current) override;
    std::optional<std::string> AskSavePath(const std::string& suggestedName) override;

private:
    HWND& m_owner;
};
