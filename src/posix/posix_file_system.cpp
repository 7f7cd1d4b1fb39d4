#include "posix/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

class PosixInput : public InputFile {
public:
    PosixInput(int fd, std::uint64_t size) : m_fd(fd), m_size(size) {}
    ~PosixInput() override { close(m_fd); }
    std::uint64_t Size() const override { return m_size; }
    std::optional<std::size_t> Read(char* buffer, std::size_t size) override
    {
        std::size_t total = 0;
        while (total < size) {
            const ssize_t n = read(m_fd, buffer + total, size - total);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return std::nullopt;
            }
            if (n == 0)
                break;
            total += static_cast<std::size_t>(n);
        }
        return total;
    }

private:
    int m_fd;
    std::uint64_t m_size;
};

class PosixOutput : public BufferedOutputFile {
public:
    explicit PosixOutput(int fd) : m_fd(fd) {}
    ~PosixOutput() override
    {
        if (m_fd >= 0)
            close(m_fd);
    }

protected:
    bool WriteRaw(const char* data, std::size_t size) override
    {
        while (size > 0) {
            const ssize_t n = write(m_fd, data, size);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            data += n;
            size -= static_cast<std::size_t>(n);
        }
        return true;
    }
    bool CloseRaw() override
    {
        const bool closed = close(m_fd) == 0;
        m_fd = -1;
        return closed;
    }

private:
    int m_fd;
};

std::string TrashDirectory()
{
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
        return std::string(data) + "/Trash";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.local/share/Trash";
}

bool MakeDirectories(const std::string& path)
{
    for (std::size_t at = 1; at <= path.size(); ++at) {
        if (at == path.size() || path[at] == '/') {
            const std::string part = path.substr(0, at);
            if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
                return false;
        }
    }
    return true;
}

std::string AbsolutePath(const std::string& path)
{
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

} // namespace

std::unique_ptr<InputFile> PosixFileSystem::OpenRead(const std::string& path, OpenError& error)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno == ENOENT || errno == ENOTDIR ? OpenError::Missing : OpenError::Failed;
        return nullptr;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        close(fd);
        error = OpenError::Failed;
        return nullptr;
    }
    posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    error = OpenError::None;
    return std::make_unique<PosixInput>(fd, static_cast<std::uint64_t>(info.st_size));
}

std::unique_ptr<OutputFile> PosixFileSystem::CreateWrite(const std::string& path)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    return fd < 0 ? nullptr : std::make_unique<PosixOutput>(fd);
}

std::optional<std::string> PosixFileSystem::MakeTempFile(const std::string& directory, const std::string& prefix)
{
    std::string pattern = directory + "/" + prefix + "XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0)
        return std::nullopt;
    close(fd);
    return pattern;
}

bool PosixFileSystem::Replace(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool PosixFileSystem::Copy(const std::string& from, const std::string& to)
{
    const int source = open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0)
        return false;
    const int target = open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    bool copied = target >= 0;
    char buffer[65536];
    for (ssize_t got; copied && (got = read(source, buffer, sizeof buffer)) != 0;)
        copied = got > 0 && write(target, buffer, static_cast<std::size_t>(got)) == got;
    close(source);
    if (target >= 0 && close(target) != 0)
        copied = false;
    if (!copied && target >= 0)
        unlink(to.c_str());
    return copied;
}

bool PosixFileSystem::Delete(const std::string& path)
{
    return unlink(path.c_str()) == 0;
}

bool PosixFileSystem::DeleteToRecycleBin(const std::string& path)
{
    const std::string trash = TrashDirectory();
    if (!MakeDirectories(trash + "/files") || !MakeDirectories(trash + "/info"))
        return false;
    const std::string original = AbsolutePath(path);
    const std::string name = FileNameOf(path);
    // The trash keeps one file of a name; later ones get a number.
    for (int n = 0; n < 10000; ++n) {
        const std::string trashName = n == 0 ? name : name + "." + std::to_string(n);
        const std::string info = trash + "/info/" + trashName + ".trashinfo";
        const int fd = open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        char when[32];
        const std::time_t now = std::time(nullptr);
        std::strftime(when, sizeof when, "%Y-%m-%dT%H:%M:%S", std::localtime(&now));
        const std::string text = "[Trash Info]\nPath=" + original + "\nDeletionDate=" + when + "\n";
        const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
        close(fd);
        if (written && std::rename(path.c_str(), (trash + "/files/" + trashName).c_str()) == 0)
            return true;
        unlink(info.c_str());
        return false;
    }
    return false;
}

bool PosixFileSystem::Exists(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

bool PosixFileSystem::IsReadOnly(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool PosixFileSystem::IsSameFile(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

std::optional<std::vector<FolderEntry>> PosixFileSystem::ListFolder(const std::string& folder)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return std::nullopt;
    std::vector<FolderEntry> entries;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat info{};
        const bool isFolder = stat(JoinPath(folder, name, folder).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        entries.push_back({name, isFolder});
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}
