#pragma once

#include "core/platform/prompts.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Answers the program's questions as a test tells it to, and remembers what
// was asked.
class FakePrompts : public Prompts {
public:
    void ShowMessage(const std::string& text, MessageKind) override
    {
        messages.push_back(text);
        if (whileShown)
            whileShown(); // what runs while a real message box is open
    }
    bool AskYesNo(const std::string& text, MessageKind) override
    {
        questions.push_back(text);
        return yes;
    }
    SaveChoice AskSaveChanges(const std::string& name) override
    {
        questions.push_back("save " + name);
        return saveChoice;
    }
    std::optional<std::string> AskPassword(PasswordMode mode, const std::string& current) override
    {
        passwordModes.push_back(mode);
        passwordsShown.push_back(current);
        if (passwords.empty())
            return std::nullopt; // Cancel
        std::optional<std::string> answer = passwords.front();
        passwords.pop_front();
        return answer;
    }
    std::optional<SaveAsChoice> AskSavePath(const std::string& suggested) override
    {
        questions.push_back("save as " + suggested);
        if (!savePath)
            return std::nullopt;
        return SaveAsChoice{*savePath, saveLineEnd, saveEncoding};
    }

    std::vector<std::string> messages;
    std::function<void()> whileShown;
    std::vector<std::string> questions;
    bool yes = true;
    SaveChoice saveChoice = SaveChoice::Yes;
    std::deque<std::optional<std::string>> passwords;
    std::vector<PasswordMode> passwordModes;
    std::vector<std::string> passwordsShown;
    std::optional<std::string> savePath;
    std::optional<std::uint8_t> saveLineEnd;
    std::optional<std::uint8_t> saveEncoding;
};
