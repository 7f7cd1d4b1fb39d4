#include "win32/app/win_file_system.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

namespace {

class WinInput : public InputFile {
public:
    WinInput(HANDLE file, std::uint64_t size) : m_file(file), m_size(size) {}
    ~WinInput() override { CloseHandle(m_file); }
    std::uint64_t Size() const override { return m_size; }
    std::optional<std::size_t> Read(char* buffer, std::size_t size) override
    {
        std::size_t total = 0;
        while (total < size) {
            DWORD got = 0;
            if (!ReadFile(m_file, buffer + total, static_cast<DWORD>(size - total), &got, nullptr))
                return std::nullopt;
            if (got == 0)
                break;
            total += got;
        }
        return total;
    }

private:
    HANDLE m_file;
    std::uint64_t m_size;
};

class WinOutput : public BufferedOutputFile {
public:
    explicit WinOutput(HANDLE file) : m_file(file) {}
    ~WinOutput() override
    {
        if (m_file != INVALID_HANDLE_VALUE)
            CloseHandle(m_file);
    }

protected:
    bool WriteRaw(const char* data, std::size_t size) override
    {
        while (size > 0) {
            DWORD written = 0;
            if (!WriteFile(m_file, data, static_cast<DWORD>(size), &written, nullptr) || written == 0)
                return false;
            data += written;
            size -= written;
        }
        return true;
    }
    bool CloseRaw() override
    {
        const bool closed = CloseHandle(m_file) != 0;
        m_file = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE m_file;
};

} // namespace

std::unique_ptr<InputFile> WinFileSystem::OpenRead(const std::string& path, OpenError& error)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        error = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? OpenError::Missing : OpenError::Failed;
        return nullptr;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size)) {
        CloseHandle(file);
        error = OpenError::Failed;
        return nullptr;
    }
    error = OpenError::None;
    return std::make_unique<WinInput>(file, static_cast<std::uint64_t>(size.QuadPart));
}

std::unique_ptr<OutputFile> WinFileSystem::CreateWrite(const std::string& path)
{
    const HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? nullptr : std::make_unique<WinOutput>(file);
}

std::optional<std::string> WinFileSystem::MakeTempFile(const std::string& directory, const std::string& prefix)
{
    char name[MAX_PATH];
    if (GetTempFileNameA(directory.c_str(), prefix.c_str(), 0, name) == 0)
        return std::nullopt;
    return std::string(name);
}

bool WinFileSystem::Replace(const std::string& from, const std::string& to)
{
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) != 0;
}

bool WinFileSystem::Copy(const std::string& from, const std::string& to)
{
    return CopyFileA(from.c_str(), to.c_str(), TRUE) != 0;
}

bool WinFileSystem::Delete(const std::string& path)
{
    return DeleteFileA(path.c_str()) != 0;
}

bool WinFileSystem::DeleteToRecycleBin(const std::string& path)
{
    std::string from = path;
    from.push_back('\0'); // the list ends with two zeros
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    return SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
}

bool WinFileSystem::Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WinFileSystem::IsReadOnly(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

namespace {

// The volume and the index that tell a file apart, however it is named.
std::optional<std::pair<DWORD, ULONGLONG>> FileIdentity(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(file, &info) != 0;
    CloseHandle(file);
    if (!known)
        return std::nullopt;
    return std::pair{info.dwVolumeSerialNumber, static_cast<ULONGLONG>(info.nFileIndexHigh) << 32 | info.nFileIndexLow};
}

} // namespace

bool WinFileSystem::IsSameFile(const std::string& a, const std::string& b)
{
    const auto first = FileIdentity(a);
    return first && first == FileIdentity(b);
}

std::optional<std::vector<FolderEntry>> WinFileSystem::ListFolder(const std::string& folder)
{
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(JoinPath(folder, "*", folder).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::vector<FolderEntry> entries;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}
