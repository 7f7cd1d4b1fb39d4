#pragma once

#include "core/platform/file_system.h"

// Files on Windows, by their names in the system code page.
class WinFileSystem : public FileSystem {
public:
    std::unique_ptr<InputFile> OpenRead(const std::string& path, OpenError& error) override;
    std::unique_ptr<OutputFile> CreateWrite(const std::string& path) override;
    std::optional<std::string> MakeTempFile(const std::string& directory, const std::string& prefix) override;
    bool Replace(const std::string& from, const std::string& to) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool Delete(const std::string& path) override;
    bool DeleteToRecycleBin(const std::string& path) override;
    bool Exists(const std::string& path) override;
    bool IsReadOnly(const std::string& path) override;
    bool IsSameFile(const std::string& a, const std::string& b) override;
    std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder) override;
};
