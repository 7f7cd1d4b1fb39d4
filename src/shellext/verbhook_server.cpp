// The in-process server: the exports the shell and regsvr32 call.
#include "verbhook.h"

#include <olectl.h>

#include <string>

LONG g_objectCount = 0;
HINSTANCE g_module = nullptr;

namespace {

// Everything is written per user: the user's classes (which the shell reads
// over the machine's) and the user's list of approved extensions, so that
// registering needs no administrator rights.
constexpr char kUserClasses[] = "Software\\Classes\\";
const std::string kClassKey = std::string(kUserClasses) + "CLSID\\" + kVerbhookClassText;
const std::string kHandlerKey = std::string(kUserClasses) + "*\\shellex\\ContextMenuHandlers\\Noveda";
constexpr char kApproved[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

bool SetString(const std::string& path, const char* name, const std::string& value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const LONG set = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                    static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return set == ERROR_SUCCESS;
}

// Gone is gone, whether it was there or not.
bool DeleteTree(const std::string& path)
{
    const LONG deleted = RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
    return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = module;
        DisableThreadLibraryCalls(module);
    }
    return TRUE;
}

STDAPI DllCanUnloadNow()
{
    return g_objectCount == 0 ? S_OK : S_FALSE;
}

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, void** out)
{
    *out = nullptr;
    if (!IsEqualCLSID(classId, kVerbhookClass))
        return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new (std::nothrow) VerbhookFactory;
    if (!factory)
        return E_OUTOFMEMORY;
    factory->AddRef();
    const HRESULT result = factory->QueryInterface(iid, out);
    factory->Release();
    return result;
}

STDAPI DllRegisterServer()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(g_module, path, MAX_PATH);
    if (!SetString(kClassKey, nullptr, "Noveda") || !SetString(kClassKey + "\\InProcServer32", nullptr, path) ||
        !SetString(kClassKey + "\\InProcServer32", "ThreadingModel", "Apartment") ||
        !SetString(kApproved, kVerbhookClassText, "Noveda"))
        return SELFREG_E_CLASS;
    return S_OK;
}

STDAPI DllUnregisterServer()
{
    bool removed = DeleteTree(kClassKey) && DeleteTree(kHandlerKey);
    HKEY approved = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kApproved, 0, KEY_SET_VALUE, &approved) == ERROR_SUCCESS) {
        const LONG deleted = RegDeleteValueA(approved, kVerbhookClassText);
        removed = removed && (deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND);
        RegCloseKey(approved);
    }
    return removed ? S_OK : SELFREG_E_CLASS;
}
