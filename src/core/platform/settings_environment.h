#pragma once

#include "core/platform/log_font.h"

#include <optional>
#include <string>

// What loading and saving the settings need of the system around them.
class SettingsEnvironment {
public:
    virtual ~SettingsEnvironment() = default;
    virtual bool DirectoryExists(const std::string& path) const = 0;
    virtual bool ChangeDirectory(const std::string& path) = 0;
    virtual std::optional<std::string> CurrentDirectory() const = 0;
    virtual LogFont DefaultGuiFont() const = 0;
};
