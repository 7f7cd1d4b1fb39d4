#include "win32/framework/editor_app.h"

#include "core/app/dialog_rules.h"
#include "core/settings/favorites.h"
#include "core/settings/input_tables.h"
#include "core/settings/settings_io.h"
#include "core/settings/shipped_setup.h"
#include "core/text/placeholder.h"
#include "win32/app/text_conversion.h"
#include "win32/app/win_prompts.h"
#include "win32/framework/frame_path_opener.h"
#include "win32/framework/main_frame.h"
#include "win32/framework/message_loop.h"
#include "win32/res/commands.h"
#include "version.h"

#include <clocale>

namespace {

std::string ProgramDirectory()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::string program = ToCp1251(std::wstring_view(path, length));
    return program.substr(0, program.find_last_of('\\') + 1);
}

} // namespace

EditorApp::EditorApp() = default;

EditorApp::~EditorApp()
{
    m_loop.reset();
    m_frame.reset();
}

bool EditorApp::InitInstance(int showCommand)
{
    // Without the shared block (the system refused it) the editor still runs,
    // as an instance of its own.
    const bool single = m_single.Valid();
    if (single) {
        m_single.Lock();
        // A window that is gone belongs to an instance that is ending: this
        // start takes its place rather than handing its files to nobody.
        // After a hand-over the lock stays taken: the running instance gives
        // it back.
        if (HWND running = m_single.RunningWindow(); running && IsWindow(running) &&
            m_single.HandOver(ArgumentsOf(ToCp1251(GetCommandLineW())), SingleInstance::Message()))
            return false;
    }
    m_programDir = ProgramDirectory();
    if (const char* previous = std::setlocale(LC_CTYPE, "russian"))
        m_previousLocale = previous;
    const bool firstStart = RecordStart(m_store, m_programDir);
    if (firstStart)
        ApplyShippedSetup(m_store, m_files, m_programDir);
    LoadSettings();
    // The size comes through the settings' range check: a damaged value
    // gives the default, not a list of millions of entries.
    if (m_settings.MRUmax > 0) {
        m_recent = std::make_unique<RecentFileList>(m_settings.MRUmax);
        m_recent->Load(m_store);
    }
    m_frame = std::make_unique<CMainFrame>(
        m_settings, m_schemes, m_clips, FrameServices{m_files, m_store, m_environment, nullptr, m_programDir, m_recent.get()});
    if (!m_frame->Create()) {
        if (single)
            m_single.Unlock();
        return false;
    }
    m_frame->SetApplication(this);
    m_frame->SetHandOverReceiver([this] { ReceiveHandOver(); });
    m_frame->ApplyInterfaceLanguage();
    DragAcceptFiles(m_frame->Window(), TRUE);
    ProcessCommandLine(ArgumentsOf(ToCp1251(GetCommandLineW())));
    // The first start offers the shell entries before the first use.
    if (firstStart)
        m_frame->ShowFirstStartWindow();
    ShowWindow(m_frame->Window(), m_frame->ShowCommand(showCommand));
    UpdateWindow(m_frame->Window());
    if (single)
        m_single.Publish(m_frame->Window());
    m_loop = std::make_unique<MessageLoop>(*m_frame);
    return true;
}

// In the order start-up loads them; a missing file or key leaves defaults.
void EditorApp::LoadSettings()
{
    ::LoadSettings(m_store, m_settings, m_environment);
    LoadHighlightSchemeEntries(m_store, m_settings);
    m_schemes = LoadHighlightSchemes(m_settings.schemeEntries, m_settings.DefaultScheme);
    WinPrompts startupMessages(m_messageOwner, m_settings, m_startupDialogs, [](std::uint32_t) { return std::nullopt; });
    LoadKeyboardLayoutFile(m_store, m_settings, startupMessages);
    LoadOpenSaveTypes(m_store, m_settings);
    m_settings.favorites = LoadFavorites(m_programDir + kFavoritesFileName);
    LoadAutoSave(m_store, m_settings);
    LoadFindInFilesHistory(m_store, m_settings);
    LoadClipLibraries(m_store, m_settings);
    m_clips.LoadAll(m_settings.Libfile);
}

int EditorApp::Run()
{
    return m_loop ? m_loop->Run() : 0;
}

int EditorApp::ExitInstance()
{
    if (m_single.Valid())
        m_single.Withdraw();
    if (!m_previousLocale.empty())
        std::setlocale(LC_CTYPE, m_previousLocale.c_str());
    if (m_recent)
        m_recent->Save(m_store);
    return 0;
}

void EditorApp::ProcessCommandLine(const std::string& text)
{
    FramePathOpener opener(*m_frame);
    ::ProcessCommandLine(text, m_settings, opener);
}

// An empty hand-over only brings this instance to the front.
void EditorApp::ReceiveHandOver()
{
    if (!m_single.Valid())
        return;
    const std::string text = m_single.TakeCommandLine();
    if (!text.empty())
        ProcessCommandLine(text);
    SetForegroundWindow(m_frame->Window());
    m_single.Unlock();
}

std::span<const CommandEntry<EditorApp>> EditorApp::Commands()
{
    static constexpr CommandEntry<EditorApp> kTable[] = {
        {ID_APP_ABOUT, ID_APP_ABOUT, &EditorApp::About},
        {ID_APP_EXIT, ID_APP_EXIT, &EditorApp::Exit},
    };
    return kTable;
}

bool EditorApp::OnCommand(int id)
{
    return RunFromTable(*this, Commands(), id);
}

std::optional<CommandUpdate> EditorApp::OnUpdateCommand(int id)
{
    return UpdateFromTable(*this, Commands(), id);
}

void EditorApp::About(int)
{
    const std::string text = FillPlaceholder(m_frame->InterfaceText(kAboutText), NOVEDA_VERSION_TEXT);
    MessageBoxW(m_frame->Window(), FromCp1251(text).c_str(), FromCp1251(m_frame->InterfaceText(kAboutTitle)).c_str(),
                MB_OK | MB_ICONINFORMATION);
}

void EditorApp::Exit(int)
{
    PostMessageW(m_frame->Window(), WM_CLOSE, 0, 0);
}
