#include "win32/framework/main_frame.h"

#include "core/app/frame_rules.h"
#include "core/app/recent_files.h"
#include "core/platform/progress.h"
#include "core/settings/settings_io.h"
#include "core/tools/clip_library.h"
#include "core/view/highlight_scheme.h"
#include "win32/app/file_dialogs.h"
#include "win32/app/menu_conversion.h"
#include "win32/app/single_instance.h"
#include "win32/app/text_conversion.h"
#include "win32/app/win_interface_menus.h"
#include "win32/app/win_settings.h"
#include "win32/app/window_class.h"
#include "win32/framework/child_frame.h"
#include "win32/res/commands.h"
#include "win32/res/resource.h"
#include "win32/view/view_window.h"

#include <shellapi.h>

namespace {

const wchar_t kFrameClass[] = L"NovedaMainFrame";
constexpr UINT kFirstMdiChild = 0xFF00;

} // namespace

// ---- the frame

CMainFrame::CMainFrame(AppSettings& settings, std::vector<HighlightScheme>& schemes, ClipLibraries& clips,
                       FrameServices services)
    : m_settings(settings), m_schemes(schemes), m_clips(clips), m_shared{settings, schemes, clips},
      m_files(services.files), m_store(services.store), m_environment(services.environment),
      m_programDir(services.programDir), m_recent(services.recentFiles),
      m_messageBoxes(m_window, settings, m_fileDialogs, InterfaceLookup()),
      m_prompts(services.prompts ? *services.prompts : m_messageBoxes),
      m_documentCommands(*this)
{
}

CMainFrame::~CMainFrame()
{
    if (m_outputChannel)
        m_outputChannel->Close();
    m_findDialog.reset();
    ReleaseDocuments();
    if (m_fullScreen.IsOn())
        m_fullScreen.Leave(m_window, m_mdiClient, nullptr, *m_bars);
    m_trayIcon.Hide();
    m_bars.reset();
    if (m_window) {
        SetMenu(m_window, nullptr); // both menus are freed by their owners
        DestroyWindow(m_window);
    }
    if (m_noDocumentMenu)
        DestroyMenu(m_noDocumentMenu);
    for (const auto& [id, menu] : m_popups)
        DestroyMenu(menu);
}

// Closes every document without a question (each records its favorite and
// recent entry as it goes) and writes the favorites.
void CMainFrame::ReleaseDocuments()
{
    while (!m_documents.Entries().empty())
        m_documents.Remove(*m_documents.Entries().back().doc);
    if (m_settings.FavoritesChanged) { // a file that cannot be written is not reported
        SaveFavorites(m_programDir + kFavoritesFileName, m_settings.favorites);
        m_settings.FavoritesChanged = 0;
    }
}

bool CMainFrame::Create()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    static const bool registered =
        RegisterWindowClass({kFrameClass, DefWindowProcW, IDC_ARROW, COLOR_APPWORKSPACE, 0, IDR_MAINFRAME});
    m_noDocumentMenu = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    m_accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    if (!registered || !m_noDocumentMenu || !m_textType.Load() || !m_accelerators)
        return false;
    RECT placed{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    PlaceFromStore(placed);
    m_window = CreateWindowExW(WS_EX_ACCEPTFILES, kFrameClass, L"Noveda", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                               placed.left, placed.top, placed.right, placed.bottom, nullptr, m_noDocumentMenu,
                               instance, nullptr);
    if (!m_window)
        return false;
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CMainFrame::Proc));
    CLIENTCREATESTRUCT client{GetSubMenu(m_textType.Menu(), kWindowMenuIndex), kFirstMdiChild};
    m_mdiClient = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                  WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0,
                                  m_window, nullptr, instance, &client);
    if (!m_mdiClient)
        return false;
    for (unsigned id : {IDR_TEXT_CONTEXT_MENU, IDR_TRAY_MENU, IDR_FILE_TAB_MENU, IDR_OUTPUT_MENU})
        m_popups[id] = LoadMenuW(instance, MAKEINTRESOURCEW(id));
    m_bars = std::make_unique<FrameBars>(m_window, m_mdiClient, m_settings, LoadToolbarLayout(m_store), BarEvents());
    HWND window = m_window;
    m_outputChannel = std::make_shared<OutputChannel>([window] { PostMessageW(window, kOutputMessage, 0, 0); });
    InstallClipLibraryMenus();
    for (HMENU menu : {m_noDocumentMenu, m_textType.Menu(), m_popups[IDR_TEXT_CONTEXT_MENU], m_popups[IDR_TRAY_MENU],
                       m_popups[IDR_FILE_TAB_MENU], m_popups[IDR_OUTPUT_MENU]})
        m_menuPainter.Apply(menu, true);
    RebuildViewSourceMenu();
    m_bars->LoadState(m_store);
    StartAutoSaveTimer();
    return true;
}

// "WinPos" as the frame's first rectangle (left, top, width, height) and
// show state, when all five values are stored.
void CMainFrame::PlaceFromStore(RECT& rect)
{
    const std::optional<WindowPlacement> stored = ReadFramePlacement(m_store);
    if (!stored)
        return;
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const ScreenMetrics screen{{workArea.left, workArea.top, workArea.right, workArea.bottom},
                               GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                               GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
    const Rect r = FrameRectFromPlacement(*stored, screen);
    rect = {r.left, r.top, r.Width(), r.Height()};
    m_storedShowCommand = stored->status;
}

FrameBars::Events CMainFrame::BarEvents()
{
    FrameBars::Events events;
    events.toolBar.tooltip = [this](int command) {
        const ClipLibrary* library = nullptr;
        if (command >= ID_CLIP_BUTTON_FIRST && command < ID_CLIP_BUTTON_FIRST + kClipLibrarySlots)
            library = &m_clips.slots[static_cast<std::size_t>(command - ID_CLIP_BUTTON_FIRST)];
        return ToolbarTooltip(
            command, library && library->loaded ? library->name : std::string(),
            InterfaceLookup(),
            [](std::uint32_t id) { return StringTableResources().Load(id); });
    };
    events.toolBar.dropDown = [this](int command) { ExecuteCommand(command); };
    events.fileTabs.activate = [this](CTextDoc& doc) { ActivateDocument(doc); };
    events.output.jump = [this](const std::string& path, unsigned long line) { OpenAtLine(path, line); };
    events.output.showMenu = [this](POINT screen) { ShowOutputMenu(screen); };
    events.fileTabs.showMenu = [this](POINT screen) {
        TrackPopupMenu(GetSubMenu(PopupMenu(IDR_FILE_TAB_MENU), 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y,
                       0, m_window, nullptr);
    };
    return events;
}

void CMainFrame::StartAutoSaveTimer()
{
    KillTimer(m_window, kAutoSaveTimer);
    if (m_settings.AutoSaveActive)
        SetTimer(m_window, kAutoSaveTimer, static_cast<UINT>(m_settings.AutoSave) * 60000u, nullptr);
}

CTextDoc* CMainFrame::NewDocument()
{
    auto doc = std::make_unique<CTextDoc>(m_settings, &m_documentSide, &m_files, &m_prompts);
    doc->OnNewDocument();
    doc->SetTitle(m_documents.NextUntitledName(m_textType.DocumentName()));
    return ShowNewDocument(std::move(doc));
}

OpenOptions CMainFrame::UnchosenOpen() const
{
    return OpenWithoutChoice(m_settings.DisableAuto, m_settings.Encoding);
}

CTextDoc* CMainFrame::OpenDocument(const std::string& path, const OpenOptions& options)
{
    const DWORD attributes = GetFileAttributesW(FromCp1251(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return nullptr;
    if (CChildFrame* active = ActiveChild(); active && active->Document().GivesWayToAnOpenedFile())
        CloseDocument(active->Document());
    // A favorite's place is restored once, when it opens: toggling its
    // bookmarks again would clear them.
    const bool alreadyOpen = m_documents.FindPath(path) != nullptr;
    CTextDoc* doc = OpenDocumentFile(path, options);
    if (const Favorite* favorite = FindFavorite(m_settings.favorites, path); favorite && doc && !alreadyOpen)
        if (CMyDocManager::Entry* e = m_documents.Find(*doc))
            e->frame->Pane(0).View().ApplyRememberedPosition(*favorite);
    return doc;
}

CTextDoc* CMainFrame::OpenDocumentFile(const std::string& path, const OpenOptions& options)
{
    if (CMyDocManager::Entry* open = m_documents.FindPath(path)) {
        SendMessageW(m_mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(open->frame->Window()), 0);
        return open->doc.get();
    }
    auto doc = std::make_unique<CTextDoc>(m_settings, &m_documentSide, &m_files, &m_prompts);
    if (!doc->OnOpenDocument(path, options))
        return nullptr;
    doc->SetPathName(path); // the name, the title and the scheme follow
    if (m_recent)
        m_recent->Add(path);
    return ShowNewDocument(std::move(doc));
}

// The first document window opens maximised.
CTextDoc* CMainFrame::ShowNewDocument(std::unique_ptr<CTextDoc> doc)
{
    const bool first = m_documents.Entries().empty();
    CChildFrame::Events events;
    events.activated = [this](CChildFrame& child) {
        m_documentCommands.SetDocument(&child.Document());
        SelectFileTab(child.Document());
    };
    events.closeRequested = [this](CChildFrame& child) { CloseDocument(child.Document()); };
    std::optional<WindowPlacement> stored;
    if (first)
        stored = ReadFirstViewPlacement(m_store);
    CChildFrame* active = ActiveChild();
    RECT client{};
    GetClientRect(m_mdiClient, &client);
    const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSIZEFRAME);
    const WindowPlacement placement =
        NewChildPlacement(stored, active && IsZoomed(active->Window()), static_cast<int>(m_documents.Entries().size()),
                          {0, 0, client.right, client.bottom}, step);
    auto frame = std::make_unique<CChildFrame>(m_mdiClient, *doc, m_shared, std::move(events), placement,
                                               PopupMenu(IDR_TEXT_CONTEXT_MENU));
    CTextDoc* shown = doc.get();
    m_documents.Add(std::move(doc), std::move(frame));
    if (first)
        ShowDocumentMenu();
    SelectFileTab(*shown);
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
        if (update && update->text) {
            MENUITEMINFOW item{};
            item.cbSize = sizeof(item);
            item.fMask = MIIM_STRING;
            std::wstring text = FromCp1251(*update->text);
            item.dwTypeData = text.data();
            SetMenuItemInfoW(menu, id, FALSE, &item);
        }
    }
}

void CMainFrame::OnIdle()
{
    ViewWindow* active = ActiveView();
    if (m_bars->StatusVisible()) {
        std::optional<CaretInfo> caret;
        if (active) {
            const TextPos at = active->View().Caret();
            caret = CaretInfo{static_cast<std::uint32_t>(at.line),
                              static_cast<std::uint32_t>(ActiveChild()->Document().GetLineCount()),
                              static_cast<std::uint32_t>(at.col),
                              static_cast<std::uint32_t>(active->View().CodePage()),
                              ActiveChild()->Document().GetUnicodeForm(), ActiveChild()->Document().StatusNote()};
        }
        const StatusTexts texts = ComputeStatusTexts(caret, m_settings, InterfaceLookup());
        const std::optional<std::string> codePage = texts.unicodeName.empty()
                                                        ? StringTableResources().Load(texts.codePageString)
                                                        : texts.unicodeName;
        m_bars->Status().Show(texts, FromCp1251(codePage.value_or("")));
    }
    if (m_bars->Visible(FrameBars::kToolBar)) {
        for (int command : m_bars->Tools().Commands()) {
            const std::optional<CommandUpdate> update = UpdateCommand(command);
            m_bars->Tools().SetButtonState(command, update && update->enabled, update && update->checked);
        }
    }
    if (FloatingToolBar* floating = m_fullScreen.Floating())
        floating->SetChecked(ID_VIEW_FULL_SCREEN, true);
}

void CMainFrame::SelectFileTab(CTextDoc& doc)
{
    m_bars->FileTabs().SelectFileTab(doc);
}

std::unique_ptr<ProgressMeter> CMainFrame::ShowProgress(const std::string& label)
{
    return m_bars->Status().ShowProgress(FromCp1251(label));
}

std::optional<std::string> CMainFrame::InterfaceString(std::uint32_t id)
{
    return m_language.GetInterfaceString(id);
}

bool CMainFrame::SaveAll()
{
    for (const CMyDocManager::Entry& e : m_documents.Entries())
        if (e.doc->IsModified() && !e.doc->DoFileSave())
            return false;
    return true;
}

void CMainFrame::AutoSave()
{
    if (m_autoSaving)
        return;
    m_autoSaving = true;
    for (const CMyDocManager::Entry& e : m_documents.Entries())
        if (!e.doc->GetPathName().empty() && e.doc->IsModified() && !e.doc->SavesOnlyElsewhere())
            e.doc->DoFileSave();
    m_autoSaving = false;
}

void CMainFrame::UpdateAllViews(ViewChange change)
{
    for (const CMyDocManager::Entry& e : m_documents.Entries()) {
        for (std::size_t i = 0; i < e.frame->PaneCount(); ++i) {
            CTextView& view = e.frame->Pane(i).View();
            if (change == ViewChange::Fonts || change == ViewChange::All)
                view.SetupFont();
            if (change == ViewChange::Wrapping || change == ViewChange::All)
                view.Rewrap();
            view.ApplySettings(true);
        }
    }
}

// ---- messages

LRESULT CALLBACK CMainFrame::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<CMainFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->m_mdiClient || !self->m_bars)
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
    case WM_INITMENUPOPUP: {
        HMENU menu = reinterpret_cast<HMENU>(wParam);
        if (GetMenuState(menu, ID_FAVORITES_ADD, MF_BYCOMMAND) != static_cast<UINT>(-1))
            RebuildFavoritesMenu(menu);
        if (const UINT first = GetMenuItemID(menu, 0); first >= ID_FILE_MRU_FIRST && first < ID_FILE_MRU_LAST)
            RebuildRecentFilesMenu(menu);
        UpdateMenu(menu);
        if (!HIWORD(lParam)) // not a window's system menu
            m_menuPainter.Apply(menu);
        return 0;
    }
    case WM_SIZE:
        OnSize(wParam);
        return 0;
    case WM_DPICHANGED: {
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(m_window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        FollowScreenDpi();
        return 0;
    }
    case WM_SETFOCUS: // the keyboard belongs to the active view
        if (ViewWindow* view = ActiveView()) {
            SetFocus(view->Window());
            return 0;
        }
        break;
    case WM_MENUCHAR:
        if (const int item = MenuPainter::ItemOfMnemonic(reinterpret_cast<HMENU>(lParam), LOWORD(wParam)); item >= 0)
            return MAKELRESULT(item, MNC_EXECUTE);
        break;
    case WM_MEASUREITEM:
        if (m_menuPainter.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (m_menuPainter.Draw(item))
            return TRUE;
        if (item.hwndItem == m_bars->Status().Window()) {
            m_bars->Status().Draw(item);
            return TRUE;
        }
        break;
    }
    case WM_TIMER:
        if (wParam == kAutoSaveTimer) {
            AutoSave();
            return 0;
        }
        break;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    default:
        if (message == SingleInstance::Message() && m_onHandOver) {
            m_onHandOver();
            return 0;
        }
        break;
    case kTrayMessage:
        if (wParam == TrayIcon::kId)
            OnTrayNotify(lParam);
        return 0;
    case kOutputMessage:
        TakeOutput();
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_QUERYENDSESSION: // Windows is shutting down or the user logs off
        return QuerySaveAll() ? TRUE : FALSE;
    case WM_ENDSESSION:
        if (wParam)
            OnEndSession();
        return 0;
    case WM_DESTROY:
        m_outputChannel->Close(); // children still running print into nothing
        m_window = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefFrameProcW(m_window, m_mdiClient, message, wParam, lParam);
}

void CMainFrame::OnSize(WPARAM kind)
{
    if (kind != SIZE_MINIMIZED)
        m_bars->RecalcLayout();
    if (!m_settings.ToTray)
        return;
    if (kind == SIZE_MINIMIZED && !m_trayIcon.IsShown()) {
        const auto icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 16, 16, 0));
        if (m_trayIcon.Show(m_window, kTrayMessage, icon, L"Noveda")) // without an icon the window stays on the task bar
            ShowWindow(m_window, SW_HIDE);
    } else if ((kind == SIZE_RESTORED || kind == SIZE_MAXIMIZED) && m_trayIcon.IsShown()) {
        m_trayIcon.Hide();
        ShowWindow(m_window, kind == SIZE_MAXIMIZED ? SW_SHOWMAXIMIZED : SW_RESTORE);
        SetForegroundWindow(m_window);
    }
}

void CMainFrame::OnTrayNotify(LPARAM event)
{
    if (event == WM_RBUTTONUP) {
        HMENU popup = GetSubMenu(PopupMenu(IDR_TRAY_MENU), 0);
        SetMenuDefaultItem(popup, 0, TRUE);
        POINT at;
        GetCursorPos(&at);
        SetForegroundWindow(m_window);
        TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, m_window, nullptr);
        PostMessageW(m_window, WM_NULL, 0, 0); // so that the menu closes when clicked away
    } else if (event == WM_LBUTTONUP) {
        RestoreFromTray();
    }
}

void CMainFrame::RestoreFromTray()
{
    SendMessageW(m_window, WM_SIZE, SIZE_RESTORED, 0);
}

// Dropped files open with code-page detection.
void CMainFrame::OnDropFiles(HDROP drop)
{
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> paths;
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
        paths.push_back(ToCp1251(path));
    }
    DragFinish(drop);
    for (const std::string& path : paths)
        OpenDocument(path, UnchosenOpen());
}

// Settings and bar states are written before the save questions: a
// cancelled close keeps them written and the program running.
void CMainFrame::OnClose()
{
    m_findDialog.reset(); // the Find window goes first
    if (m_fullScreen.IsOn())
        m_fullScreen.Leave(m_window, m_mdiClient, ActiveChild() ? ActiveChild()->Window() : nullptr, *m_bars);
    KillTimer(m_window, kAutoSaveTimer);
    SaveStateAtClose();
    if (!CloseAll()) {
        StartAutoSaveTimer(); // still running: keep saving
        return;
    }
    DestroyWindow(m_window);
}

// The save question for every modified document; the documents stay open.
bool CMainFrame::QuerySaveAll()
{
    for (const CMyDocManager::Entry& e : m_documents.Entries())
        if (!e.doc->SaveModified())
            return false;
    return true;
}

// The session ends and the process with it, without a WM_CLOSE: what a
// close writes is written now. The user has answered the save questions.
void CMainFrame::OnEndSession()
{
    KillTimer(m_window, kAutoSaveTimer);
    SaveStateAtClose();
    ReleaseDocuments();
    if (m_recent)
        m_recent->Save(m_store);
}

// Bar states, placements and the close-time settings.
void CMainFrame::SaveStateAtClose()
{
    m_bars->SaveState(m_store);
    ClosingState closing;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(m_window, &placement);
    const RECT& r = placement.rcNormalPosition;
    closing.frame = {static_cast<int>(placement.showCmd), r.top, r.left, r.bottom, r.right};
    if (CChildFrame* child = ActiveChild()) {
        WINDOWPLACEMENT view{};
        view.length = sizeof(view);
        GetWindowPlacement(child->Window(), &view);
        const RECT& v = view.rcNormalPosition;
        closing.activeView = WindowPlacement{static_cast<int>(view.showCmd), v.top, v.left, v.bottom, v.right};
    }
    closing.toolBarVisible = m_bars->Visible(FrameBars::kToolBar);
    closing.statusBarVisible = m_bars->StatusVisible();
    closing.labelBarVisible = m_bars->Visible(FrameBars::kFileTabs);
    SaveSettingsAtClose(m_store, m_settings, closing, m_environment);
}
