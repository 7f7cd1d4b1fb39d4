#include "core/app/recent_files.h"

#include "core/platform/profile_store.h"
#include "core/text/cp1251.h"

#include <algorithm>

namespace {

constexpr const char* kSection = "MRUList";
constexpr std::size_t kDisplayWidth = 30;

std::string EntryName(int index)
{
    return "File" + std::to_string(index + 1);
}

bool IsSeparator(char ch)
{
    return ch == '\\' || ch == '/';
}

} // namespace

void RecentFileList::Load(const ProfileStore& store)
{
    m_entries.clear();
    for (int i = 0; i < m_max; ++i) {
        const std::string path = store.GetString(kSection, EntryName(i), "");
        if (!path.empty())
            m_entries.push_back(path);
    }
}

void RecentFileList::Save(ProfileStore& store) const
{
    for (int i = 0; i < m_max; ++i)
        store.SetString(kSection, EntryName(i), i < static_cast<int>(m_entries.size()) ? m_entries[i] : "");
}

void RecentFileList::Add(const std::string& path)
{
    if (m_max == 0 || path.empty())
        return;
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [&](const std::string& e) { return EqualsIgnoringCase(e, path); }),
                    m_entries.end());
    m_entries.insert(m_entries.begin(), path);
    if (static_cast<int>(m_entries.size()) > m_max)
        m_entries.resize(static_cast<std::size_t>(m_max));
}

std::string AbbreviatePath(const std::string& path, std::size_t width)
{
    if (path.size() <= width)
        return path;
    std::size_t nameStart = path.size();
    while (nameStart > 0 && !IsSeparator(path[nameStart - 1]))
        --nameStart;
    const std::string name = path.substr(nameStart);
    // The root: "C:\", "\\server\share\" or a leading separator.
    std::size_t rootEnd = 0;
    if (path.size() > 2 && path[1] == ':' && IsSeparator(path[2]))
        rootEnd = 3;
    else if (path.size() > 1 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        rootEnd = 2;
        for (int parts = 0; parts < 2 && rootEnd < path.size(); ++parts) {
            while (rootEnd < path.size() && !IsSeparator(path[rootEnd]))
                ++rootEnd;
            if (rootEnd < path.size())
                ++rootEnd;
        }
    }
    const std::string root = path.substr(0, std::min(rootEnd, nameStart));
    const std::string dots = "...\\";
    if (root.size() + dots.size() + name.size() > width)
        return dots.size() + name.size() <= width ? dots + name : name;
    // Keep as many whole directories in front of the name as fit.
    std::size_t tail = nameStart;
    for (std::size_t i = root.size() + 1; i < nameStart; ++i) {
        if (IsSeparator(path[i - 1]) && root.size() + dots.size() + (path.size() - i) <= width) {
            tail = i;
            break;
        }
    }
    return root + dots + path.substr(tail);
}

std::string RecentFileMenuText(int index, const std::string& path, const std::string& currentDir)
{
    std::string shown = path;
    if (!currentDir.empty()) {
        std::string dir = currentDir;
        if (!IsSeparator(dir.back()))
            dir.push_back('\\');
        if (shown.size() > dir.size() && EqualsIgnoringCase(std::string_view(shown).substr(0, dir.size()), dir) &&
            shown.find_first_of("\\/", dir.size()) == std::string::npos)
            shown = shown.substr(dir.size());
    }
    shown = AbbreviatePath(shown, kDisplayWidth);
    std::string text = "&" + std::to_string((index + 1) % 10) + " ";
    for (char ch : shown) {
        text.push_back(ch);
        if (ch == '&')
            text.push_back('&');
    }
    return text;
}
