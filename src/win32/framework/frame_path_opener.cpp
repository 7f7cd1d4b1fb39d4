#include "win32/framework/frame_path_opener.h"

#include "win32/app/text_conversion.h"
#include "win32/framework/main_frame.h"

std::optional<std::string> FramePathOpener::FullPath(const std::string& path)
{
    wchar_t full[MAX_PATH];
    const DWORD length = GetFullPathNameW(FromCp1251(path).c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return std::nullopt;
    return ToCp1251(std::wstring_view(full, length));
}

std::vector<std::string> FramePathOpener::MatchingFiles(const std::string& pattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(FromCp1251(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(ToCp1251(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

void FramePathOpener::OpenDocument(const std::string& path, const OpenOptions& options)
{
    m_frame.OpenDocument(path, options);
}

void FramePathOpener::NewDocument()
{
    m_frame.NewDocument();
}
