#pragma once

#include "core/platform/profile_store.h"

#include <string>

// The settings in the registry: HKEY_CURRENT_USER\<root>\<section>, integers
// as REG_DWORD, strings as REG_SZ (system code page), blocks as REG_BINARY.
class RegistryProfileStore : public ProfileStore {
public:
    using ProfileStore::GetInt;
    using ProfileStore::GetString;
    explicit RegistryProfileStore(std::string root = "Software\\Kelmon\\Noveda") : m_root(std::move(root)) {}

    std::optional<std::uint32_t> GetInt(std::string_view section, std::string_view name) const override;
    void SetInt(std::string_view section, std::string_view name, std::uint32_t value) override;
    std::optional<std::string> GetString(std::string_view section, std::string_view name) const override;
    void SetString(std::string_view section, std::string_view name, std::string_view value) override;
    std::optional<Bytes> GetBinary(std::string_view section, std::string_view name) const override;
    void SetBinary(std::string_view section, std::string_view name, const Bytes& value) override;

    const std::string& Root() const { return m_root; }

private:
    std::optional<Bytes> Read(std::string_view section, std::string_view name, unsigned long type) const;
    void Write(std::string_view section, std::string_view name, unsigned long type, const void* data,
               std::size_t size);

    std::string m_root;
};
