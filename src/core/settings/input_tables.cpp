#include "core/settings/input_tables.h"

#include "core/platform/profile_store.h"
#include "core/platform/prompts.h"
#include "core/text/setup_file.h"

#include <fstream>

void LoadKeyboardLayoutFile(ProfileStore& store, AppSettings& settings, Prompts& prompts)
{
    settings.keyboard.Clear();
    if (settings.KbdLayoutFile.empty() || settings.keyboard.LoadLayout(settings.KbdLayoutFile))
        return;
    prompts.ShowMessage("Cannot open keyboard layout file: " + settings.KbdLayoutFile, MessageKind::Error);
    settings.KbdLayoutFile.clear();
    store.SetString("General", "KbdLayoutFile", "");
}

std::uint8_t TypedCharacter(const AppSettings& settings, std::uint8_t typed)
{
    return settings.Language && settings.IntSwitch ? settings.keyboard.MapKey(typed) : typed;
}

// Only whether the file can be read: one without its header line is
// reported when it is first used.
void CheckTranslitTable(AppSettings& settings)
{
    settings.translit = TranslitTable{};
    settings.translit.available =
        !settings.TranslitTableFile.empty() && std::ifstream(settings.TranslitTableFile, std::ios::binary).good();
}

bool EnsureTranslitTable(AppSettings& settings, Prompts& prompts)
{
    TranslitTable& table = settings.translit;
    if (!table.available)
        return false;
    if (table.maxLength >= 0)
        return true;
    auto reader = SetupReader::Open(settings.TranslitTableFile);
    if (!reader) {
        prompts.ShowMessage("Cannot open the transliteration table file", MessageKind::Error);
        table.available = false;
        return false;
    }
    ReadTranslitTable(*reader, table);
    return true;
}
