#pragma once

#include <cstdint>
#include <optional>
#include <string>

enum class MessageKind { Information, Warning, Error };
enum class SaveChoice { Yes, No, SaveAll, Cancel };
enum class PasswordMode { Open, Save };

// The Save As dialog's answer: the path, the line end its box chose for this
// save (nothing keeps the document's own), and the Encoding box's choice of
// a code page or a Unicode form (nothing keeps how the document is stored).
struct SaveAsChoice {
    std::string path;
    std::optional<std::uint8_t> lineEnd;
    std::optional<std::uint8_t> encoding = std::nullopt;
};

// Messages and questions that core logic raises; the Windows side shows
// message boxes and dialogs, tests answer programmatically.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual void ShowMessage(const std::string& text, MessageKind kind) = 0;
    // A warning's question has No as its default answer.
    virtual bool AskYesNo(const std::string& text, MessageKind kind) = 0;
    // "Save changes to %s ?" with Yes, No, Save All and Cancel.
    virtual SaveChoice AskSaveChanges(const std::string& documentName) = 0;
    // The password dialog; nothing on Cancel. In save mode the retype field
    // starts with `current`.
    virtual std::optional<std::string> AskPassword(PasswordMode mode, const std::string& current) = 0;
    // The Save As file dialog; nothing on Cancel.
    virtual std::optional<SaveAsChoice> AskSavePath(const std::string& suggestedName) = 0;
};
