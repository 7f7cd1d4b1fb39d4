#pragma once

#include "core/settings/menu_model.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

class Prompts;
class ProfileStore;
class SetupReader;

// The program's own string table, as the Windows side reads its resources.
class ResourceStrings {
public:
    virtual ~ResourceStrings() = default;
    virtual std::optional<std::string> Load(std::uint32_t id) const = 0;
};

// The six menus whose texts a language file replaces.
class InterfaceMenus {
public:
    virtual ~InterfaceMenus() = default;
    virtual Menu ResourceMenu(unsigned menuId) const = 0; // as the program ships it
    virtual Menu LiveMenu(unsigned menuId) const = 0;     // as it is now
    virtual void SetLiveMenu(unsigned menuId, const Menu& menu) = 0;
};

struct MenuNumbering {
    unsigned menuId;
    int base;
};
// In the order the texts are applied.
inline constexpr MenuNumbering kInterfaceMenus[] = {{128, 10}, {1102, 40}, {1101, 50}, {142, 70}, {157, 90},
                                                    {129, 100}};

// Menu text numbers run from 10 to 200.
constexpr int kFirstMenuTextNumber = 10;
constexpr int kLastMenuTextNumber = 200;

// The menu texts and interface strings that a language file gives.
struct LanguageTexts {
    std::vector<std::string> menuTexts = std::vector<std::string>(kLastMenuTextNumber + 1);
    std::map<std::uint32_t, std::string> strings;
};

// Reads every entry "number = text": 10..200 are menu texts, anything else
// an interface string; texts are trimmed and every backslash becomes a line
// feed; entries without a number or a text are ignored.
void ReadLanguageFile(SetupReader& reader, LanguageTexts& texts);

// The interface language: strings that replace the program's own, and the
// menus' texts.
class InterfaceLanguage {
public:
    explicit InterfaceLanguage(const ResourceStrings& resources) : m_resources(resources) {}

    // The language file's text for `id`, else the program's own string for
    // ids 5001..7999, else nothing.
    std::optional<std::string> GetInterfaceString(std::uint32_t id) const;

    // Applies General "InterfaceFile": a file that cannot be read is
    // reported, forgotten in the store, and changes nothing; no file brings
    // back the built-in texts.
    void Apply(const std::string& interfaceFile, InterfaceMenus& menus, ProfileStore& store, Prompts& prompts);

    bool BuiltInTexts() const { return m_builtInTexts; }

private:
    const ResourceStrings& m_resources;
    std::map<std::uint32_t, std::string> m_strings;
    bool m_builtInTexts = true;
};

