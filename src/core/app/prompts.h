#pragma once

#include <string>

enum class MessageKind { Information, Warning, Error };

// Messages and questions that core logic raises; the Windows side shows
// message boxes, tests answer programmatically.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual void ShowMessage(const std::string& text, MessageKind kind) = 0;
};
