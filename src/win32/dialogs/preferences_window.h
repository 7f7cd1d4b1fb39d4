#pragma once

#include "core/doc/doc_strings.h"
#include "win32/dialogs/program_dialog.h"

#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// A page of the Preferences window: a child dialog shown under its tab. It
// reads its settings as it opens and keeps what the user changes until OK.
class PreferencePage : public ProgramDialog {
public:
    PreferencePage(int templateId, DocString title, const char* helpTopic, const DialogEnvironment& environment);
    std::string Title() const { return String(m_title.id, m_title.text); }
    const char* HelpTopic() const { return m_helpTopic; }
    // Reads the controls; what keeps the page from being taken as it is, if
    // anything. Nothing is written yet.
    virtual std::optional<std::string> Accept() { return std::nullopt; }
    // Writes what Accept read. Pages that edit the window's working copies
    // (colours, fonts) write nothing themselves.
    virtual void Commit() {}

protected:
    bool OnCommand(int, int) override { return false; }

private:
    DocString m_title;
    const char* m_helpTopic;
};

// The Preferences window (dialog 1058): groups of pages, chosen in a list of
// large icons at the left, their pages as tabs. OK accepts every page in
// order and, when all can be taken, commits them; Cancel writes nothing.
class PreferencesWindow : public ProgramDialog {
public:
    // `bitmap` holds the groups' 32 x 32 icons; a caption replaces the
    // window's own.
    PreferencesWindow(const DialogEnvironment& environment, int bitmap, std::string caption = {});
    ~PreferencesWindow() override;
    // Returns the group's index.
    int AddGroup(int icon, DocString title);
    void AddPage(int group, std::unique_ptr<PreferencePage> page);
    // Opens the current page's help topic (the Help button, F1).
    std::function<void(const std::string& topic)> showHelp;

private:
    static constexpr int kMaxGroups = 10;
    struct Group {
        int icon;
        DocString title;
        std::vector<std::unique_ptr<PreferencePage>> pages;
    };

    void OnInit() override;
    bool OnCommand(int id, int code) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void SelectGroup(int group);
    void SelectPage(int page);
    void ShowPage(PreferencePage* page);
    void Ok();
    void ShowPageHelp();
    void OnClose() override;
    // Ctrl+Tab and Ctrl+Shift+Tab go to the next and the previous tab.
    static LRESULT CALLBACK KeyFilter(int code, WPARAM wParam, LPARAM lParam);
    void StepTab(int step);

    int m_bitmap;
    std::string m_caption;
    std::vector<Group> m_groups;
    HIMAGELIST m_icons = nullptr;
    int m_group = -1;
    PreferencePage* m_page = nullptr;
    HHOOK m_keyFilter = nullptr;
    static inline PreferencesWindow* s_open = nullptr; // the one whose keys the filter sees
};
