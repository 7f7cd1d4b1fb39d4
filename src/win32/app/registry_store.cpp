#include "win32/app/registry_store.h"

#include <windows.h>

#include <cstring>

namespace {

std::string KeyPath(const std::string& root, std::string_view section)
{
    return root + "\\" + std::string(section);
}

} // namespace

std::optional<Bytes> RegistryProfileStore::Read(std::string_view section, std::string_view name,
                                                unsigned long type) const
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(m_root, section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    const std::string valueName(name);
    DWORD storedType = 0;
    DWORD size = 0;
    std::optional<Bytes> result;
    if (RegQueryValueExA(key, valueName.c_str(), nullptr, &storedType, nullptr, &size) == ERROR_SUCCESS &&
        storedType == type) {
        Bytes data(size);
        if (RegQueryValueExA(key, valueName.c_str(), nullptr, &storedType, data.data(), &size) == ERROR_SUCCESS &&
            storedType == type) {
            data.resize(size);
            result = std::move(data);
        }
    }
    RegCloseKey(key);
    return result;
}

void RegistryProfileStore::Write(std::string_view section, std::string_view name, unsigned long type,
                                 const void* data, std::size_t size)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(m_root, section).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return; // failed writes are not reported
    RegSetValueExA(key, std::string(name).c_str(), 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size));
    RegCloseKey(key);
}

std::optional<std::uint32_t> RegistryProfileStore::GetInt(std::string_view section, std::string_view name) const
{
    const auto data = Read(section, name, REG_DWORD);
    if (!data || data->size() != sizeof(std::uint32_t))
        return std::nullopt;
    std::uint32_t value;
    std::memcpy(&value, data->data(), sizeof value);
    return value;
}

void RegistryProfileStore::SetInt(std::string_view section, std::string_view name, std::uint32_t value)
{
    Write(section, name, REG_DWORD, &value, sizeof value);
}

std::optional<std::string> RegistryProfileStore::GetString(std::string_view section, std::string_view name) const
{
    const auto data = Read(section, name, REG_SZ);
    if (!data)
        return std::nullopt;
    std::string text(data->begin(), data->end());
    // The stored size counts the terminator, which a value need not have.
    const std::size_t end = text.find('\0');
    if (end != std::string::npos)
        text.resize(end);
    return text;
}

void RegistryProfileStore::SetString(std::string_view section, std::string_view name, std::string_view value)
{
    const std::string text(value);
    Write(section, name, REG_SZ, text.c_str(), text.size() + 1);
}

std::optional<Bytes> RegistryProfileStore::GetBinary(std::string_view section, std::string_view name) const
{
    return Read(section, name, REG_BINARY);
}

void RegistryProfileStore::SetBinary(std::string_view section, std::string_view name, const Bytes& value)
{
    Write(section, name, REG_BINARY, value.data(), value.size());
}
