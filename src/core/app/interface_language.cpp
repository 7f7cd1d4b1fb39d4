#include "core/app/interface_language.h"

#include "core/platform/profile_store.h"
#include "core/platform/prompts.h"
#include "core/text/setup_file.h"

#include <algorithm>
#include <charconv>

void ReadLanguageFile(SetupReader& reader, LanguageTexts& texts)
{
    std::string key;
    std::string value;
    while (reader.ReadSetupEntry(key, value)) {
        std::uint32_t number = 0;
        const char* end = key.data() + key.size();
        const auto parsed = std::from_chars(key.data(), end, number);
        std::string text(TrimBlanks(value));
        if (key.empty() || parsed.ec != std::errc() || parsed.ptr != end || text.empty())
            continue;
        std::replace(text.begin(), text.end(), '\\', '\n');
        if (number >= kFirstMenuTextNumber && number <= kLastMenuTextNumber)
            texts.menuTexts[number] = std::move(text);
        else
            texts.strings[number] = std::move(text);
    }
}

std::optional<std::string> InterfaceLanguage::GetInterfaceString(std::uint32_t id) const
{
    if (const auto it = m_strings.find(id); it != m_strings.end())
        return it->second;
    if (id >= 5001 && id <= 7999)
        return m_resources.Load(id);
    return std::nullopt;
}

void InterfaceLanguage::Apply(const std::string& interfaceFile, InterfaceMenus& menus, ProfileStore& store,
                              Prompts& prompts)
{
    m_strings.clear();
    LanguageTexts texts;
    if (!interfaceFile.empty()) {
        auto reader = SetupReader::Open(interfaceFile);
        if (!reader) {
            prompts.ShowMessage("Cannot open interface file: " + interfaceFile, MessageKind::Error);
            store.SetString("General", "InterfaceFile", "");
            return;
        }
        ReadLanguageFile(*reader, texts);
        m_strings = std::move(texts.strings);
        m_builtInTexts = false;
    } else {
        if (m_builtInTexts)
            return;
        for (const MenuNumbering& m : kInterfaceMenus) {
            Menu menu = menus.ResourceMenu(m.menuId);
            for (const auto& [number, item] : NumberMenuItems(menu, m.base)) {
                if (number <= kLastMenuTextNumber)
                    texts.menuTexts[static_cast<std::size_t>(number)] = item->text;
            }
        }
        m_builtInTexts = true;
    }
    for (const MenuNumbering& m : kInterfaceMenus) {
        Menu menu = menus.LiveMenu(m.menuId);
        for (const auto& [number, item] : NumberMenuItems(menu, m.base)) {
            if (number <= kLastMenuTextNumber && !texts.menuTexts[static_cast<std::size_t>(number)].empty())
                item->text = texts.menuTexts[static_cast<std::size_t>(number)];
        }
        menus.SetLiveMenu(m.menuId, menu);
    }
}

