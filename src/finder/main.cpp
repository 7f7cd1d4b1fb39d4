// find.exe, the finder that Find in files starts:
//   find [-w] [-c] [-r] "folder" "masks" "text"
// prints "<path>(<line>) : <text>" for every line holding the text, then how
// many hits it found. Exit code 0 with hits, 1 without, 2 for a wrong
// command line or a folder that cannot be read.
#include "core/tools/finder.h"
#include "win32/app/text_conversion.h"
#include "win32/app/win_file_system.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

void Print(HANDLE to, std::string_view text)
{
    DWORD written = 0;
    WriteFile(to, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// The arguments by the system's rules, as the editor quoted them, in cp1251.
std::vector<std::string> Arguments()
{
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(ToCp1251(wide[i]));
    LocalFree(wide);
    return arguments;
}

} // namespace

int main()
{
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    const std::optional<FinderOptions> options = ParseFinderArguments(Arguments());
    if (!options) {
        Print(GetStdHandle(STD_ERROR_HANDLE), kFinderUsage);
        return 2;
    }
    WinFileSystem files;
    const FinderCounts counts = RunFinder(*options, files, [out](std::string_view text) { Print(out, text); });
    if (counts.folderMissing)
        return 2;
    Print(out, FinderSummary(counts));
    return counts.hits > 0 ? 0 : 1;
}
