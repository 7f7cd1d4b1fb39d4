#include "verbhook.h"

#include <shellapi.h>

#include <cstring>

namespace {

constexpr int kMenuBitmap = 129;
constexpr wchar_t kSettingsKey[] = L"Software\\Kelmon\\Noveda\\General";

} // namespace

std::wstring EditorCommandLine(const std::wstring& program, const std::vector<std::wstring>& files)
{
    std::wstring line = L"\"" + program + L"\"";
    for (const std::wstring& file : files)
        line += L" \"" + file + L"\"";
    return line;
}

// ---- the class factory

VerbhookFactory::VerbhookFactory()
{
    InterlockedIncrement(&g_objectCount);
}

VerbhookFactory::~VerbhookFactory()
{
    InterlockedDecrement(&g_objectCount);
}

HRESULT STDMETHODCALLTYPE VerbhookFactory::QueryInterface(REFIID iid, void** out)
{
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory))
        *out = static_cast<IClassFactory*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE VerbhookFactory::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG STDMETHODCALLTYPE VerbhookFactory::Release()
{
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE VerbhookFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out)
{
    *out = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    auto* menu = new (std::nothrow) VerbhookMenu;
    if (!menu)
        return E_OUTOFMEMORY;
    menu->AddRef(); // held while it answers the query
    const HRESULT result = menu->QueryInterface(iid, out);
    menu->Release();
    return result;
}

// A lock keeps the server loaded as a live object does.
HRESULT STDMETHODCALLTYPE VerbhookFactory::LockServer(BOOL lock)
{
    if (lock)
        InterlockedIncrement(&g_objectCount);
    else
        InterlockedDecrement(&g_objectCount);
    return S_OK;
}

// ---- the handler

VerbhookMenu::VerbhookMenu()
{
    InterlockedIncrement(&g_objectCount);
    m_bitmap = static_cast<HBITMAP>(LoadImageW(g_module, MAKEINTRESOURCEW(kMenuBitmap), IMAGE_BITMAP, 0, 0, 0));
}

VerbhookMenu::~VerbhookMenu()
{
    if (m_data)
        m_data->Release();
    if (m_bitmap)
        DeleteObject(m_bitmap);
    InterlockedDecrement(&g_objectCount);
}

HRESULT STDMETHODCALLTYPE VerbhookMenu::QueryInterface(REFIID iid, void** out)
{
    *out = nullptr;
    if (IsEqualIID(iid, IID_IContextMenu))
        *out = static_cast<IContextMenu*>(this);
    else if (IsEqualIID(iid, IID_IShellExtInit) || IsEqualIID(iid, IID_IUnknown))
        *out = static_cast<IShellExtInit*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE VerbhookMenu::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG STDMETHODCALLTYPE VerbhookMenu::Release()
{
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE VerbhookMenu::Initialize(PCIDLIST_ABSOLUTE, IDataObject* data, HKEY)
{
    if (m_data) {
        m_data->Release();
        m_data = nullptr;
    }
    if (!data)
        return E_FAIL;
    m_data = data;
    m_data->AddRef();
    return ReadFileList();
}

// The selection as the shell's file-drop list.
HRESULT VerbhookMenu::ReadFileList()
{
    m_files.clear();
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(m_data->GetData(&format, &medium)))
        return E_FAIL;
    auto drop = static_cast<HDROP>(medium.hGlobal);
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        wchar_t name[MAX_PATH] = {};
        DragQueryFileW(drop, i, name, MAX_PATH);
        m_files.emplace_back(name);
    }
    ReleaseStgMedium(&medium);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE VerbhookMenu::QueryContextMenu(HMENU menu, UINT position, UINT firstCommand, UINT, UINT)
{
    InsertMenuA(menu, position, MF_STRING | MF_BYPOSITION, firstCommand, kMenuText);
    SetMenuItemBitmaps(menu, position, MF_BYPOSITION, m_bitmap, m_bitmap);
    return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 1); // one command added
}

// The verb and the help text; the text is cut to the buffer and always ends
// inside it.
HRESULT STDMETHODCALLTYPE VerbhookMenu::GetCommandString(UINT_PTR, UINT kind, UINT*, CHAR* buffer, UINT size)
{
    if ((kind == GCS_VERBA || kind == GCS_HELPTEXTA) && buffer && size > 0) {
        const std::size_t length = std::min<std::size_t>(std::strlen(kMenuText), size - 1);
        std::memcpy(buffer, kMenuText, length);
        buffer[length] = '\0';
    }
    return S_OK;
}

// Starts the editor named by "ExecPath" with the selected files. The program
// path is quoted, so a path with blanks never starts another program.
HRESULT STDMETHODCALLTYPE VerbhookMenu::InvokeCommand(CMINVOKECOMMANDINFO* invocation)
{
    if (HIWORD(reinterpret_cast<UINT_PTR>(invocation->lpVerb)) != 0 || m_files.empty())
        return S_OK;
    HKEY key = nullptr;
    wchar_t program[MAX_PATH + 1] = {};
    DWORD size = MAX_PATH * sizeof(wchar_t);
    DWORD type = 0;
    const bool found = RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) == ERROR_SUCCESS &&
                       RegQueryValueExW(key, L"ExecPath", nullptr, &type, reinterpret_cast<BYTE*>(program), &size) ==
                           ERROR_SUCCESS &&
                       type == REG_SZ;
    if (key)
        RegCloseKey(key);
    if (!found) {
        MessageBoxA(nullptr, "Novedt is not propertly installed", "Error", MB_OK);
        return S_OK;
    }
    std::wstring line = EditorCommandLine(program, m_files);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(program, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    return S_OK;
}
