// The in-process server: the exports the shell and regsvr32 call.
#include "verbhook.h"

#include <olectl.h>

#include <string>

LONG g_objectCount = 0;
HINSTANCE g_module = nullptr;

namespace {

bool SetString(HKEY root, const std::string& path, const char* name, const std::string& value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return true;
}

bool IsNtFamily()
{
    return (GetVersion() & 0x80000000u) == 0;
}

const std::string kClassKey = std::string("CLSID\\") + kVerbhookClassText;
constexpr char kApproved[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

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
    if (!SetString(HKEY_CLASSES_ROOT, kClassKey, nullptr, "Noveda") ||
        !SetString(HKEY_CLASSES_ROOT, kClassKey + "\\InProcServer32", nullptr, path) ||
        !SetString(HKEY_CLASSES_ROOT, kClassKey + "\\InProcServer32", "ThreadingModel", "Apartment"))
        return SELFREG_E_CLASS;
    if (IsNtFamily() && !SetString(HKEY_LOCAL_MACHINE, kApproved, kVerbhookClassText, "Noveda"))
        return SELFREG_E_CLASS;
    return S_OK;
}

STDAPI DllUnregisterServer()
{
    if (RegDeleteKeyA(HKEY_CLASSES_ROOT, (kClassKey + "\\InProcServer32").c_str()) != ERROR_SUCCESS ||
        RegDeleteKeyA(HKEY_CLASSES_ROOT, kClassKey.c_str()) != ERROR_SUCCESS)
        return SELFREG_E_CLASS;
    if (RegDeleteKeyA(HKEY_CLASSES_ROOT, "*\\shellex\\ContextMenuHandlers\\Noveda") != ERROR_SUCCESS)
        return SELFREG_E_CLASS;
    if (IsNtFamily()) {
        HKEY approved = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kApproved, 0, KEY_SET_VALUE, &approved) == ERROR_SUCCESS) {
            RegDeleteValueA(approved, kVerbhookClassText);
            RegCloseKey(approved);
        }
    }
    return S_OK;
}
