#pragma once

#include "core/app/interface_language.h"
#include "core/settings/settings_io.h"

// The settings' view of this Windows system.
class WinSettingsEnvironment : public SettingsEnvironment {
public:
    bool DirectoryExists(const std::string& path) const override;
    bool ChangeDirectory(const std::string& path) override;
    std::optional<std::string> CurrentDirectory() const override;
    LogFont DefaultGuiFont() const override;
};

// The program's own string table, as cp1251 text.
class StringTableResources : public ResourceStrings {
public:
    std::optional<std::string> Load(std::uint32_t id) const override;
};
