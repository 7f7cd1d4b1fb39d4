#pragma once

#include <string>
#include <vector>

class ProfileStore;

// The recent-file list: newest first, each path once (letter case aside),
// at most MRUmax entries, kept as "MRUList" "File1".. in the store.
class RecentFileList {
public:
    explicit RecentFileList(int maxEntries) : m_max(maxEntries < 0 ? 0 : maxEntries) {}

    void Load(const ProfileStore& store);
    void Save(ProfileStore& store) const;
    void Add(const std::string& path);
    const std::vector<std::string>& Entries() const { return m_entries; }
    int MaxEntries() const { return m_max; }

private:
    int m_max;
    std::vector<std::string> m_entries;
};

// The text of recent-file menu item `index` (from 0): "&%d " with
// (index + 1) mod 10, then the path relative to `currentDir` when the file
// lies there, shortened to 30 characters, with every "&" doubled.
std::string RecentFileMenuText(int index, const std::string& path, const std::string& currentDir);

// A path shortened to at most `width` characters, keeping its file name:
// "C:\...\dir\name.txt".
std::string AbbreviatePath(const std::string& path, std::size_t width);
