#include "core/platform/file_system.h"

namespace {

std::size_t NameStart(const std::string& path)
{
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? 0 : separator + 1;
}

} // namespace

std::string DirectoryOf(const std::string& path)
{
    const std::size_t start = NameStart(path);
    if (start == 0)
        return ".";
    // Keep the separator of a root ("C:\", "/").
    if (start == 1 || (start == 3 && path[1] == ':'))
        return path.substr(0, start);
    return path.substr(0, start - 1);
}

std::string FileNameOf(const std::string& path)
{
    return path.substr(NameStart(path));
}

std::string JoinPath(const std::string& directory, const std::string& name, const std::string& like)
{
    if (directory.empty())
        return name;
    const char separator = like.find('/') != std::string::npos && like.find('\\') == std::string::npos ? '/' : '\\';
    const char last = directory.back();
    return last == '\\' || last == '/' ? directory + name : directory + separator + name;
}

BufferedOutputFile::BufferedOutputFile() : m_buffer(new char[kBufferSize])
{
}

bool BufferedOutputFile::WriteBeyondBuffer(const char* data, std::size_t size)
{
    if (!Flush())
        return false;
    // A large piece goes out a buffer's size at a time: handed the whole of
    // a 100 MB line in one write, Linux copied it at a fifth of the speed.
    for (; size >= kBufferSize; data += kBufferSize, size -= kBufferSize) {
        if (!WriteRaw(data, kBufferSize))
            return false;
    }
    std::memcpy(m_buffer.get(), data, size);
    m_used = size;
    return true;
}

bool BufferedOutputFile::Flush()
{
    const bool written = m_used == 0 || WriteRaw(m_buffer.get(), m_used);
    m_used = 0;
    return written;
}

bool BufferedOutputFile::Close()
{
    const bool flushed = Flush();
    return CloseRaw() && flushed;
}
