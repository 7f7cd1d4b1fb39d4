#pragma once

#include "core/platform/file_system.h"
#include "core/text/cp1251.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>

// Files in memory that fail on request: the Nth read, write or replace
// (counted over all files from 1), a copy, a short write, a temporary name, a create.
// A folder exists when it is listed in `directories` or holds a file; "."
// (a bare file name's folder) and roots always exist.
class FakeFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> directories;
    std::set<std::string> readOnly;
    std::set<std::string> unreadable; // exist, but cannot be opened
    std::set<std::string> recycled;
    int failReadAt = 0;
    int failWriteAt = 0;
    int shortWriteAt = 0;
    int failReplaceAt = 0;
    int failCopyAt = 0;
    bool failTempFile = false;
    bool failCreate = false;
    std::uint64_t reportedSize = 0; // a size to claim instead of the real one
    int reads = 0;
    int writes = 0;
    int replaces = 0;
    int copies = 0;

    std::unique_ptr<InputFile> OpenRead(const std::string& path, OpenError& error) override
    {
        if (unreadable.count(path)) {
            error = OpenError::Failed;
            return nullptr;
        }
        const auto it = files.find(path);
        if (it == files.end()) {
            error = IsDirectory(path) ? OpenError::Failed : OpenError::Missing;
            return nullptr;
        }
        error = OpenError::None;
        return std::make_unique<Input>(*this, it->second);
    }

    std::unique_ptr<OutputFile> CreateWrite(const std::string& path) override
    {
        if (failCreate || !IsDirectory(DirectoryOf(path)))
            return nullptr;
        files[path].clear();
        return std::make_unique<Output>(*this, path);
    }

    std::optional<std::string> MakeTempFile(const std::string& directory, const std::string& prefix) override
    {
        if (failTempFile || !IsDirectory(directory))
            return std::nullopt;
        const std::string path = directory + "\\" + prefix + std::to_string(++m_temps) + ".tmp";
        files[path];
        return path;
    }

    bool Replace(const std::string& from, const std::string& to) override
    {
        const auto it = files.find(from);
        if (++replaces == failReplaceAt || it == files.end() || !IsDirectory(DirectoryOf(to)))
            return false;
        std::string content = std::move(it->second);
        files.erase(it);
        files[to] = std::move(content);
        return true;
    }

    bool Copy(const std::string& from, const std::string& to) override
    {
        const auto it = files.find(from);
        if (++copies == failCopyAt || it == files.end() || Exists(to) || !IsDirectory(DirectoryOf(to)))
            return false;
        files[to] = it->second;
        return true;
    }

    bool Delete(const std::string& path) override { return files.erase(path) != 0; }

    bool DeleteToRecycleBin(const std::string& path) override
    {
        if (!files.count(path))
            return false;
        recycled.insert(path);
        return Delete(path);
    }

    bool Exists(const std::string& path) override { return files.count(path) || unreadable.count(path); }
    bool IsReadOnly(const std::string& path) override { return readOnly.count(path) != 0; }
    // Files are named by their keys; another spelling of a key ("/" for
    // "\\", a doubled separator, a "." folder, a folder in `links`) names
    // the same file.
    bool IsSameFile(const std::string& a, const std::string& b) override
    {
        const std::string name = Spelled(a);
        return name == Spelled(b) &&
               std::any_of(files.begin(), files.end(), [&](const auto& file) { return Spelled(file.first) == name; });
    }
    std::map<std::string, std::string> links; // a folder's other name -> the folder

    // Files and folders right inside `folder`; folders are those listed and
    // those on the way to a file.
    std::optional<std::vector<FolderEntry>> ListFolder(const std::string& path) override
    {
        std::string folder = path; // "C:\\docs\\" as "C:\\docs"
        if (folder.size() > 1 && folder.back() == '\\' && DirectoryOf(folder) != folder)
            folder.pop_back();
        if (!IsDirectory(folder))
            return std::nullopt;
        const std::string inside = JoinPath(folder, "", folder);
        std::map<std::string, bool> found; // sorted by name
        auto take = [&](const std::string& path, bool isFolder) {
            if (path.size() <= inside.size() || path.compare(0, inside.size(), inside) != 0)
                return;
            const std::size_t separator = path.find('\\', inside.size());
            found[path.substr(inside.size(), separator - inside.size())] |= isFolder || separator != std::string::npos;
        };
        for (const auto& [path, content] : files)
            take(path, false);
        for (const std::string& path : unreadable)
            take(path, false);
        for (const std::string& path : directories)
            take(path, true);
        std::vector<FolderEntry> entries;
        for (const auto& [name, isFolder] : found)
            entries.push_back({name, isFolder});
        return entries;
    }

    std::string Spelled(std::string path) const
    {
        std::replace(path.begin(), path.end(), '/', '\\');
        for (std::size_t at; (at = path.find("\\\\")) != std::string::npos;)
            path.erase(at, 1);
        for (std::size_t at; (at = path.find("\\.\\")) != std::string::npos;)
            path.erase(at, 2);
        for (const auto& [alias, folder] : links)
            if (path.compare(0, alias.size() + 1, alias + "\\") == 0)
                path = folder + path.substr(alias.size());
        return ToLowerCp1251(path); // Windows names ignore case
    }

    bool IsDirectory(const std::string& path) const
    {
        if (path == "." || directories.count(path) || DirectoryOf(path) == path)
            return true;
        const std::string inside = path + "\\";
        const auto holds = [&](const std::string& name) { return name.compare(0, inside.size(), inside) == 0; };
        return std::any_of(files.begin(), files.end(), [&](const auto& file) { return holds(file.first); }) ||
               std::any_of(directories.begin(), directories.end(), holds);
    }

    // Files other than `keep`.
    std::set<std::string> Others(std::initializer_list<std::string> keep) const
    {
        std::set<std::string> names;
        for (const auto& [name, content] : files) {
            if (std::find(keep.begin(), keep.end(), name) == keep.end())
                names.insert(name);
        }
        return names;
    }

private:
    class Input : public InputFile {
    public:
        Input(FakeFileSystem& fs, const std::string& content) : m_fs(fs), m_content(content) {}
        std::uint64_t Size() const override { return m_fs.reportedSize ? m_fs.reportedSize : m_content.size(); }
        std::optional<std::size_t> Read(char* buffer, std::size_t size) override
        {
            if (++m_fs.reads == m_fs.failReadAt)
                return std::nullopt;
            const std::size_t n = std::min(size, m_content.size() - m_pos);
            std::memcpy(buffer, m_content.data() + m_pos, n);
            m_pos += n;
            return n;
        }

    private:
        FakeFileSystem& m_fs;
        std::string m_content;
        std::size_t m_pos = 0;
    };

    class Output : public OutputFile {
    public:
        Output(FakeFileSystem& fs, std::string path) : m_fs(fs), m_path(std::move(path)) {}
        bool Write(const char* data, std::size_t size) override
        {
            const int n = ++m_fs.writes;
            if (n == m_fs.failWriteAt)
                return false;
            if (n == m_fs.shortWriteAt) {
                m_fs.files[m_path].append(data, size / 2);
                return false;
            }
            m_fs.files[m_path].append(data, size);
            return true;
        }
        bool Close() override { return true; }

    private:
        FakeFileSystem& m_fs;
        std::string m_path;
    };

    int m_temps = 0;
};
