#pragma once

#include "core/app/app_settings.h"
#include "core/doc/text_doc.h"
#include "core/view/text_view.h"
#include "win32/app/win_prompts.h"
#include "win32/framework/command_routing.h"
#include "win32/framework/doc_manager.h"
#include "win32/framework/doc_template.h"
#include "win32/res/resource.h"

#include <windows.h>

#include <array>
#include <memory>

class ChildFrameEvents;
class CChildFrame;
class ClipLibraries;
class FileSystem;
class ViewWindow;

// A document's own commands, for the active document.
class DocumentCommands : public CommandTarget {
public:
    explicit DocumentCommands(class CMainFrame& frame) : m_frame(frame) {}
    void SetDocument(CTextDoc* doc) { m_doc = doc; }
    bool OnCommand(int id) override;
    std::optional<CommandUpdate> OnUpdateCommand(int id) override;

private:
    static std::span<const CommandEntry<DocumentCommands>> Commands();
    void Save(int);
    void SaveAs(int);
    void Reload(int);
    void Close(int);
    CommandUpdate SaveState(int);
    CommandUpdate ReloadState(int);

    CMainFrame& m_frame;
    CTextDoc* m_doc = nullptr;
};

// The MDI main window: menu 128 with no document open and 129 with some,
// accelerators 128, the document windows, and the command chain (active
// view, its document, its child frame, this frame, the application).
class CMainFrame : public CommandTarget, public DocumentHost {
public:
    static constexpr int kWindowMenuIndex = 7; // "&Window" of menu 129

    CMainFrame(AppSettings& settings, std::vector<HighlightScheme>& schemes, ClipLibraries& clips, FileSystem& files);
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    bool Create();
    HWND Window() const { return m_window; }
    HWND MdiClient() const { return m_mdiClient; }
    HACCEL Accelerators() const { return m_accelerators; }
    void SetApplication(CommandTarget* application) { m_application = application; }

    CTextDoc* NewDocument();
    // An already open path activates its window instead.
    CTextDoc* OpenDocument(const std::string& path);
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

    // CommandTarget: the frame's own commands.
    bool OnCommand(int id) override;
    std::optional<CommandUpdate> OnUpdateCommand(int id) override;

    // DocumentHost.
    void AddDocument(CTextDoc& doc) override;
    void RemoveDocument(CTextDoc& doc) override;
    void RepaintFileTabs() override;
    void UpdateTitle(CTextDoc& doc) override;
    void AddRecentFile(const std::string& path) override;
    void RefreshFavorite(CTextDoc& doc) override;
    bool SaveAllDocuments() override;
    std::uint8_t SchemeForExtension(const std::string& key) override;
    bool HasTool(const std::string& key) override;
    std::unique_ptr<ProgressMeter> ShowProgress(const std::string& label) override;
    std::optional<std::string> GetInterfaceString(std::uint32_t id) override;

private:
    static std::span<const CommandEntry<CMainFrame>> Commands();
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    std::array<CommandTarget*, 5> Chain();
    CTextDoc* ShowNewDocument(std::unique_ptr<CTextDoc> doc);
    void ShowDocumentMenu();
    bool CloseAll();
    void UpdateViews(int mode);

    void FileNew(int);
    void FileOpen(int);
    void CloseAllCommand(int);
    void SaveAllCommand(int);
    void ArrangeWindows(int id);
    void ToggleWordWrap(int);
    void ToggleSpecialChars(int);
    void SetInfoMode(int id);
    CommandUpdate DocumentActive(int);
    CommandUpdate WordWrapState(int);
    CommandUpdate SpecialCharsState(int);
    CommandUpdate InfoModeState(int id);

    AppSettings& m_settings;
    std::vector<HighlightScheme>& m_schemes;
    ClipLibraries& m_clips;
    ViewShared m_shared;
    FileSystem& m_files;
    WinPrompts m_prompts;
    CDocTemplate m_textType{IDR_TEXTTYPE};
    CMyDocManager m_documents;
    DocumentCommands m_documentCommands;
    CommandTarget* m_application = nullptr;
    HWND m_window = nullptr;
    HWND m_mdiClient = nullptr;
    HMENU m_noDocumentMenu = nullptr;
    HACCEL m_accelerators = nullptr;
};
