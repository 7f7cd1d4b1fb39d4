#pragma once

#include "core/app/find_in_files.h"
#include "win32/dialogs/program_dialog.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CTextView;
class ProfileStore;
struct AppSettings;

// Find in files (modal, template 1230): what the finder is to search for,
// in which files and folder. OK leaves the search, stores the switches and
// the find text, and keeps a typed mask or folder in its stored list.
class FindInFilesDialog : public ProgramDialog {
public:
    // The system's folder browser, or a test's.
    using BrowseFolder = std::function<std::optional<std::string>(HWND owner, const std::string& start)>;
    // Where the dialog starts: the active view (none without documents),
    // its document's path (empty when untitled), the current folder.
    struct Start {
        const CTextView* view = nullptr;
        std::string documentPath;
        std::string currentFolder;
    };

    FindInFilesDialog(const DialogEnvironment& environment, AppSettings& settings, ProfileStore& store,
                      std::vector<std::string>& findHistory, Start start, BrowseFolder browse);

    const FinderSearch& Search() const { return m_search; }

private:
    void OnInit() override;
    bool OnCommand(int id, int code) override;
    void FillCombo(int id, const std::vector<std::string>& entries, const std::string& text);
    void Browse();
    void Accept();

    AppSettings& m_settings;
    ProfileStore& m_store;
    std::vector<std::string>& m_findHistory;
    Start m_start;
    BrowseFolder m_browse;
    FinderSearch m_search;
    bool m_maskEdited = false;
    bool m_folderEdited = false;
};
