#include "core/app/find_in_files.h"

#include "core/platform/file_system.h"
#include "core/settings/app_settings.h"
#include "core/text/quote_argument.h"

std::string FinderCommandLine(const std::string& programDir, const FinderSearch& search)
{
    std::string line = QuoteArgument(programDir + "find.exe");
    if (search.wholeWord)
        line += " -w";
    if (search.matchCase)
        line += " -c";
    if (search.subfolders)
        line += " -r";
    for (const std::string* value : {&search.folder, &search.masks, &search.what})
        line += " " + QuoteArgument(*value);
    return line;
}

FindInFilesStart FindInFilesStartOf(const std::string& documentPath, const std::string& currentFolder,
                                    const std::string& defaultExt, const std::vector<std::string>& savedMasks)
{
    FindInFilesStart start;
    if (documentPath.empty()) {
        start.folder = currentFolder;
        start.mask = "*." + defaultExt;
    } else {
        const std::string name = FileNameOf(documentPath);
        start.folder = documentPath.substr(0, documentPath.size() - name.size());
        const std::size_t dot = name.rfind('.');
        start.mask = "*" + (dot == std::string::npos ? std::string() : name.substr(dot));
    }
    const std::string mask = start.mask;
    for (const std::string& saved : savedMasks)
        if (saved.find(mask) != std::string::npos)
            start.mask = saved;
    return start;
}

std::string BrowseStartOf(std::string folder)
{
    while (!folder.empty() && folder.back() == ' ')
        folder.pop_back();
    if (folder.size() > 1 && folder.back() == '\\' && DirectoryOf(folder) != folder)
        folder.pop_back();
    return folder;
}

void RememberTyped(std::vector<std::string>& list, const std::string& text)
{
    if (text.empty())
        return;
    list.insert(list.begin(), text);
    if (list.size() > static_cast<std::size_t>(kFindInFilesHistory))
        list.resize(kFindInFilesHistory);
}
