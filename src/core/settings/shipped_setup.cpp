#include "core/settings/shipped_setup.h"

#include "core/platform/file_system.h"
#include "core/platform/profile_store.h"

#include <string_view>

namespace {

struct ShippedScheme {
    std::string_view file;
    std::string_view name;
    std::string_view extensions; // blank-separated, as the Highlight page keeps them
};

constexpr ShippedScheme kSchemes[] = {
    {"c.hgh", "C/C++", "c cpp cxx cc h hpp hxx"},
    {"html.hgh", "HTML", "htm html shtml"},
    {"javascript.hgh", "JavaScript", "js"},
    {"pascal.hgh", "Pascal", "pas dpr pp"},
    {"perl.hgh", "Perl", "pl pm"},
    {"python.hgh", "Python", "py pyw"},
    {"shell.hgh", "Shell script", "sh bash"},
    {"batch.hgh", "Batch file", "bat cmd"},
    {"sql.hgh", "SQL", "sql"},
    {"tex.hgh", "TeX", "tex sty"},
};

// "c cpp h" -> "*.c;*.cpp;*.h"
std::string PatternsOf(std::string_view extensions)
{
    std::string patterns;
    while (!extensions.empty()) {
        const std::size_t blank = extensions.find(' ');
        if (!patterns.empty())
            patterns += ';';
        patterns += "*.";
        patterns += extensions.substr(0, blank);
        extensions = blank == std::string_view::npos ? std::string_view{} : extensions.substr(blank + 1);
    }
    return patterns;
}

} // namespace

void ApplyShippedSetup(ProfileStore& store, FileSystem& files, const std::string& programDir)
{
    auto shipped = [&](std::string_view name) {
        std::string path = programDir + std::string(name);
        return files.Exists(path) ? path : std::string{};
    };
    // The program folder ends with the platform's separator.
    const char separator = programDir.empty() ? '\\' : programDir.back();
    if (std::string layout = shipped("russian.kbd"); !layout.empty())
        store.SetString("General", "KbdLayoutFile", layout);
    if (std::string table = shipped("gost.ttb"); !table.empty())
        store.SetString("General", "TranslitTableFile", table);
    if (std::string library = shipped("html.lib"); !library.empty())
        store.SetString("ClipLibs", "Libfile0", library);

    int schemes = 0;
    for (const ShippedScheme& scheme : kSchemes) {
        const std::string dataFile = shipped("highlight" + std::string(1, separator) + std::string(scheme.file));
        if (dataFile.empty())
            continue;
        const std::string patterns = PatternsOf(scheme.extensions);
        const std::string number = std::to_string(schemes);
        store.SetString("Extensions", "Ext" + number, std::string(scheme.extensions));
        store.SetString("Extensions", "DataFile" + number, dataFile);
        const std::string type = std::to_string(++schemes);
        store.SetString("OpenSave", "TypeText" + type, std::string(scheme.name) + " (" + patterns + ")");
        store.SetString("OpenSave", "TypeExt" + type, patterns);
    }
    store.SetString("Extensions", "Ext" + std::to_string(schemes), "");
    store.SetInt("OpenSave", "Count", static_cast<std::uint32_t>(schemes));
}
