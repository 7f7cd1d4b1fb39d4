// Any bytes as a command line: the arguments are a tail of it, and opening
// them hands on only paths that fit, or makes one untitled document when
// nothing opens.
#include "core/app/command_line.h"
#include "core/settings/app_settings.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Files of a pretend disk: every name below C:\work\ without wildcards
// exists; a pattern matches the files "a.txt" and "b.txt".
class Opener : public PathOpener {
public:
    std::optional<std::string> FullPath(const std::string& path) override
    {
        if (path.find('|') != std::string::npos)
            return std::nullopt;
        return path.size() > 1 && path[1] == ':' ? path : "C:\\work\\" + path;
    }
    std::vector<std::string> MatchingFiles(const std::string& pattern) override
    {
        if (pattern.find_first_of("*?") != std::string::npos)
            return {"a.txt", "b.txt"};
        if (pattern.find('"') != std::string::npos)
            return {};
        return {pattern.substr(pattern.find_last_of("\\/") + 1)};
    }
    void OpenDocument(const std::string& path, const OpenOptions&) override
    {
        if (path.empty() || path.size() > 260 + 5) // a directory of at most 260 and a matched name
            std::abort();
        ++opened;
    }
    void NewDocument() override { ++untitled; }

    int opened = 0;
    int untitled = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string arguments = ArgumentsOf(text);
    if (arguments.size() > text.size() || text.compare(text.size() - arguments.size(), arguments.size(), arguments) != 0)
        std::abort();
    AppSettings settings;
    Opener opener;
    ProcessCommandLine(arguments, settings, opener);
    if ((opener.opened > 0) == (opener.untitled > 0) || opener.untitled > 1)
        std::abort();
    return 0;
}
