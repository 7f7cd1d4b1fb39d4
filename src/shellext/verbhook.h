#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

// The handler's class: the editor registers the same one for all files.
// {5B0E21D4-3C77-4A1E-9F02-6D8A41C3E7B9}
inline constexpr CLSID kVerbhookClass = {0x5B0E21D4, 0x3C77, 0x4A1E, {0x9F, 0x02, 0x6D, 0x8A, 0x41, 0xC3, 0xE7, 0xB9}};
inline constexpr char kVerbhookClassText[] = "{5B0E21D4-3C77-4A1E-9F02-6D8A41C3E7B9}";
inline constexpr char kMenuText[] = "Open with Noveda";

// Factories and handler objects alive; the library may go when it is 0.
extern LONG g_objectCount;
extern HINSTANCE g_module;

class VerbhookFactory : public IClassFactory {
public:
    VerbhookFactory();
    virtual ~VerbhookFactory();
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    LONG m_references = 0;
};

// One context menu's handler: the selected files, and the item that opens
// them in the editor.
class VerbhookMenu : public IContextMenu, public IShellExtInit {
public:
    VerbhookMenu();
    virtual ~VerbhookMenu();
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IShellExtInit
    HRESULT STDMETHODCALLTYPE Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY programKey) override;

    // IContextMenu
    HRESULT STDMETHODCALLTYPE QueryContextMenu(HMENU menu, UINT position, UINT firstCommand, UINT lastCommand,
                                               UINT flags) override;
    HRESULT STDMETHODCALLTYPE InvokeCommand(CMINVOKECOMMANDINFO* invocation) override;
    HRESULT STDMETHODCALLTYPE GetCommandString(UINT_PTR command, UINT kind, UINT* reserved, CHAR* buffer,
                                               UINT size) override;

private:
    HRESULT ReadFileList();

    LONG m_references = 0;
    IDataObject* m_data = nullptr;
    std::vector<std::wstring> m_files;
    HBITMAP m_bitmap = nullptr;
};

// The editor's command line: its program path and every file, each quoted.
std::wstring EditorCommandLine(const std::wstring& program, const std::vector<std::wstring>& files);
