#include "win32/app/win_classes_registry.h"

#include "win32/app/text_conversion.h"

#include <windows.h>

#include <vector>

namespace {

std::wstring UserClassesKey(const std::string& key)
{
    return L"Software\\Classes\\" + FromCp1251(key);
}

} // namespace

// The user's key comes first, then the classes root: the view Windows
// gives through HKEY_CLASSES_ROOT, and one that Wine (whose root is the
// machine's part alone) gives too.
ClassesRegistry::DefaultValue WinClassesRegistry::ReadDefault(const std::string& key)
{
    HKEY opened = nullptr;
    LONG open = RegOpenKeyExW(HKEY_CURRENT_USER, UserClassesKey(key).c_str(), 0, KEY_QUERY_VALUE, &opened);
    if (open == ERROR_FILE_NOT_FOUND)
        open = RegOpenKeyExW(HKEY_CLASSES_ROOT, FromCp1251(key).c_str(), 0, KEY_QUERY_VALUE, &opened);
    if (open == ERROR_FILE_NOT_FOUND)
        return {Read::Missing, {}};
    if (open != ERROR_SUCCESS)
        return {Read::Failed, {}};
    DefaultValue result{Read::Failed, {}};
    DWORD type = 0;
    DWORD bytes = 0;
    LONG query = RegQueryValueExW(opened, nullptr, nullptr, &type, nullptr, &bytes);
    // The value may grow between the two calls: ask again with its new size.
    for (int attempt = 0; attempt < 3 && query == ERROR_SUCCESS; ++attempt) {
        std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1, L'\0'); // room for a missing terminator
        DWORD got = bytes;
        query = RegQueryValueExW(opened, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &got);
        if (query == ERROR_MORE_DATA) {
            bytes = got;
            query = ERROR_SUCCESS;
            continue;
        }
        if (query == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ)) {
            std::wstring_view value(text.data(), got / sizeof(wchar_t));
            value = value.substr(0, value.find(L'\0'));
            result = {Read::Value, ToCp1251(value)};
        }
        break;
    }
    if (query == ERROR_FILE_NOT_FOUND)
        result = {Read::Missing, {}};
    RegCloseKey(opened);
    return result;
}

bool WinClassesRegistry::WriteDefault(const std::string& key, const std::string& value)
{
    HKEY created = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, UserClassesKey(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring text = FromCp1251(value);
    const LONG set = RegSetValueExW(created, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(created);
    return set == ERROR_SUCCESS;
}

bool WinClassesRegistry::DeleteKey(const std::string& key)
{
    const LONG deleted = RegDeleteTreeW(HKEY_CURRENT_USER, UserClassesKey(key).c_str());
    return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
}
