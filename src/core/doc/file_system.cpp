#include "core/doc/file_system.h"

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
