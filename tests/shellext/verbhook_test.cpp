// Verbhook.dll as the shell uses it: class object, handler, menu item,
// command strings, the editor started with the selection, registration.
#include "recorder.h"
#include "shellext/verbhook.h"
#include "win32/dialog_script.h"

#include <gtest/gtest.h>

#include <olectl.h>
#include <shellapi.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using DllGetClassObjectFunction = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using DllFunction = HRESULT(STDAPICALLTYPE*)();

template <class Function>
Function Export(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// A selection as the shell hands it over: a file-drop list.
class FileDrop : public IDataObject {
public:
    explicit FileDrop(std::vector<std::wstring> files) : m_files(std::move(files)) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        *out = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject) ? this : nullptr;
        if (!*out)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (format->cfFormat != CF_HDROP || !(format->tymed & TYMED_HGLOBAL))
            return DV_E_FORMATETC;
        std::size_t chars = 1;
        for (const std::wstring& file : m_files)
            chars += file.size() + 1;
        HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
        auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        auto* names = reinterpret_cast<wchar_t*>(drop + 1);
        for (const std::wstring& file : m_files) {
            std::copy(file.begin(), file.end(), names);
            names += file.size() + 1;
        }
        GlobalUnlock(memory);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

    ULONG references = 1;

private:
    std::vector<std::wstring> m_files;
};


std::string RegistryString(HKEY root, const wchar_t* path, const wchar_t* name)
{
    char value[MAX_PATH * 2] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(root, std::string(path, path + wcslen(path)).c_str(),
                     name ? std::string(name, name + wcslen(name)).c_str() : nullptr, RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS)
        return "<missing>";
    return value;
}

class Verbhook : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        module = LoadLibraryW(L"" VERBHOOK_DLL);
        ASSERT_NE(module, nullptr);
        getClassObject = Export<DllGetClassObjectFunction>(module, "DllGetClassObject");
        canUnloadNow = Export<DllFunction>(module, "DllCanUnloadNow");
        ASSERT_NE(getClassObject, nullptr);
        IClassFactory* factory = nullptr;
        ASSERT_EQ(getClassObject(kVerbhookClass, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_IContextMenu, reinterpret_cast<void**>(&menu)), S_OK);
        factory->Release();
        ASSERT_EQ(menu->QueryInterface(IID_IShellExtInit, reinterpret_cast<void**>(&init)), S_OK);
    }
    void TearDown() override
    {
        if (init)
            init->Release();
        if (menu)
            menu->Release();
        EXPECT_EQ(canUnloadNow(), S_OK);
        FreeLibrary(module);
        CoUninitialize();
    }

    HMODULE module = nullptr;
    DllGetClassObjectFunction getClassObject = nullptr;
    DllFunction canUnloadNow = nullptr;
    IContextMenu* menu = nullptr;
    IShellExtInit* init = nullptr;
};

TEST_F(Verbhook, ExportsByNameAndOrdinal)
{
    const char* names[] = {"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer", "DllUnregisterServer"};
    for (int i = 0; i < 4; ++i) {
        FARPROC byName = GetProcAddress(module, names[i]);
        EXPECT_NE(byName, nullptr) << names[i];
        EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCEA(i + 2)), byName) << names[i];
    }
}

TEST_F(Verbhook, ClassObjectAndHandlerAnswerTheirInterfacesAndCountObjects)
{
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClassObject(IID_IContextMenu, IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(getClassObject(kVerbhookClass, IID_IContextMenu, &out), E_NOINTERFACE);

    IClassFactory* factory = nullptr;
    ASSERT_EQ(getClassObject(kVerbhookClass, IID_IUnknown, reinterpret_cast<void**>(&factory)), S_OK);
    IUnknown* outer = factory;
    EXPECT_EQ(factory->CreateInstance(outer, IID_IContextMenu, &out), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(factory->Release(), 0u);

    EXPECT_EQ(canUnloadNow(), S_FALSE); // the fixture's handler lives
    IUnknown* unknown = nullptr;
    ASSERT_EQ(menu->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(static_cast<void*>(unknown), static_cast<void*>(init)); // IUnknown is the second interface
    EXPECT_EQ(menu->QueryInterface(IID_IDataObject, &out), E_NOINTERFACE);
    EXPECT_EQ(menu->AddRef(), 4u); // the fixture's two, the IUnknown, this one
    EXPECT_EQ(menu->Release(), 3u);
    unknown->Release();
}

TEST_F(Verbhook, ALockedServerStaysLoaded)
{
    init->Release();
    menu->Release();
    init = nullptr;
    menu = nullptr;
    EXPECT_EQ(canUnloadNow(), S_OK);
    IClassFactory* factory = nullptr;
    ASSERT_EQ(getClassObject(kVerbhookClass, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    factory->Release();
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    ASSERT_EQ(getClassObject(kVerbhookClass, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    factory->Release();
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(Verbhook, TheMenuItemAndItsCommandStrings)
{
    EXPECT_EQ(init->Initialize(nullptr, nullptr, nullptr), E_FAIL);
    FileDrop drop({L"C:\\a.txt"});
    ASSERT_EQ(init->Initialize(nullptr, &drop, nullptr), S_OK);
    EXPECT_EQ(drop.references, 2u); // held

    HMENU popup = CreatePopupMenu();
    AppendMenuW(popup, MF_STRING, 1, L"first");
    EXPECT_EQ(menu->QueryContextMenu(popup, 1, 100, 200, CMF_NORMAL), 1);
    wchar_t text[64];
    GetMenuStringW(popup, 1, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"Open with Noveda");
    EXPECT_EQ(GetMenuItemID(popup, 1), 100u);
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_CHECKMARKS;
    GetMenuItemInfoW(popup, 1, TRUE, &item);
    EXPECT_NE(item.hbmpUnchecked, nullptr);
    DestroyMenu(popup);

    char buffer[64];
    for (UINT kind : {GCS_VERBA, GCS_HELPTEXTA}) {
        EXPECT_EQ(menu->GetCommandString(0, kind, nullptr, buffer, sizeof buffer), S_OK);
        EXPECT_STREQ(buffer, "Open with Noveda");
    }
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(menu->GetCommandString(0, GCS_VERBA, nullptr, buffer, 5), S_OK);
    EXPECT_STREQ(buffer, "Open"); // cut and ended inside the five bytes
    EXPECT_EQ(buffer[5], '#');
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(menu->GetCommandString(0, GCS_VALIDATEA, nullptr, buffer, sizeof buffer), S_OK);
    EXPECT_EQ(buffer[0], '#');
    EXPECT_EQ(menu->GetCommandString(0, GCS_VERBA, nullptr, buffer, 0), S_OK);
    EXPECT_EQ(buffer[0], '#');
}

TEST_F(Verbhook, TheEditorStartsWithTheQuotedProgramAndTheSelection)
{
    // The "editor" lives under a path with blanks.
    const std::wstring directory = TempDirectory(L"noveda shell test");
    const std::wstring program = directory + L"record args.exe";
    ASSERT_TRUE(CopyFileW(Recorder().c_str(), program.c_str(), FALSE));
    const std::wstring record = directory + L"record.txt";
    DeleteFileW(record.c_str());
    SetEnvironmentVariableW(L"NOVEDA_RECORD", record.c_str());

    HKEY general = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Kelmon\\Noveda\\General", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &general, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(general, L"ExecPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(program.c_str()),
                   static_cast<DWORD>((program.size() + 1) * sizeof(wchar_t)));

    FileDrop drop({L"C:\\one.txt", L"C:\\with blanks\\two.txt", L"C:\\a folder"});
    ASSERT_EQ(init->Initialize(nullptr, &drop, nullptr), S_OK);
    CMINVOKECOMMANDINFO byVerb{sizeof(CMINVOKECOMMANDINFO), 0, nullptr, "open", nullptr, nullptr, SW_SHOW, 0, nullptr};
    EXPECT_EQ(menu->InvokeCommand(&byVerb), S_OK);
    Sleep(500);
    EXPECT_EQ(GetFileAttributesW(record.c_str()), INVALID_FILE_ATTRIBUTES); // a string verb starts nothing

    CMINVOKECOMMANDINFO byOffset{sizeof(CMINVOKECOMMANDINFO), 0, nullptr, MAKEINTRESOURCEA(0), nullptr, nullptr,
                                 SW_SHOW, 0, nullptr};
    EXPECT_EQ(menu->InvokeCommand(&byOffset), S_OK);
    const std::string programUtf8(program.begin(), program.end());
    EXPECT_EQ(AwaitRecord(record), "\"" + programUtf8 + "\" \"C:\\one.txt\" \"C:\\with blanks\\two.txt\" \"C:\\a folder\"");

    // Without "ExecPath" the user is told, and nothing starts.
    RegDeleteValueW(general, L"ExecPath");
    RegCloseKey(general);
    std::wstring message, caption;
    DialogScript script([&](HWND box) {
        wchar_t text[128] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 128);
        message = text;
        GetWindowTextW(box, text, 128);
        caption = text;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(menu->InvokeCommand(&byOffset), S_OK);
    EXPECT_EQ(message, L"Novedt is not propertly installed");
    EXPECT_EQ(caption, L"Error");
    DeleteFileW(record.c_str());
    DeleteFileW(program.c_str());
    RemoveDirectoryW(directory.c_str());
}

// Per user, so that no administrator rights are needed; Windows reads the
// user's classes through HKEY_CLASSES_ROOT.
TEST_F(Verbhook, RegistrationWritesAndRemovesItsKeysForTheUser)
{
    const auto registerServer = Export<DllFunction>(module, "DllRegisterServer");
    const auto unregisterServer = Export<DllFunction>(module, "DllUnregisterServer");
    ASSERT_EQ(registerServer(), S_OK);
    const std::wstring classKey = L"CLSID\\{5B0E21D4-3C77-4A1E-9F02-6D8A41C3E7B9}";
    const std::wstring userClassKey = L"Software\\Classes\\" + classKey;
    wchar_t dll[MAX_PATH];
    GetModuleFileNameW(module, dll, MAX_PATH);
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, userClassKey.c_str(), nullptr), "Noveda");
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, (userClassKey + L"\\InProcServer32").c_str(), nullptr),
              std::string(dll, dll + wcslen(dll)));
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, (userClassKey + L"\\InProcServer32").c_str(), L"ThreadingModel"),
              "Apartment");
    const wchar_t approved[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, approved, L"{5B0E21D4-3C77-4A1E-9F02-6D8A41C3E7B9}"), "Noveda");

    // The editor's handler key may never have been written: that is no failure.
    EXPECT_EQ(unregisterServer(), S_OK);
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, userClassKey.c_str(), nullptr), "<missing>");

    ASSERT_EQ(registerServer(), S_OK);
    const wchar_t handlerKey[] = L"Software\\Classes\\*\\shellex\\ContextMenuHandlers\\Noveda";
    HKEY handler = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, handlerKey, 0, nullptr, 0, KEY_WRITE, nullptr, &handler, nullptr);
    RegCloseKey(handler);
    EXPECT_EQ(unregisterServer(), S_OK);
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, userClassKey.c_str(), nullptr), "<missing>");
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, handlerKey, nullptr), "<missing>");
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, approved, L"{5B0E21D4-3C77-4A1E-9F02-6D8A41C3E7B9}"), "<missing>");
}

// As Explorer does it: the handler found through its registration, not
// loaded by name. Run by the installation test (NOVEDA_SHELL_FILE names the
// file to open) once the setup program has registered the installed one.
TEST(RegisteredVerbhook, OpensTheSelectionThroughTheRegistry)
{
    wchar_t file[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"NOVEDA_SHELL_FILE", file, MAX_PATH))
        GTEST_SKIP() << "only for the installation test";
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    IShellExtInit* init = nullptr;
    ASSERT_EQ(CoCreateInstance(kVerbhookClass, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit,
                               reinterpret_cast<void**>(&init)),
              S_OK);
    IContextMenu* menu = nullptr;
    ASSERT_EQ(init->QueryInterface(IID_IContextMenu, reinterpret_cast<void**>(&menu)), S_OK);
    FileDrop drop({file});
    ASSERT_EQ(init->Initialize(nullptr, &drop, nullptr), S_OK);
    CMINVOKECOMMANDINFO byOffset{sizeof(CMINVOKECOMMANDINFO), 0, nullptr, MAKEINTRESOURCEA(0), nullptr, nullptr,
                                 SW_SHOW, 0, nullptr};
    EXPECT_EQ(menu->InvokeCommand(&byOffset), S_OK);
    menu->Release();
    init->Release();
    CoUninitialize();
}

} // namespace
