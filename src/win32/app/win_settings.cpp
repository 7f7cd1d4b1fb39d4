#include "win32/app/win_settings.h"

#include "win32/app/gdi_fonts.h"
#include "win32/app/text_conversion.h"

#include <windows.h>

#include <cstring>

static_assert(sizeof(LOGFONTA) == LogFont::kBlockSize, "the settings keep fonts in the LOGFONT layout");

bool WinSettingsEnvironment::DirectoryExists(const std::string& path) const
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WinSettingsEnvironment::ChangeDirectory(const std::string& path)
{
    return SetCurrentDirectoryA(path.c_str()) != 0;
}

std::optional<std::string> WinSettingsEnvironment::CurrentDirectory() const
{
    char buffer[MAX_PATH + 1];
    const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    if (length == 0 || length > MAX_PATH)
        return std::nullopt;
    return std::string(buffer, length);
}

LogFont WinSettingsEnvironment::DefaultGuiFont() const
{
    LOGFONTA font{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    std::vector<std::uint8_t> block(sizeof font);
    std::memcpy(block.data(), &font, sizeof font);
    // The system's font comes sized for its screen; settings keep 96 DPI.
    return LogFont::FromBlock(block)->FromDpi(WindowDpi(nullptr));
}

std::optional<std::string> StringTableResources::Load(std::uint32_t id) const
{
    const wchar_t* text = nullptr;
    // With a zero buffer size LoadStringW hands out the resource itself.
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return std::nullopt;
    return ToCp1251(std::wstring_view(text, static_cast<std::size_t>(length)));
}
