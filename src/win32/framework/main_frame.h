#pragma once

#include "core/app/interface_language.h"
#include "core/doc/doc_strings.h"
#include "core/doc/text_doc.h"
#include "core/settings/app_settings.h"
#include "core/settings/favorites.h"
#include "core/tools/output_channel.h"
#include "core/view/text_view.h"
#include "win32/app/common_pickers.h"
#include "win32/app/file_dialogs.h"
#include "win32/app/win_prompts.h"
#include "win32/app/win_settings.h"
#include "win32/dialogs/find_dialog.h"
#include "win32/dialogs/scope_dialogs.h"
#include "core/settings/command_routing.h"
#include "win32/framework/doc_manager.h"
#include "win32/framework/doc_template.h"
#include "win32/framework/document_commands.h"
#include "win32/framework/frame_bars.h"
#include "win32/framework/full_screen.h"
#include "win32/res/resource.h"
#include "win32/widgets/menu_painter.h"
#include "win32/widgets/tray_icon.h"

#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <memory>

class ChildFrameEvents;
class PreferencesWindow;
class CChildFrame;
class ClipLibraries;
class FileSystem;
class ProfileStore;
class RecentFileList;
class SettingsEnvironment;
class ViewWindow;

// What the frame works with besides the settings; documents ask `prompts`
// their questions, or the frame's own message boxes when there are none.
struct FrameServices {
    FileSystem& files;
    ProfileStore& store;
    SettingsEnvironment& environment;
    Prompts* prompts = nullptr;
    std::string programDir;                // ends with a backslash; holds favorite.dat
    RecentFileList* recentFiles = nullptr; // none when MRUmax is 0
};

// The MDI main window: menu 128 with no document open and 129 with some,
// accelerators 128, the bars, the document windows, and the command chain
// (active view, its document, its child frame, this frame, the application).
class CMainFrame : public CommandTarget {
public:
    static constexpr int kWindowMenuIndex = 7; // "&Window" of menu 129
    static constexpr UINT_PTR kAutoSaveTimer = 130;
    static constexpr UINT kTrayMessage = WM_USER + 100;
    static constexpr UINT kOutputMessage = WM_USER + 101; // captured output has come

    CMainFrame(AppSettings& settings, std::vector<HighlightScheme>& schemes, ClipLibraries& clips,
               FrameServices services);
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    bool Create();
    HWND Window() const { return m_window; }
    HWND MdiClient() const { return m_mdiClient; }
    // The modeless Find dialog, while it is open.
    HWND FindWindowHandle() const { return m_findDialog ? m_findDialog->Window() : nullptr; }
    HACCEL Accelerators() const { return m_accelerators; }
    void SetApplication(CommandTarget* application) { m_application = application; }
    // The first start's window: the Shell page alone, modal.
    void ShowFirstStartWindow();
    // How to show the frame first: the stored state, or `fallback`.
    int ShowCommand(int fallback) const { return m_storedShowCommand.value_or(fallback); }
    FrameBars& Bars() { return *m_bars; }
    std::vector<HighlightScheme>& Schemes() { return m_schemes; }
    bool IsFullScreen() const { return m_fullScreen.IsOn(); }
    bool HasTrayIcon() const { return m_trayIcon.IsShown(); }

    CTextDoc* NewDocument();
    // The application's open for every route: a directory opens nothing; an
    // unmodified untitled active document gives way; a favorite opened anew
    // gets its caret, code page and bookmarks back.
    CTextDoc* OpenDocument(const std::string& path, const OpenOptions& options);
    // The options of an open the user chose nothing for.
    OpenOptions UnchosenOpen() const;
    // The framework's open: an already open path activates its window.
    CTextDoc* OpenDocumentFile(const std::string& path, const OpenOptions& options);
    // Asks to save a modified document; false when the user cancels.
    bool CloseDocument(CTextDoc& doc);
    CMyDocManager& Documents() { return m_documents; }
    CChildFrame* ActiveChild();
    ViewWindow* ActiveView();

    // Through the whole chain.
    bool ExecuteCommand(int id);
    std::optional<CommandUpdate> UpdateCommand(int id);
    // Enables, checks and retexts the items of a menu that opens.
    void UpdateMenu(HMENU menu);
    // Status texts and toolbar buttons, when the message queue is empty.
    void OnIdle();
    // Saves every modified document, stopping at a failed or cancelled save.
    bool SaveAll();
    // Asks about each modified document and closes it; false when the user
    // cancels one.
    bool CloseAll();
    // What changed that every view must follow.
    enum class ViewChange { Wrapping, DisplayOptions, Fonts, All };
    void UpdateAllViews(ViewChange change);
    // "View source as" after "Plain text", from the loaded schemes.
    void RebuildViewSourceMenu();
    // General "InterfaceFile" over the six menus and the strings.
    void ApplyInterfaceLanguage();
    // Told when a later start has handed over its command line.
    void SetHandOverReceiver(std::function<void()> receiver) { m_onHandOver = std::move(receiver); }
    std::vector<Favorite>& Favorites() { return m_settings.favorites; }
    int& FavoritesChangedFlag() { return m_settings.FavoritesChanged; }
    // Favorites entry `index` (Encoding from the entry; replaces an unmodified
    // untitled active document).
    void OpenFavorite(std::size_t index);
    // "&Add to favorites" for the active document.
    void AddActiveToFavorites();
    // The live pop-up menus 1101, 1102, 142 and 157.
    HMENU PopupMenu(unsigned id) const;
    void StartAutoSaveTimer();

    // CommandTarget: the frame's own commands.
    bool OnCommand(int id) override;
    std::optional<CommandUpdate> OnUpdateCommand(int id) override;

    void SelectFileTab(CTextDoc& doc);
    // Interface string `id` of the language in use.
    std::optional<std::string> InterfaceString(std::uint32_t id);
    // The interface language's text, else the program's own.
    std::string InterfaceText(const DocString& text) { return InterfaceString(text.id).value_or(text.text); }
    StringLookup InterfaceLookup()
    {
        return [this](std::uint32_t id) { return InterfaceString(id); };
    }
    // The status bar's progress meter.
    std::unique_ptr<ProgressMeter> ShowProgress(const std::string& label);

    // External tools and the output window (main_frame_output.cpp).
    // Execute: the document's tool, or the system's program for its file.
    void ExecuteTool(CTextDoc& doc);
    // Starts a child whose output goes to the output window; a child that
    // cannot start leaves a line there saying so.
    void RunCaptured(const std::string& commandLine);
    // Opens (or activates) a file with detection and puts the caret at the
    // start of `line` (from 1); a file that cannot be read opens nothing.
    void OpenAtLine(const std::string& path, unsigned long line);
    // What reader threads push into; they hold it while their child runs.
    std::weak_ptr<OutputChannel> CaptureChannel() const { return m_outputChannel; }
    // The colour and font dialogs of the Preferences window.
    PreferencePickers& Pickers() { return m_pickers; }
    // Captured runs whose output has ended and been shown.
    int FinishedOutputRuns() const { return m_finishedOutputRuns; }

private:
    // What the Find and Replace dialogs work with.
    class FindSide : public FindHost {
    public:
        explicit FindSide(CMainFrame& frame) : m_frame(frame) {}
        bool HasDocument() override;
        CTextView& ActiveView() override;
        bool ActivateNext() override;
        void MarkStart() override;
        std::vector<std::string>& FindHistory() override { return m_frame.m_findHistory; }
        std::vector<std::string>& ReplaceHistory() override { return m_replaceHistory; }
        void ReportSearch(const DocString& message, const std::string& text) override;

    private:
        CMainFrame& m_frame;
        CChildFrame* m_start = nullptr;
        // Replacement texts in cp1251, newest first, for as long as the program runs.
        std::vector<std::string> m_replaceHistory;
    };

    // What the documents ask of and tell the frame.
    class DocumentSide : public DocumentHost {
    public:
        explicit DocumentSide(CMainFrame& frame) : m_frame(frame) {}
        bool SaveAllDocuments() override;
        std::uint8_t SchemeForExtension(const std::string& key) override;
        bool HasTool(const std::string& key) override;
        std::unique_ptr<ProgressMeter> ShowProgress(const std::string& label) override;
        std::optional<std::string> GetInterfaceString(std::uint32_t id) override;
        void DocumentOpened(CTextDoc& doc) override;
        void DocumentClosing(CTextDoc& doc) override;
        void DocumentSaved(CTextDoc& doc) override;
        void DocumentSavedAs(CTextDoc& doc) override;
        void TitleChanged(CTextDoc& doc) override;
        void StateChanged(CTextDoc& doc) override;

    private:
        CMainFrame& m_frame;
    };

    // What the frame does again after the Preferences (main_frame_preferences.cpp).
    class PreferencesSide;

    static std::span<const CommandEntry<CMainFrame>> Commands();
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    std::array<CommandTarget*, 5> Chain();
    CTextDoc* ShowNewDocument(std::unique_ptr<CTextDoc> doc);
    void ShowDocumentMenu();
    // Saves the modified documents that have a path. A tick while a failed
    // save's message is open does nothing: the next one after it retries.
    void AutoSave();
    FrameBars::Events BarEvents();
    void PlaceFromStore(RECT& rect);
    void OnSize(WPARAM kind);
    void OnClose();
    bool QuerySaveAll();
    void OnEndSession();
    void SaveStateAtClose();
    void ReleaseDocuments();
    void OnTrayNotify(LPARAM event);
    void RestoreFromTray();
    void OnDropFiles(HDROP drop);
    void RebuildFavoritesMenu(HMENU menu);
    void RebuildRecentFilesMenu(HMENU menu);
    void InstallClipLibraryMenus();
    void RecordFavoriteOf(CTextDoc& doc, bool updateOnly);
    void ShowClipMenu(int command);
    void ActivateDocument(CTextDoc& doc);
    HMENU ViewSourceMenu() const;
    void TakeOutput();
    void ShowOutputMenu(POINT screen);
    void ClearOutput(int);
    void CopyOutput(int);
    void SaveOutput(int);
    CommandUpdate OutputTextState(int);
    CommandUpdate OutputSelectionState(int);

    void FileNew(int);
    void FileOpen(int);
    void CloseAllCommand(int);
    void SaveAllCommand(int);
    void ArrangeWindows(int id);
    void ToggleWordWrap(int);
    void ToggleSpecialChars(int);
    void SetInfoMode(int id);
    void SwitchLanguage(int);
    void SetLanguage(int id);
    void ToggleBar(int id);
    bool BarVisible(int command) const;
    void ChangeFontSize(int id);
    void ToggleFullScreen(int);
    void Escape(int);
    void SetDefaultScheme(int);
    void WindowList(int);
    void TrayCommand(int id);
    void Help(int id);
    void ClipButton(int id);
    void AddFavoriteCommand(int);
    void OrganizeFavorites(int);
    void OpenFavoriteCommand(int id);
    void OpenRecentFile(int id);
    void FindAgainCommand(int id);
    void FindWordCommand(int id);
    void ReportSearch(const std::optional<DocString>& message);
    void ShowSearchMessage(const DocString& message, const std::string& text);
    // Find and Replace (main_frame_find.cpp).
    void FindCommand(int);
    void ReplaceCommand(int);
    CommandUpdate FindState(int);
    void FindInFilesCommand(int);
    void PreferencesCommand(int);
    void ShowPreferencesHelp(const PreferencesWindow& window, const std::string& topic);
    // The frame moved to a screen of another DPI: fonts, images and bars
    // are made and laid out anew for it.
    void FollowScreenDpi();
    // Commands that hand the active document on (main_frame_file_commands.cpp).
    void SaveEncryptedCommand(int);
    void ExportHtmlCommand(int);
    void SendMailCommand(int);
    // Printing (main_frame_print.cpp).
    void PrintCommand(int);
    // What printing takes: the settings, the shipped footer translated.
    PrintSettings PrintSettingsInLanguage();
    void PrintPreviewCommand(int);
    void PageSetupCommand(int);
    // The "Print" section, read the first time printing needs it.
    void LoadPrintSettingsOnce();
    CommandUpdate FindAgainState(int id);
    // The small dialogs (main_frame_dialogs.cpp).
    void ConvertCommand(int);
    void RemoveTagsCommand(int);
    void AlignCommand(int);
    void GoToCommand(int);
    void BookmarksCommand(int);
    CommandUpdate BookmarksState(int);
    DialogEnvironment DialogEnvironmentOf();
    ScopeTargets ScopeTargetsOf();
    CommandUpdate DocumentActive(int);
    CommandUpdate WordWrapState(int);
    CommandUpdate SpecialCharsState(int);
    CommandUpdate InfoModeState(int id);
    CommandUpdate LanguageSwitchState(int);
    CommandUpdate LanguageState(int id);
    CommandUpdate BarState(int id);
    CommandUpdate FullScreenState(int);
    CommandUpdate ClipButtonState(int id);
    CommandUpdate FavoritesNotEmpty(int);
    CommandUpdate FavoriteEntryState(int id);

    AppSettings& m_settings;
    std::vector<HighlightScheme>& m_schemes;
    ClipLibraries& m_clips;
    ViewShared m_shared;
    FileSystem& m_files;
    ProfileStore& m_store;
    SettingsEnvironment& m_environment;
    std::string m_programDir;
    bool m_printSettingsLoaded = false;
    bool m_autoSaving = false;
    RecentFileList* m_recent;
    FileDialogMemory m_fileDialogs;
    StringTableResources m_resourceStrings;
    InterfaceLanguage m_language{m_resourceStrings};
    std::map<unsigned, HMENU> m_popups;
    // Find texts in cp1251, newest first, for as long as the program runs.
    std::vector<std::string> m_findHistory;
    std::function<void()> m_onHandOver;
    WinPrompts m_messageBoxes;
    Prompts& m_prompts;
    CDocTemplate m_textType{IDR_TEXTTYPE};
    CMyDocManager m_documents;
    DocumentCommands m_documentCommands;
    CommandTarget* m_application = nullptr;
    HWND m_window = nullptr;
    HWND m_mdiClient = nullptr;
    HMENU m_noDocumentMenu = nullptr;
    HACCEL m_accelerators = nullptr;
    std::optional<int> m_storedShowCommand;
    std::unique_ptr<FrameBars> m_bars;
    MenuPainter m_menuPainter{m_settings.InterFnt};
    FullScreen m_fullScreen;
    TrayIcon m_trayIcon;
    DocumentSide m_documentSide{*this};
    FindSide m_findSide{*this};
    std::unique_ptr<FindDialog> m_findDialog;
    std::shared_ptr<OutputChannel> m_outputChannel;
    int m_finishedOutputRuns = 0;
    PreferencePickers m_pickers;
};
