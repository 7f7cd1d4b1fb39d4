#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A file open for reading in blocks.
class InputFile {
public:
    virtual ~InputFile() = default;
    virtual std::uint64_t Size() const = 0;
    // Bytes read, 0 at the end of the file, nothing when the read failed.
    virtual std::optional<std::size_t> Read(char* buffer, std::size_t size) = 0;
};

// A file open for writing. Writes may be buffered: Close reports whether
// everything reached the file.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual bool Write(const char* data, std::size_t size) = 0;
    virtual bool Close() = 0;
};

// An OutputFile that gathers small writes into large ones; a platform
// supplies only the raw write and close.
class BufferedOutputFile : public OutputFile {
public:
    BufferedOutputFile();
    bool Write(const char* data, std::size_t size) final
    {
        if (size <= kBufferSize - m_used) {
            std::memcpy(m_buffer.get() + m_used, data, size);
            m_used += size;
            return true;
        }
        return WriteBeyondBuffer(data, size);
    }
    bool Close() final;

protected:
    // Writes all of `data`, false when that failed.
    virtual bool WriteRaw(const char* data, std::size_t size) = 0;
    virtual bool CloseRaw() = 0;

private:
    static constexpr std::size_t kBufferSize = std::size_t(1) << 20;
    bool WriteBeyondBuffer(const char* data, std::size_t size);
    bool Flush();
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_used = 0;
};

enum class OpenError { None, Missing, Failed };

struct FolderEntry {
    std::string name;
    bool isFolder = false;

    friend bool operator==(const FolderEntry&, const FolderEntry&) = default;
};

// The files the editor reads and writes, behind one seam: Windows, POSIX,
// and a fake that fails on request.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Shared read, sequential access. `error` tells a missing file from one
    // that exists but cannot be opened.
    virtual std::unique_ptr<InputFile> OpenRead(const std::string& path, OpenError& error) = 0;
    // Created or emptied, not shared.
    virtual std::unique_ptr<OutputFile> CreateWrite(const std::string& path) = 0;
    // A new, empty file with a unique name in `directory`, its name starting
    // with `prefix`.
    virtual std::optional<std::string> MakeTempFile(const std::string& directory, const std::string& prefix) = 0;
    // Moves `from` to `to` in one step, replacing a file of that name.
    virtual bool Replace(const std::string& from, const std::string& to) = 0;
    // A copy of `from` named `to`; fails, leaving it alone, when `to` exists.
    virtual bool Copy(const std::string& from, const std::string& to) = 0;
    virtual bool Delete(const std::string& path) = 0;
    // Silently, so that the user can still restore it.
    virtual bool DeleteToRecycleBin(const std::string& path) = 0;
    virtual bool Exists(const std::string& path) = 0;
    virtual bool IsReadOnly(const std::string& path) = 0;
    // Whether both paths name one existing file, however each spells it
    // (another separator, ".", a doubled separator, a link).
    virtual bool IsSameFile(const std::string& a, const std::string& b) = 0;
    // What a folder holds, without "." and "..", sorted by name; nothing
    // when it cannot be listed.
    virtual std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder) = 0;
};

// The directory part of a path (without its trailing separator), "." when
// the path has none.
std::string DirectoryOf(const std::string& path);
// The file name part of a path.
std::string FileNameOf(const std::string& path);
// `name` in `directory`, with the separator `like` uses ("/" when it has
// only slashes, else "\\"), none added after one.
std::string JoinPath(const std::string& directory, const std::string& name, const std::string& like);
