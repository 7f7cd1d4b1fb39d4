#include "core/tools/finder.h"

#include "core/doc/tab_cells.h"
#include "core/doc/text_doc.h"
#include "core/platform/file_system.h"
#include "core/settings/app_settings.h"
#include "core/text/code_pages.h"
#include "core/text/cp1251.h"
#include "core/tools/line_search.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kShownBytes = 1000; // of a hit's line: its place is what matters

class FileSearch {
public:
    FileSearch(const FinderOptions& options, FileSystem& files, const std::function<void(std::string_view)>& print)
        : m_options(options), m_files(files), m_print(print)
    {
    }

    // False when the folder cannot be listed.
    bool Folder(const std::string& folder)
    {
        const std::optional<std::vector<FolderEntry>> entries = m_files.ListFolder(folder);
        if (!entries) {
            m_print("Cannot read folder " + folder + "\r\n");
            return false;
        }
        for (const FolderEntry& entry : *entries)
            if (!entry.isFolder && Wanted(entry.name))
                File(JoinPath(folder, entry.name, folder));
        if (m_options.subfolders)
            for (const FolderEntry& entry : *entries)
                if (entry.isFolder)
                    Folder(JoinPath(folder, entry.name, folder));
        return true;
    }

    FinderCounts counts;

private:
    bool Wanted(const std::string& name) const
    {
        for (const std::string& mask : m_masks)
            if (MatchesMask(name, mask))
                return true;
        return false;
    }

    // The file is read as the editor opens it: its code page or Unicode
    // form detected, its lines broken where the editor breaks them.
    void File(const std::string& path)
    {
        CTextDoc doc(m_settings, nullptr, &m_files, nullptr);
        if (!doc.OnOpenDocument(path)) {
            m_print("Cannot read file " + path + "\r\n");
            return;
        }
        if (doc.LooksBinary())
            return;
        const std::uint8_t codePage = doc.GetCodePage();
        LineSearch search(m_options.what, m_options.wholeWord, false, codePage, m_options.matchCase);
        const int hitsBefore = counts.hits;
        std::string line;
        for (int i = 0; i < doc.GetLineCount(); ++i) {
            line.clear();
            const std::string_view cells = doc.GetLine(i);
            if (doc.KeepsTabsAsBytes())
                line.assign(cells);
            else
                AppendCellsAsText(line, cells);
            if (search.FindIn(line).Found())
                Hit(path, i + 1, line, codePage);
        }
        if (counts.hits > hitsBefore)
            ++counts.files;
    }

    void Hit(const std::string& path, int number, std::string& line, std::uint8_t codePage)
    {
        ++counts.hits;
        if (line.size() > kShownBytes)
            line.resize(kShownBytes);
        ConvertString(line, codePage, CP_WIN);
        std::replace(line.begin(), line.end(), '\r', ' '); // a hit is one line of the output
        m_print(path + "(" + std::to_string(number) + ") : " + line + "\r\n");
    }

    const FinderOptions& m_options;
    FileSystem& m_files;
    const std::function<void(std::string_view)>& m_print;
    std::vector<std::string> m_masks = SplitMasks(m_options.masks);
    AppSettings m_settings;
};

} // namespace

std::optional<FinderOptions> ParseFinderArguments(const std::vector<std::string>& arguments)
{
    FinderOptions options;
    std::size_t at = 0;
    for (; at < arguments.size() && arguments[at].size() == 2 && arguments[at][0] == '-'; ++at) {
        switch (arguments[at][1]) {
        case 'w': options.wholeWord = true; break;
        case 'c': options.matchCase = true; break;
        case 'r': options.subfolders = true; break;
        default: return std::nullopt;
        }
    }
    if (arguments.size() - at != 3 || arguments[at + 2].empty())
        return std::nullopt;
    options.folder = arguments[at];
    options.masks = arguments[at + 1];
    options.what = arguments[at + 2];
    return options;
}

std::vector<std::string> SplitMasks(std::string_view masks)
{
    std::vector<std::string> list;
    std::size_t at = 0;
    while (at < masks.size()) {
        const std::size_t end = std::min(masks.find_first_of("; ,", at), masks.size());
        if (end > at)
            list.emplace_back(masks.substr(at, end - at));
        at = end + 1;
    }
    return list;
}

bool MatchesMask(std::string_view name, std::string_view mask)
{
    if (mask == "*.*")
        return true;
    // The last "*" seen, and where in the name it is trying next.
    std::size_t n = 0, m = 0, star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            star = m++;
            resume = n;
        } else if (m < mask.size() && (mask[m] == '?' || ToLowerCp1251(mask[m]) == ToLowerCp1251(name[n]))) {
            ++m;
            ++n;
        } else if (star != std::string_view::npos) {
            m = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

FinderCounts RunFinder(const FinderOptions& options, FileSystem& files,
                       const std::function<void(std::string_view)>& print)
{
    FileSearch search(options, files, print);
    search.counts.folderMissing = !search.Folder(options.folder);
    return search.counts;
}

std::string FinderSummary(const FinderCounts& counts)
{
    return std::to_string(counts.hits) + (counts.hits == 1 ? " hit" : " hits") + " in " +
           std::to_string(counts.files) + (counts.files == 1 ? " file" : " files") + "\r\n";
}
