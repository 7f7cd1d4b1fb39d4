#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Where settings outlive a run: values by section and name, as integers,
// strings or blocks of bytes. A value of another type counts as missing.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    virtual std::optional<std::uint32_t> GetInt(std::string_view section, std::string_view name) const = 0;
    virtual void SetInt(std::string_view section, std::string_view name, std::uint32_t value) = 0;
    virtual std::optional<std::string> GetString(std::string_view section, std::string_view name) const = 0;
    virtual void SetString(std::string_view section, std::string_view name, std::string_view value) = 0;
    virtual std::optional<Bytes> GetBinary(std::string_view section, std::string_view name) const = 0;
    virtual void SetBinary(std::string_view section, std::string_view name, const Bytes& value) = 0;

    int GetInt(std::string_view section, std::string_view name, int fallback) const
    {
        const auto value = GetInt(section, name);
        return value ? static_cast<int>(*value) : fallback;
    }
    std::string GetString(std::string_view section, std::string_view name, std::string_view fallback) const
    {
        auto value = GetString(section, name);
        return value ? std::move(*value) : std::string(fallback);
    }
};

// A store in memory, for tests and for systems without a registry.
class MemoryProfileStore : public ProfileStore {
public:
    using ProfileStore::GetInt;
    using ProfileStore::GetString;
    using Value = std::variant<std::uint32_t, std::string, Bytes>;

    std::optional<std::uint32_t> GetInt(std::string_view section, std::string_view name) const override;
    void SetInt(std::string_view section, std::string_view name, std::uint32_t value) override;
    std::optional<std::string> GetString(std::string_view section, std::string_view name) const override;
    void SetString(std::string_view section, std::string_view name, std::string_view value) override;
    std::optional<Bytes> GetBinary(std::string_view section, std::string_view name) const override;
    void SetBinary(std::string_view section, std::string_view name, const Bytes& value) override;
    bool HoldsTheSameAs(const MemoryProfileStore& other) const { return m_values == other.m_values; }

private:
    template <typename T>
    std::optional<T> Get(std::string_view section, std::string_view name) const;

    std::map<std::pair<std::string, std::string>, Value, std::less<>> m_values;
};
