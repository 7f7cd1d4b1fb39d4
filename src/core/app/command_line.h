#pragma once

#include "core/doc/open_options.h"

#include <optional>
#include <string>
#include <vector>

struct AppSettings;

// What opening files from a command line needs of the system and the frame.
class PathOpener {
public:
    virtual ~PathOpener() = default;
    // The absolute form of a path; none when it cannot be made.
    virtual std::optional<std::string> FullPath(const std::string& path) = 0;
    // The names (without directory) of the files matching an absolute path
    // whose last part may hold "*" and "?", in the file system's order.
    virtual std::vector<std::string> MatchingFiles(const std::string& pattern) = 0;
    virtual void OpenDocument(const std::string& path, const OpenOptions& options) = 0;
    virtual void NewDocument() = 0;
};

// Opens every file matching one path: strict gives up when nothing matches,
// lenient hands the absolute path to OpenDocument anyway (the document
// reports a missing file). With DisableAuto 0 each file is opened with
// code-page detection. True when something was opened or handed on.
bool OpenPathOrPattern(std::string path, bool strict, const AppSettings& settings, PathOpener& opener);

// The files a command line names: the whole text as one path first (so an
// unquoted name with blanks opens), else each blank-separated token (quotes
// keep blanks inside) leniently; a new untitled document when nothing opens.
void ProcessCommandLine(const std::string& text, const AppSettings& settings, PathOpener& opener);

// A command line in pieces of at most `maxBytes` bytes for hand-overs of a
// limited size: each piece holds whole blank-separated tokens (quotes keep
// blanks inside), as ProcessCommandLine reads them; a single token longer
// than that is cut.
std::vector<std::string> SplitCommandLine(const std::string& text, std::size_t maxBytes);

// The arguments of a process's command line: what follows the program's
// name (quoted or not) and the blanks after it.
std::string ArgumentsOf(const std::string& commandLine);
