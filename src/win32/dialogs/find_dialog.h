#pragma once

#include "core/doc/doc_strings.h"
#include "core/view/replace_run.h"
#include "win32/dialogs/program_dialog.h"

#include <string>
#include <vector>

struct AppSettings;

// What the Find and Replace dialogs work with: the frame's document
// windows and its histories of find and replacement texts (cp1251).
class FindHost : public ReplaceWindows {
public:
    virtual bool HasDocument() = 0;
    // The active document window becomes the one a run starts in.
    virtual void MarkStart() = 0;
    virtual std::vector<std::string>& FindHistory() = 0;
    virtual std::vector<std::string>& ReplaceHistory() = 0;
    // A search that found nothing, said by the frame.
    virtual void ReportSearch(const DocString& message, const std::string& text) = 0;
};

// Find (modeless, template 1054): each press searches the document window
// active at that moment, forward or (plain text) backward.
class FindDialog : public ProgramDialog {
public:
    // `textCharSet`: the text font's character set, for the combo boxes.
    FindDialog(const DialogEnvironment& environment, AppSettings& settings, FindHost& host, std::uint8_t textCharSet);
    ~FindDialog() override;

protected:
    FindDialog(int templateId, const DialogEnvironment& environment, AppSettings& settings, FindHost& host,
               std::uint8_t textCharSet);
    void OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnClose() override;
    // The controls into the settings and the texts.
    virtual void StoreControls();
    // The texts to the front of their histories and combo boxes.
    virtual void RecordHistories();
    void Record(std::vector<std::string>& history, const std::string& text, int combo);
    void FindNext();
    void FillCombo(int id, const std::vector<std::string>& history, const std::string& text);

    AppSettings& m_settings;
    FindHost& m_host;
    std::string m_findText;
    bool m_isReplace = false;
    bool m_allDocuments = false;

private:
    void UpdateDirection();

    std::uint8_t m_textCharSet;
    HFONT m_comboFont = nullptr;
};

// Replace (modal, template 1053): Find next, Replace (one step of the run)
// and Replace All, in the current or all open documents.
class ReplaceDialog : public FindDialog {
public:
    ReplaceDialog(const DialogEnvironment& environment, AppSettings& settings, FindHost& host,
                  std::uint8_t textCharSet);

private:
    void OnInit() override;
    bool OnCommand(int id, int code) override;
    void StoreControls() override;
    void RecordHistories() override;
    void Replace(bool all);

    std::string m_replaceText;
    ReplaceRun m_run;
};
