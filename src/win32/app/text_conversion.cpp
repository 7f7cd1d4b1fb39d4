#include "win32/app/text_conversion.h"

#include "core/text/code_pages.h"

#include <windows.h>

namespace {

// KOI8-R, cp866, Mac Cyrillic, ISO 8859-5, cp1251.
constexpr UINT kWindowsCodePages[kCodePageCount] = {20866, 866, 10007, 28595, 1251};

UINT WindowsCodePage(int codePage)
{
    return codePage >= 0 && codePage < kCodePageCount ? kWindowsCodePages[codePage] : 1251;
}

// `text` in a code page, with `missing` for every character it lacks.
std::string Narrow(std::wstring_view text, int codePage, DWORD flags, const char* missing, BOOL* anyMissing)
{
    if (text.empty())
        return {};
    const UINT windows = WindowsCodePage(codePage);
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(windows, flags, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(windows, flags, text.data(), size, narrow.data(), length, missing, anyMissing);
    return narrow;
}

} // namespace

std::wstring FromCodePage(std::string_view text, int codePage)
{
    if (text.empty())
        return {};
    const UINT windows = WindowsCodePage(codePage);
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(windows, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(windows, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string ToCodePage(std::wstring_view text, int codePage)
{
    return Narrow(text, codePage, 0, "?", nullptr);
}

std::string MappableText(std::wstring_view text, int codePage, bool& leftOut)
{
    // Text handed over by Windows ends at its first NUL, so a NUL marks a
    // character the code page lacks; no look-alike stands in for one.
    BOOL anyMissing = FALSE;
    std::string narrow = Narrow(text, codePage, WC_NO_BEST_FIT_CHARS, "", &anyMissing);
    leftOut = anyMissing != FALSE;
    if (leftOut)
        std::erase(narrow, '\0');
    return narrow;
}

std::wstring FromCp1251(std::string_view text)
{
    return FromCodePage(text, CP_WIN);
}

std::string ToCp1251(std::wstring_view text)
{
    return ToCodePage(text, CP_WIN);
}
