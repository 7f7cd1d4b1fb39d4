#include "win32/framework/main_frame.h"

#include "core/app/progress.h"
#include "core/tools/clip_library.h"
#include "core/tools/tool_table.h"
#include "core/view/highlight_scheme.h"
#include "win32/app/file_dialogs.h"
#include "win32/app/text_conversion.h"
#include "win32/framework/child_frame.h"
#include "win32/res/commands.h"
#include "win32/res/resource.h"
#include "win32/view/view_window.h"

namespace {

const wchar_t kFrameClass[] = L"NovedaMainFrame";
constexpr UINT kFirstMdiChild = 0xFF00;

} // namespace

// ---- the active document's commands

std::span<const CommandEntry<DocumentCommands>> DocumentCommands::Commands()
{
    static constexpr CommandEntry<DocumentCommands> kTable[] = {
        {ID_FILE_SAVE, ID_FILE_SAVE, &DocumentCommands::Save, &DocumentCommands::SaveState},
        {ID_FILE_SAVE_AS, ID_FILE_SAVE_AS, &DocumentCommands::SaveAs},
        {ID_FILE_RELOAD, ID_FILE_RELOAD, &DocumentCommands::Reload, &DocumentCommands::ReloadState},
        {ID_FILE_CLOSE, ID_FILE_CLOSE, &DocumentCommands::Close},
    };
    return kTable;
}

bool DocumentCommands::OnCommand(int id)
{
    return m_doc && RunFromTable(*this, Commands(), id);
}

std::optional<CommandUpdate> DocumentCommands::OnUpdateCommand(int id)
{
    return m_doc ? UpdateFromTable(*this, Commands(), id) : std::nullopt;
}

void DocumentCommands::Save(int)
{
    m_doc->DoFileSave();
}

void DocumentCommands::SaveAs(int)
{
    m_doc->DoSaveAs();
}

void DocumentCommands::Reload(int)
{
    m_doc->Reload();
}

void DocumentCommands::Close(int)
{
    m_frame.CloseDocument(*m_doc);
}

CommandUpdate DocumentCommands::SaveState(int)
{
    return {m_doc->IsModified(), false, std::nullopt};
}

CommandUpdate DocumentCommands::ReloadState(int)
{
    return {!m_doc->GetPathName().empty(), false, std::nullopt};
}

// ---- the frame

CMainFrame::CMainFrame(AppSettings& settings, std::vector<HighlightScheme>& schemes, ClipLibraries& clips,
                       FileSystem& files)
    : m_settings(settings), m_schemes(schemes), m_clips(clips), m_shared{settings, schemes, clips}, m_files(files),
      m_prompts(m_window), m_documentCommands(*this)
{
}

CMainFrame::~CMainFrame()
{
    while (!m_documents.Entries().empty())
        m_documents.Remove(*m_documents.Entries().back().doc);
    if (m_window) {
        SetMenu(m_window, nullptr); // both menus are freed by their owners
        DestroyWindow(m_window);
    }
    if (m_noDocumentMenu)
        DestroyMenu(m_noDocumentMenu);
}

bool CMainFrame::Create()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    static const bool registered = [instance] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = instance;
        wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
        wc.lpszClassName = kFrameClass;
        return RegisterClassExW(&wc) != 0;
    }();
    m_noDocumentMenu = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    m_accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    if (!registered || !m_noDocumentMenu || !m_textType.Load() || !m_accelerators)
        return false;
    m_window = CreateWindowExW(WS_EX_ACCEPTFILES, kFrameClass, L"Noveda", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, m_noDocumentMenu,
                               instance, nullptr);
    if (!m_window)
        return false;
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CMainFrame::Proc));
    CLIENTCREATESTRUCT client{GetSubMenu(m_textType.Menu(), kWindowMenuIndex), kFirstMdiChild};
    m_mdiClient = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                  WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0,
                                  m_window, nullptr, instance, &client);
    return m_mdiClient != nullptr;
}

CTextDoc* CMainFrame::NewDocument()
{
    auto doc = std::make_unique<CTextDoc>(m_settings, this, &m_files, &m_prompts);
    doc->OnNewDocument();
    doc->SetTitle(m_documents.NextUntitledName(m_textType.DocumentName()));
    return ShowNewDocument(std::move(doc));
}

CTextDoc* CMainFrame::OpenDocument(const std::string& path)
{
    if (CMyDocManager::Entry* open = m_documents.FindPath(path)) {
        SendMessageW(m_mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(open->frame->Window()), 0);
        return open->doc.get();
    }
    auto doc = std::make_unique<CTextDoc>(m_settings, this, &m_files, &m_prompts);
    if (!doc->OnOpenDocument(path))
        return nullptr;
    doc->SetPathName(path); // the name, the title and the scheme follow
    return ShowNewDocument(std::move(doc));
}

// The first document window opens maximised.
CTextDoc* CMainFrame::ShowNewDocument(std::unique_ptr<CTextDoc> doc)
{
    const bool first = m_documents.Entries().empty();
    CChildFrame::Events events;
    events.activated = [this](CChildFrame& child) { m_documentCommands.SetDocument(&child.Document()); };
    events.closeRequested = [this](CChildFrame& child) { CloseDocument(child.Document()); };
    auto frame = std::make_unique<CChildFrame>(m_mdiClient, *doc, m_shared, std::move(events), first);
    CTextDoc* shown = doc.get();
    m_documents.Add(std::move(doc), std::move(frame));
    if (first)
        ShowDocumentMenu();
    return shown;
}

void CMainFrame::ShowDocumentMenu()
{
    const bool any = !m_documents.Entries().empty();
    HMENU documentMenu = m_textType.Menu();
    SendMessageW(m_mdiClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(any ? documentMenu : m_noDocumentMenu),
                 reinterpret_cast<LPARAM>(any ? GetSubMenu(documentMenu, kWindowMenuIndex) : nullptr));
    DrawMenuBar(m_window);
}

bool CMainFrame::CloseDocument(CTextDoc& doc)
{
    if (!doc.SaveModified())
        return false;
    m_documentCommands.SetDocument(nullptr);
    m_documents.Remove(doc);
    if (m_documents.Entries().empty())
        ShowDocumentMenu();
    return true;
}

bool CMainFrame::CloseAll()
{
    while (!m_documents.Entries().empty())
        if (!CloseDocument(*m_documents.Entries().front().doc))
            return false;
    return true;
}

CChildFrame* CMainFrame::ActiveChild()
{
    const auto active = reinterpret_cast<HWND>(SendMessageW(m_mdiClient, WM_MDIGETACTIVE, 0, 0));
    for (const CMyDocManager::Entry& e : m_documents.Entries())
        if (e.frame->Window() == active)
            return e.frame.get();
    return nullptr;
}

ViewWindow* CMainFrame::ActiveView()
{
    CChildFrame* child = ActiveChild();
    return child ? &child->ActivePane() : nullptr;
}

std::array<CommandTarget*, 5> CMainFrame::Chain()
{
    CChildFrame* child = ActiveChild();
    m_documentCommands.SetDocument(child ? &child->Document() : nullptr);
    return {child ? &child->ActivePane() : nullptr, child ? &m_documentCommands : nullptr, child, this, m_application};
}

bool CMainFrame::ExecuteCommand(int id)
{
    const std::array<CommandTarget*, 5> chain = Chain();
    return RouteCommand(chain, id);
}

std::optional<CommandUpdate> CMainFrame::UpdateCommand(int id)
{
    const std::array<CommandTarget*, 5> chain = Chain();
    return RouteUpdate(chain, id);
}

// Items no link of the chain handles are disabled.
void CMainFrame::UpdateMenu(HMENU menu)
{
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        const UINT id = GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1) || id >= kFirstMdiChild)
            continue;
        const std::optional<CommandUpdate> update = UpdateCommand(static_cast<int>(id));
        EnableMenuItem(menu, id, MF_BYCOMMAND | (update && update->enabled ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(menu, id, MF_BYCOMMAND | (update && update->checked ? MF_CHECKED : MF_UNCHECKED));
        if (update && update->text)
            ModifyMenuW(menu, id, MF_BYCOMMAND | MF_STRING, id, update->text->c_str());
    }
}

std::span<const CommandEntry<CMainFrame>> CMainFrame::Commands()
{
    static constexpr CommandEntry<CMainFrame> kTable[] = {
        {ID_FILE_NEW, ID_FILE_NEW, &CMainFrame::FileNew},
        {ID_FILE_OPEN, ID_FILE_OPEN, &CMainFrame::FileOpen},
        {ID_FILE_CLOSE_ALL, ID_FILE_CLOSE_ALL, &CMainFrame::CloseAllCommand, &CMainFrame::DocumentActive},
        {ID_FILE_SAVE_ALL, ID_FILE_SAVE_ALL, &CMainFrame::SaveAllCommand, &CMainFrame::DocumentActive},
        {ID_WINDOW_CASCADE, ID_WINDOW_TILE_VERT, &CMainFrame::ArrangeWindows, &CMainFrame::DocumentActive},
        {ID_VIEW_WORD_WRAP, ID_VIEW_WORD_WRAP, &CMainFrame::ToggleWordWrap, &CMainFrame::WordWrapState},
        {ID_VIEW_SPECIAL_CHARS, ID_VIEW_SPECIAL_CHARS, &CMainFrame::ToggleSpecialChars,
         &CMainFrame::SpecialCharsState},
        {ID_VIEW_INFO_OFF, ID_VIEW_INFO_NUMBERS, &CMainFrame::SetInfoMode, &CMainFrame::InfoModeState},
    };
    return kTable;
}

bool CMainFrame::OnCommand(int id)
{
    return RunFromTable(*this, Commands(), id);
}

std::optional<CommandUpdate> CMainFrame::OnUpdateCommand(int id)
{
    return UpdateFromTable(*this, Commands(), id);
}

void CMainFrame::FileNew(int)
{
    NewDocument();
}

void CMainFrame::FileOpen(int)
{
    if (const std::optional<std::string> path = ChooseFile(m_window, FileChoice::Open))
        OpenDocument(*path);
}

void CMainFrame::CloseAllCommand(int)
{
    CloseAll();
}

void CMainFrame::SaveAllCommand(int)
{
    SaveAllDocuments();
}

void CMainFrame::ArrangeWindows(int id)
{
    if (id == ID_WINDOW_CASCADE)
        SendMessageW(m_mdiClient, WM_MDICASCADE, 0, 0);
    else
        SendMessageW(m_mdiClient, WM_MDITILE, id == ID_WINDOW_TILE_HORZ ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

// Every view of every document: 1 wrapping changed, 2 display options
// changed, 3 fonts or colours changed.
void CMainFrame::UpdateViews(int mode)
{
    for (const CMyDocManager::Entry& e : m_documents.Entries()) {
        for (std::size_t i = 0; i < e.frame->PaneCount(); ++i) {
            CTextView& view = e.frame->Pane(i).View();
            if (mode == 1)
                view.Rewrap();
            else if (mode == 3)
                view.SetupFont();
            view.ApplySettings(true);
        }
    }
}

void CMainFrame::ToggleWordWrap(int)
{
    m_settings.WrapOn = !m_settings.WrapOn;
    UpdateViews(1);
}

void CMainFrame::ToggleSpecialChars(int)
{
    m_settings.ShowTabs = !m_settings.ShowTabs;
    UpdateViews(2);
}

void CMainFrame::SetInfoMode(int id)
{
    m_settings.InfoMode = static_cast<std::uint8_t>(id - ID_VIEW_INFO_OFF);
    UpdateViews(2);
}

CommandUpdate CMainFrame::DocumentActive(int)
{
    return {ActiveChild() != nullptr, false, std::nullopt};
}

CommandUpdate CMainFrame::WordWrapState(int)
{
    return {true, m_settings.WrapOn != 0, std::nullopt};
}

CommandUpdate CMainFrame::SpecialCharsState(int)
{
    return {true, m_settings.ShowTabs != 0, std::nullopt};
}

CommandUpdate CMainFrame::InfoModeState(int id)
{
    return {true, m_settings.InfoMode == id - ID_VIEW_INFO_OFF, std::nullopt};
}

// ---- what documents ask of the frame

void CMainFrame::AddDocument(CTextDoc&) {}

void CMainFrame::RemoveDocument(CTextDoc&) {}

void CMainFrame::RepaintFileTabs() {}

void CMainFrame::UpdateTitle(CTextDoc& doc)
{
    if (CMyDocManager::Entry* e = m_documents.Find(doc))
        if (e->frame)
            e->frame->SetTitle(doc.GetTitle());
}

void CMainFrame::AddRecentFile(const std::string&) {}

void CMainFrame::RefreshFavorite(CTextDoc&) {}

bool CMainFrame::SaveAllDocuments()
{
    for (const CMyDocManager::Entry& e : m_documents.Entries())
        if (!e.doc->DoFileSave())
            return false;
    return true;
}

std::uint8_t CMainFrame::SchemeForExtension(const std::string& key)
{
    return static_cast<std::uint8_t>(::SchemeForExtension(m_schemes, key, m_settings.DefaultScheme));
}

// A configured tool, or a program the system associates with the extension.
bool CMainFrame::HasTool(const std::string& key)
{
    if (FindTool(m_settings.tools, key))
        return true;
    std::string extension = key.substr(0, key.find(' '));
    if (extension.empty())
        return false;
    HKEY association = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, FromCp1251("." + extension).c_str(), 0, KEY_READ, &association) != ERROR_SUCCESS)
        return false;
    RegCloseKey(association);
    return true;
}

std::unique_ptr<ProgressMeter> CMainFrame::ShowProgress(const std::string&)
{
    return nullptr;
}

std::optional<std::string> CMainFrame::GetInterfaceString(std::uint32_t)
{
    return std::nullopt;
}

// ---- messages

LRESULT CALLBACK CMainFrame::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<CMainFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->m_mdiClient)
        return DefFrameProcW(window, self ? self->m_mdiClient : nullptr, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT CMainFrame::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (ExecuteCommand(LOWORD(wParam)))
            return 0;
        break;
    case WM_INITMENUPOPUP:
        UpdateMenu(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_DPICHANGED: { // moved to a monitor of another scale: take the size it suggests
        const RECT& r = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(m_window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CLOSE:
        if (CloseAll())
            DestroyWindow(m_window);
        return 0;
    case WM_DESTROY:
        m_window = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefFrameProcW(m_window, m_mdiClient, message, wParam, lParam);
}
