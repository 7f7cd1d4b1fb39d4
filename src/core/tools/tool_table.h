#pragma once

#include "core/settings/app_settings.h"

#include <optional>
#include <string>
#include <string_view>

// The first tool whose extension list names `key` ("cpp", or the document's
// key "cpp " with its trailing blank); none for an empty key.
const ToolEntry* FindTool(const std::vector<ToolEntry>& tools, std::string_view key);

// How Execute starts a document's file.
struct ToolLaunch {
    enum Kind { OpenWithShell, Detached, Captured };
    Kind kind;
    std::string command; // the file's path for OpenWithShell
};

// The first tool of the file's extension, else the system's own program for
// it; nothing when the file name has no dot (an untitled document, a
// "Makefile" in "C:\my.dir").
std::optional<ToolLaunch> LaunchFor(const std::vector<ToolEntry>& tools, const std::string& path);

// `cmdLine` with its first "&f" standing for `path`. A path with a blank is
// quoted so that it reaches the tool as one argument, unless the command
// line quotes it already.
std::string ToolCommandLine(std::string_view cmdLine, std::string_view path);
