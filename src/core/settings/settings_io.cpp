#include "core/settings/settings_io.h"

#include "core/platform/profile_store.h"
#include "core/settings/input_tables.h"
#include "core/text/cp1251.h"

#include <algorithm>
#include <climits>
#include <variant>

namespace {

enum class Kind { Flag, Number, String };

// One value of the main sections. A number outside [min, max] counts as
// missing, so that a damaged store cannot hand out a tab size of 0 or a code
// page id that indexes past a table.
struct Field {
    const char* section;
    const char* name;
    std::variant<int AppSettings::*, std::uint8_t AppSettings::*, std::string AppSettings::*> member;
    Kind kind;
    int min = INT_MIN;
    int max = INT_MAX;
};

const Field kFields[] = {
    {"Editor", "WrapMode", &AppSettings::WrapMode, Kind::Number, 1, 2},
    {"Editor", "WrapOn", &AppSettings::WrapOn, Kind::Flag},
    {"Editor", "WrapByPosition", &AppSettings::WrapByPosition, Kind::Number, 15, 150},
    {"Editor", "InsMode", &AppSettings::InsMode, Kind::Flag},
    {"Editor", "PersistentBlocks", &AppSettings::PersistentBlocks, Kind::Flag},
    {"Editor", "InputEraseSelect", &AppSettings::InputEraseSelect, Kind::Flag},
    {"Editor", "TabSize", &AppSettings::TabSize, Kind::Number, 1, 15},
    {"Editor", "AutoIndent", &AppSettings::AutoIndent, Kind::Flag},
    {"Editor", "AutoBracket", &AppSettings::AutoBracket, Kind::Flag},
    {"Editor", "FillTabs", &AppSettings::FillTabs, Kind::Flag},
    {"View", "ShowTabs", &AppSettings::ShowTabs, Kind::Flag},
    {"View", "InfoMode", &AppSettings::InfoMode, Kind::Number, 0, 2},
    // Every code page id and 5 (detect) come back as stored; anything else is WIN.
    {"View", "Encoding", &AppSettings::Encoding, Kind::Number, 0, 5},
    {"General", "DefaultExt", &AppSettings::DefaultExt, Kind::String},
    {"General", "TagChars", &AppSettings::TagChars, Kind::String},
    {"General", "DisableAuto", &AppSettings::DisableAuto, Kind::Flag},
    {"General", "AutoClipbrd", &AppSettings::AutoClipbrd, Kind::Flag},
    {"General", "IntSwitch", &AppSettings::IntSwitch, Kind::Flag},
    {"General", "MouseMenu", &AppSettings::MouseMenu, Kind::Flag},
    {"General", "ToTray", &AppSettings::ToTray, Kind::Flag},
    {"General", "Language", &AppSettings::Language, Kind::Number, 0, 1},
    {"General", "EscMode", &AppSettings::EscMode, Kind::Number, 0, 3},
    {"General", "CreateBak", &AppSettings::CreateBak, Kind::Number, 0, 3},
    {"General", "CreatePath", &AppSettings::CreatePath, Kind::String},
    {"General", "StoryDir", &AppSettings::StoryDir, Kind::Flag},
    {"General", "PrevDirPath", &AppSettings::PrevDirPath, Kind::String},
    {"General", "MRUmax", &AppSettings::MRUmax, Kind::Number, 0, 15},
    {"General", "AutoSave", &AppSettings::AutoSave, Kind::Number, 0, 60},
    {"General", "InterfaceFile", &AppSettings::InterfaceFile, Kind::String},
    {"General", "KbdLayoutFile", &AppSettings::KbdLayoutFile, Kind::String},
    {"General", "TranslitTableFile", &AppSettings::TranslitTableFile, Kind::String},
    {"General", "ConvertTo", &AppSettings::ConvertTo, Kind::Number, -1, 5},
    {"Find", "MatchCase", &AppSettings::MatchCase, Kind::Flag},
    {"Find", "MatchWhole", &AppSettings::MatchWhole, Kind::Flag},
    {"Find", "RegExpr", &AppSettings::RegExpr, Kind::Flag},
    {"Find", "Recurcive", &AppSettings::Recurcive, Kind::Flag},
    {"Find", "Direction", &AppSettings::Direction, Kind::Number},
    {"Find", "Where", &AppSettings::Where, Kind::Number},
};

void LoadField(const ProfileStore& store, const Field& field, AppSettings& settings)
{
    if (field.kind == Kind::String) {
        if (auto text = store.GetString(field.section, field.name))
            settings.*std::get<std::string AppSettings::*>(field.member) = std::move(*text);
        return;
    }
    const auto stored = store.GetInt(field.section, field.name);
    if (!stored)
        return;
    int value = static_cast<int>(*stored);
    if (field.kind == Kind::Flag)
        value = value != 0;
    else if (value < field.min || value > field.max)
        return;
    if (auto* member = std::get_if<int AppSettings::*>(&field.member))
        settings.**member = value;
    else
        settings.*std::get<std::uint8_t AppSettings::*>(field.member) = static_cast<std::uint8_t>(value);
}

void SaveField(ProfileStore& store, const Field& field, const AppSettings& settings)
{
    if (const auto* text = std::get_if<std::string AppSettings::*>(&field.member))
        store.SetString(field.section, field.name, settings.**text);
    else if (const auto* number = std::get_if<int AppSettings::*>(&field.member))
        store.SetInt(field.section, field.name, static_cast<std::uint32_t>(settings.**number));
    else
        store.SetInt(field.section, field.name, settings.*std::get<std::uint8_t AppSettings::*>(field.member));
}

std::uint32_t TakeColor(const std::vector<std::uint8_t>& block, std::size_t slot)
{
    const std::uint8_t* p = block.data() + 4 * slot;
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

LogFont ReadFont(const ProfileStore& store, const char* name, const LogFont& fallback)
{
    const auto block = ReadBlock(store, "View", name, LogFont::kBlockSize);
    return block ? *LogFont::FromBlock(*block) : fallback;
}

std::string Numbered(const char* name, int i)
{
    return name + std::to_string(i);
}

// Lists the store keeps as Name0, Name1, ... up to the first missing or
// empty value.
template <typename Each>
void ReadNumberedUntilEmpty(const ProfileStore& store, const char* section, const char* name, Each each)
{
    for (int i = 0;; ++i) {
        const std::string value = store.GetString(section, Numbered(name, i), "");
        if (value.empty())
            return;
        each(i, value);
    }
}

// Counted lists cannot make loading spin on a damaged count.
constexpr int kLongestStoredList = 256;

const std::uint8_t kDefaultToolbar[] = {0,  1,  3,  4,  100, 7,  8,  100, 13, 11, 12, 9,  10,  100, 14,
                                        100, 15, 16, 44, 100, 28, 27, 100, 33, 34, 35, 36, 100, 32};

} // namespace

ColorTable DefaultColors()
{
    return {0x000000, 0x0000FF, 0x007F00, 0x7F0000, 0xFF0000, 0x00007F, 0x000000, 0xFF0000, 0xFFFFFF, 0x9F9F9F,
            0xE6A56A, 0x7F7F7F, 0x7F7F00, 0x000000, 0x00FF00, 0x00FFFF, 0x7F0000, 0xFFFFFF, 0x000000};
}

std::optional<std::vector<std::uint8_t>> ReadBlock(const ProfileStore& store, const char* section, const char* name,
                                                   std::size_t size)
{
    auto block = store.GetBinary(section, name);
    if (!block || block->size() != size)
        return std::nullopt;
    return block;
}

void LoadSettings(const ProfileStore& store, AppSettings& settings, SettingsEnvironment& env)
{
    settings.InterFnt = settings.OutFont = env.DefaultGuiFont();
    for (const Field& field : kFields)
        LoadField(store, field, settings);
    if (const auto colors = ReadBlock(store, "View", "Colors", 4 * COLOR_SLOT_COUNT)) {
        for (std::size_t slot = 0; slot < COLOR_SLOT_COUNT; ++slot)
            settings.Colors[slot] = TakeColor(*colors, slot);
    }
    settings.Font = ReadFont(store, "Font", settings.Font);
    settings.InterFnt = ReadFont(store, "InterFnt", settings.InterFnt);
    settings.OutFont = ReadFont(store, "OutFont", settings.OutFont);
    if (settings.CreateBak == 3 && !env.DirectoryExists(settings.CreatePath))
        settings.CreateBak = 0; // for this run only; the store keeps 3
    if (settings.StoryDir && !settings.PrevDirPath.empty())
        env.ChangeDirectory(settings.PrevDirPath);
    CheckTranslitTable(settings);
    LoadTools(store, settings);
}

void SaveSettings(ProfileStore& store, const AppSettings& settings)
{
    for (const Field& field : kFields)
        SaveField(store, field, settings);
    SaveColors(store, settings.Colors);
    store.SetBinary("View", "Font", settings.Font.ToBlock());
    store.SetBinary("View", "InterFnt", settings.InterFnt.ToBlock());
    store.SetBinary("View", "OutFont", settings.OutFont.ToBlock());
}

void TakeOverValues(ProfileStore& store, const AppSettings& draft, AppSettings& live,
                    std::span<const std::string_view> names)
{
    for (std::string_view name : names) {
        const auto field = std::find_if(std::begin(kFields), std::end(kFields),
                                        [name](const Field& f) { return f.name == name; });
        if (field == std::end(kFields))
            continue;
        std::visit([&](auto member) { live.*member = draft.*member; }, field->member);
        SaveField(store, *field, live);
    }
}

void SaveColors(ProfileStore& store, const ColorTable& table)
{
    std::vector<std::uint8_t> colors;
    for (std::uint32_t color : table) {
        for (int shift = 0; shift < 32; shift += 8)
            colors.push_back(static_cast<std::uint8_t>(color >> shift));
    }
    store.SetBinary("View", "Colors", colors);
}

void LoadHighlightSchemeEntries(const ProfileStore& store, AppSettings& settings)
{
    settings.schemeEntries.clear();
    ReadNumberedUntilEmpty(store, "Extensions", "Ext", [&](int i, const std::string& extensions) {
        settings.schemeEntries.push_back({extensions, store.GetString("Extensions", Numbered("DataFile", i), "")});
    });
    const int stored = store.GetInt("Extensions", "Default", 0);
    settings.DefaultScheme = std::clamp(stored, 0, static_cast<int>(settings.schemeEntries.size()));
}

void SaveHighlightSchemeEntries(ProfileStore& store, const AppSettings& settings)
{
    const auto& entries = settings.schemeEntries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        store.SetString("Extensions", Numbered("Ext", static_cast<int>(i)), entries[i].extensions);
        store.SetString("Extensions", Numbered("DataFile", static_cast<int>(i)), entries[i].dataFile);
    }
    // An empty entry ends the list.
    store.SetString("Extensions", Numbered("Ext", static_cast<int>(entries.size())), "");
    store.SetInt("Extensions", "Default", static_cast<std::uint32_t>(settings.DefaultScheme));
}

void LoadOpenSaveTypes(const ProfileStore& store, AppSettings& settings)
{
    settings.openSaveTypes.clear();
    const int count = std::min(store.GetInt("OpenSave", "Count", 0), kLongestStoredList);
    for (int i = 1; i <= count; ++i) {
        FileType type{store.GetString("OpenSave", Numbered("TypeText", i), ""),
                      store.GetString("OpenSave", Numbered("TypeExt", i), "")};
        if (!type.description.empty())
            settings.openSaveTypes.push_back(std::move(type));
    }
}

void SaveOpenSaveTypes(ProfileStore& store, const AppSettings& settings)
{
    const auto& types = settings.openSaveTypes;
    store.SetInt("OpenSave", "Count", static_cast<std::uint32_t>(types.size()));
    for (std::size_t i = 0; i < types.size(); ++i) {
        store.SetString("OpenSave", Numbered("TypeText", static_cast<int>(i + 1)), types[i].description);
        store.SetString("OpenSave", Numbered("TypeExt", static_cast<int>(i + 1)), types[i].patterns);
    }
}

void LoadClipLibraries(const ProfileStore& store, AppSettings& settings)
{
    for (int i = 0; i < kClipLibrarySlots; ++i)
        settings.Libfile[static_cast<std::size_t>(i)] = store.GetString("ClipLibs", Numbered("Libfile", i), "");
}

void SaveClipLibraries(ProfileStore& store, const AppSettings& settings)
{
    for (int i = 0; i < kClipLibrarySlots; ++i)
        store.SetString("ClipLibs", Numbered("Libfile", i), settings.Libfile[static_cast<std::size_t>(i)]);
}

void LoadAutoSave(const ProfileStore& store, AppSettings& settings)
{
    const int minutes = store.GetInt("General", "AutoSave", 0);
    settings.AutoSave = minutes >= 0 && minutes <= 60 ? minutes : 0;
    settings.AutoSaveActive = settings.AutoSave != 0;
}

void LoadTools(const ProfileStore& store, AppSettings& settings)
{
    settings.tools.clear();
    ReadNumberedUntilEmpty(store, "Execution", "Extension", [&](int i, const std::string& extensions) {
        settings.tools.push_back({ToLowerCp1251(extensions),
                                  store.GetString("Execution", Numbered("CmdLine", i), ""),
                                  store.GetInt("Execution", Numbered("Capture", i), 1)});
    });
}

void SaveTools(ProfileStore& store, const AppSettings& settings)
{
    const auto& tools = settings.tools;
    for (std::size_t i = 0; i < tools.size(); ++i) {
        const int n = static_cast<int>(i);
        store.SetString("Execution", Numbered("Extension", n), tools[i].extensions);
        store.SetString("Execution", Numbered("CmdLine", n), tools[i].cmdLine);
        store.SetInt("Execution", Numbered("Capture", n), static_cast<std::uint32_t>(tools[i].capture));
    }
    store.SetString("Execution", Numbered("Extension", static_cast<int>(tools.size())), "");
}

void LoadPrintSettings(const ProfileStore& store, AppSettings& settings)
{
    PrintSettings& p = settings.print;
    const PrintSettings defaults;
    p.PrintHeader = store.GetInt("Print", "PrintHeader", defaults.PrintHeader);
    p.PrintFooter = store.GetInt("Print", "PrintFooter", defaults.PrintFooter);
    p.DrawLine = store.GetInt("Print", "DrawLine", defaults.DrawLine);
    p.SwapAlignment = store.GetInt("Print", "SwapAlignment", defaults.SwapAlignment);
    p.Left = store.GetInt("Print", "Left", defaults.Left);
    p.Top = store.GetInt("Print", "Top", defaults.Top);
    p.Right = store.GetInt("Print", "Right", defaults.Right);
    p.Bottom = store.GetInt("Print", "Bottom", defaults.Bottom);
    p.Header = store.GetString("Print", "Header", defaults.Header);
    p.Footer = store.GetString("Print", "Footer", defaults.Footer);
}

void SavePrintSettings(ProfileStore& store, const AppSettings& settings)
{
    const PrintSettings& p = settings.print;
    for (const auto& [name, value] : {std::pair{"PrintHeader", p.PrintHeader}, {"PrintFooter", p.PrintFooter},
                                      {"DrawLine", p.DrawLine}, {"SwapAlignment", p.SwapAlignment},
                                      {"Left", p.Left}, {"Top", p.Top}, {"Right", p.Right}, {"Bottom", p.Bottom}})
        store.SetInt("Print", name, static_cast<std::uint32_t>(value));
    store.SetString("Print", "Header", p.Header);
    store.SetString("Print", "Footer", p.Footer);
}

void LoadJustifySettings(const ProfileStore& store, AppSettings& settings)
{
    JustifySettings& j = settings.justify;
    const JustifySettings defaults;
    j.Mode = store.GetInt("Justify", "Mode", defaults.Mode);
    j.Left = store.GetInt("Justify", "Left", defaults.Left);
    j.Right = store.GetInt("Justify", "Right", defaults.Right);
    j.NewLineIndent = store.GetInt("Justify", "NewLineIndent", defaults.NewLineIndent);
    j.NewLine = store.GetInt("Justify", "NewLine", defaults.NewLine);
}

void SaveJustifySettings(ProfileStore& store, const AppSettings& settings)
{
    const JustifySettings& j = settings.justify;
    store.SetInt("Justify", "Mode", static_cast<std::uint32_t>(j.Mode));
    store.SetInt("Justify", "Left", static_cast<std::uint32_t>(j.Left));
    store.SetInt("Justify", "Right", static_cast<std::uint32_t>(j.Right));
    store.SetInt("Justify", "NewLineIndent", static_cast<std::uint32_t>(j.NewLineIndent));
    store.SetInt("Justify", "NewLine", static_cast<std::uint32_t>(j.NewLine));
}

void LoadFindInFilesHistory(const ProfileStore& store, AppSettings& settings)
{
    settings.findMasks.clear();
    settings.findDirs.clear();
    for (int i = 0; i < kFindInFilesHistory; ++i) {
        const std::string mask = store.GetString("FindInFiles", Numbered("Mask", i), "");
        const std::string dir = store.GetString("FindInFiles", Numbered("Dir", i), "");
        if (!mask.empty())
            settings.findMasks.push_back(mask);
        if (!dir.empty())
            settings.findDirs.push_back(dir);
    }
}

void SaveFindInFilesHistory(ProfileStore& store, const AppSettings& settings)
{
    auto save = [&](const char* name, const std::vector<std::string>& list) {
        for (int i = 0; i < kFindInFilesHistory; ++i)
            store.SetString("FindInFiles", Numbered(name, i),
                            i < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(i)] : "");
    };
    save("Mask", settings.findMasks);
    save("Dir", settings.findDirs);
}

ToolbarLayout LoadToolbarLayout(ProfileStore& store)
{
    ToolbarLayout layout;
    layout.LargeButtons = store.GetInt("MainToolBar", "LargeButtons", 0) != 0;
    const int size = store.GetInt("MainToolBar", "Size", 0);
    if (size > 0) {
        if (auto data = ReadBlock(store, "MainToolBar", "Data", static_cast<std::size_t>(size))) {
            layout.buttons = std::move(*data);
            return layout;
        }
    }
    layout.buttons.assign(std::begin(kDefaultToolbar), std::end(kDefaultToolbar));
    SaveToolbarLayout(store, layout);
    return layout;
}

void SaveToolbarLayout(ProfileStore& store, const ToolbarLayout& layout)
{
    store.SetInt("MainToolBar", "Size", static_cast<std::uint32_t>(layout.buttons.size()));
    store.SetBinary("MainToolBar", "Data", layout.buttons);
    store.SetInt("MainToolBar", "LargeButtons", layout.LargeButtons ? 1u : 0u);
}

std::optional<WindowPlacement> ReadFramePlacement(const ProfileStore& store)
{
    const auto status = store.GetInt("WinPos", "WinStatus");
    const auto top = store.GetInt("WinPos", "WinTop");
    const auto left = store.GetInt("WinPos", "WinLeft");
    const auto bottom = store.GetInt("WinPos", "WinBottom");
    const auto right = store.GetInt("WinPos", "WinRight");
    if (!status || !top || !left || !bottom || !right)
        return std::nullopt;
    return WindowPlacement{static_cast<int>(*status), static_cast<int>(*top), static_cast<int>(*left),
                           static_cast<int>(*bottom), static_cast<int>(*right)};
}

WindowPlacement ReadFirstViewPlacement(const ProfileStore& store)
{
    const WindowPlacement& d = kFirstViewDefault;
    return WindowPlacement{store.GetInt("WinPos", "ViewStatus", d.status), store.GetInt("WinPos", "ViewTop", d.top),
                           store.GetInt("WinPos", "ViewLeft", d.left), store.GetInt("WinPos", "ViewBottom", d.bottom),
                           store.GetInt("WinPos", "ViewRight", d.right)};
}

void SaveSettingsAtClose(ProfileStore& store, const AppSettings& settings, const ClosingState& closing,
                         const SettingsEnvironment& env)
{
    auto setInt = [&](const char* section, const char* name, int value) {
        store.SetInt(section, name, static_cast<std::uint32_t>(value));
    };
    setInt("Editor", "WrapOn", settings.WrapOn);
    setInt("Editor", "InsMode", settings.InsMode);
    setInt("View", "ShowTabs", settings.ShowTabs);
    setInt("View", "Encoding", settings.Encoding);
    setInt("WinPos", "WinStatus", closing.frame.status);
    setInt("WinPos", "WinTop", closing.frame.top);
    setInt("WinPos", "WinLeft", closing.frame.left);
    setInt("WinPos", "WinBottom", closing.frame.bottom);
    setInt("WinPos", "WinRight", closing.frame.right);
    if (closing.activeView) {
        setInt("WinPos", "ViewStatus", closing.activeView->status);
        setInt("WinPos", "ViewTop", closing.activeView->top);
        setInt("WinPos", "ViewLeft", closing.activeView->left);
        setInt("WinPos", "ViewBottom", closing.activeView->bottom);
        setInt("WinPos", "ViewRight", closing.activeView->right);
    } else {
        setInt("WinPos", "ViewStatus", 3);
    }
    setInt("View", "ToolBar", closing.toolBarVisible);
    setInt("View", "StatusBar", closing.statusBarVisible);
    setInt("View", "LabelBar", closing.labelBarVisible);
    setInt("View", "InfoMode", settings.InfoMode);
    setInt("General", "Language", settings.Language);
    store.SetString("General", "TagChars", settings.TagChars);
    if (store.GetInt("General", "StoryDir", 1) == 1) {
        std::string current = env.CurrentDirectory().value_or("");
        if (current.size() > 260)
            current.clear(); // longer than any directory the program could have set
        store.SetString("General", "PrevDirPath", current);
    }
    setInt("Find", "MatchCase", settings.MatchCase);
    setInt("Find", "MatchWhole", settings.MatchWhole);
    setInt("Find", "RegExpr", settings.RegExpr);
    setInt("Find", "Direction", settings.Direction);
    setInt("Find", "Where", settings.Where);
    setInt("Find", "Recurcive", settings.Recurcive);
    setInt("Extensions", "Default", settings.DefaultScheme);
}
