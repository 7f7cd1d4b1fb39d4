#include "core/app/command_line.h"

#include "core/settings/app_settings.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::size_t kMaxPath = 260;

// Drive and directory of an absolute path: everything up to its last
// backslash or slash.
std::string DirectoryOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The blank-separated tokens of a command line, quotes keeping blanks
// inside (and staying in the token); no empty ones.
std::vector<std::string> Tokens(const std::string& text)
{
    std::vector<std::string> tokens;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] == '"') {
            quoted = !quoted;
        } else if (i == text.size() || (text[i] == ' ' && !quoted)) {
            if (i > start)
                tokens.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return tokens;
}

} // namespace

bool OpenPathOrPattern(std::string path, bool strict, const AppSettings& settings, PathOpener& opener)
{
    if (path.empty())
        return false;
    if (path.back() == '"')
        path.pop_back();
    if (!path.empty() && path.front() == '"')
        path.erase(0, 1);
    const std::optional<std::string> absolute = opener.FullPath(path);
    if (!absolute || absolute->empty() || absolute->size() > kMaxPath)
        return false;
    const std::vector<std::string> matches = opener.MatchingFiles(*absolute);
    if (matches.empty()) {
        if (strict)
            return false;
        opener.OpenDocument(*absolute, OpenInEncoding(settings.Encoding));
        return true;
    }
    const std::string directory = DirectoryOf(*absolute);
    const OpenOptions options = OpenWithoutChoice(settings.DisableAuto, settings.Encoding);
    for (const std::string& name : matches)
        opener.OpenDocument(directory + name, options);
    return true;
}

void ProcessCommandLine(const std::string& text, const AppSettings& settings, PathOpener& opener)
{
    if (text.empty()) {
        opener.NewDocument();
        return;
    }
    if (OpenPathOrPattern(text, true, settings, opener))
        return;
    bool opened = false;
    for (const std::string& token : Tokens(text))
        opened |= OpenPathOrPattern(token, false, settings, opener);
    if (!opened)
        opener.NewDocument();
}

std::vector<std::string> SplitCommandLine(const std::string& text, std::size_t maxBytes)
{
    std::vector<std::string> pieces;
    if (text.size() <= maxBytes) {
        pieces.push_back(text);
        return pieces;
    }
    std::string piece;
    for (const std::string& token : Tokens(text)) {
        if (!piece.empty() && piece.size() + 1 + token.size() > maxBytes)
            pieces.push_back(std::exchange(piece, {}));
        if (!piece.empty())
            piece += ' ';
        piece += token.substr(0, maxBytes);
    }
    if (!piece.empty())
        pieces.push_back(piece);
    return pieces;
}

std::string ArgumentsOf(const std::string& commandLine)
{
    std::size_t at = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        const std::size_t close = commandLine.find('"', 1);
        at = close == std::string::npos ? commandLine.size() : close + 1;
    } else {
        at = std::min(commandLine.find_first_of(" \t"), commandLine.size());
    }
    while (at < commandLine.size() && (commandLine[at] == ' ' || commandLine[at] == '\t'))
        ++at;
    return commandLine.substr(at);
}
