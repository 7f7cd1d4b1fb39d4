#include "core/platform/profile_store.h"

namespace {

std::pair<std::string, std::string> Key(std::string_view section, std::string_view name)
{
    return {std::string(section), std::string(name)};
}

} // namespace

template <typename T>
std::optional<T> MemoryProfileStore::Get(std::string_view section, std::string_view name) const
{
    const auto it = m_values.find(Key(section, name));
    if (it == m_values.end())
        return std::nullopt;
    if (const T* value = std::get_if<T>(&it->second))
        return *value;
    return std::nullopt;
}

std::optional<std::uint32_t> MemoryProfileStore::GetInt(std::string_view section, std::string_view name) const
{
    return Get<std::uint32_t>(section, name);
}

void MemoryProfileStore::SetInt(std::string_view section, std::string_view name, std::uint32_t value)
{
    m_values[Key(section, name)] = value;
}

std::optional<std::string> MemoryProfileStore::GetString(std::string_view section, std::string_view name) const
{
    return Get<std::string>(section, name);
}

void MemoryProfileStore::SetString(std::string_view section, std::string_view name, std::string_view value)
{
    m_values[Key(section, name)] = std::string(value);
}

std::optional<Bytes> MemoryProfileStore::GetBinary(std::string_view section, std::string_view name) const
{
    return Get<Bytes>(section, name);
}

void MemoryProfileStore::SetBinary(std::string_view section, std::string_view name, const Bytes& value)
{
    m_values[Key(section, name)] = value;
}
