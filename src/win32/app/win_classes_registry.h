#pragma once

#include "core/platform/classes_registry.h"

// The classes root as the shell sees it: reads the user's classes over the
// machine's, writes and deletes in the user's own part
// (HKEY_CURRENT_USER\Software\Classes), which needs no administrator
// rights. Text is cp1251.
class WinClassesRegistry : public ClassesRegistry {
public:
    DefaultValue ReadDefault(const std::string& key) override;
    bool WriteDefault(const std::string& key, const std::string& value) override;
    bool DeleteKey(const std::string& key) override;
};
