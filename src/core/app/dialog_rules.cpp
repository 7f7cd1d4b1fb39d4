#include "core/app/dialog_rules.h"

#include "core/platform/profile_store.h"
#include "version.h"

namespace {

constexpr std::size_t kLongTitle = 31;
constexpr std::size_t kExtensionLength = 3;
// 310 for 3.1.0: the number stored settings have always had.
constexpr int kVersion = NOVEDA_VERSION_MAJOR * 100 + NOVEDA_VERSION_MINOR * 10 + NOVEDA_VERSION_PATCH;

void AddFilter(std::string& filter, std::string_view description, std::string_view patterns)
{
    filter += description;
    filter.push_back('\0');
    filter += patterns;
    filter.push_back('\0');
}

// The patterns a type's "(*.a;*.b)" names.
std::string_view PatternsOf(const DocString& type)
{
    const std::string_view text = type.text;
    const std::size_t open = text.rfind('(') + 1;
    return text.substr(open, text.rfind(')') - open);
}

} // namespace

std::string BuildOpenFilter(const std::vector<FileType>& types, const StringLookup& strings)
{
    std::string filter = BuildTypeFilter({kTextFilesType, kAllFilesType}, strings);
    filter.pop_back();
    for (const FileType& type : types)
        AddFilter(filter, type.description, type.patterns);
    return filter + BuildTypeFilter({kEncryptedFilesType}, strings);
}

std::string BuildTypeFilter(std::initializer_list<DocString> types, const StringLookup& strings)
{
    std::string filter;
    for (const DocString& type : types)
        AddFilter(filter, TextOf(type, strings), PatternsOf(type));
    filter.push_back('\0');
    return filter;
}

std::string SaveQuestionTitle(const std::string& title)
{
    if (title.size() < kLongTitle)
        return title;
    const std::size_t slash = title.rfind('\\');
    return "..." + (slash == std::string::npos ? title : title.substr(slash));
}

std::string DefaultExtensionForPattern(std::string_view pattern)
{
    const std::size_t star = pattern.find("*.");
    if (star == std::string_view::npos)
        return {};
    std::string_view extension = pattern.substr(star + 2);
    extension = extension.substr(0, extension.find(';'));
    if (extension.empty() || extension == "*")
        return {};
    return std::string(extension.substr(0, kExtensionLength));
}

std::vector<std::string> SplitOpenFileNames(std::string_view buffer)
{
    std::vector<std::string> parts;
    while (!buffer.empty() && buffer.front() != '\0') {
        const std::size_t end = buffer.find('\0');
        parts.emplace_back(buffer.substr(0, end));
        buffer.remove_prefix(end == std::string_view::npos ? buffer.size() : end + 1);
    }
    if (parts.size() <= 1)
        return parts;
    std::string directory = parts.front();
    if (directory.back() != '\\')
        directory += '\\';
    std::vector<std::string> paths;
    for (std::size_t i = 1; i < parts.size(); ++i)
        paths.push_back(directory + parts[i]);
    return paths;
}

bool RecordStart(ProfileStore& store, const std::string& programDir)
{
    const int version = store.GetInt("General", "Version", -1);
    if (version < kVersion)
        store.SetInt("General", "Version", kVersion);
    if (version != -1)
        return false;
    store.SetString("General", "ExecPath", programDir + "noveda.exe");
    return true;
}
