#pragma once

#include "core/app/small_dialogs.h"
#include "core/doc/text_pos.h"
#include "win32/dialogs/program_dialog.h"

#include <optional>
#include <utility>
#include <vector>

struct AppSettings;
class CTextView;
class ProfileStore;

// The views a scope dialog works on: the active one, and the first view of
// every open document in the framework's order.
struct ScopeTargets {
    CTextView* active = nullptr;
    std::vector<CTextView*> documents;
};

using TextRange = std::optional<std::pair<TextPos, TextPos>>;

// Convert, Remove tags and Justify: one operation over the selection, the
// whole document or every open document ("&Go"); each view it ran in loses
// its selection.
class ScopeDialog : public ProgramDialog {
public:
    ScopeDialog(int templateId, const DialogEnvironment& environment, AppSettings& settings, ScopeTargets targets);

protected:
    // The operation over `range` of the view's document; none: the whole text.
    virtual void Apply(CTextView& view, const TextRange& range) = 0;
    // The dialog's own controls into the settings, before a run.
    virtual void ReadControls() {}
    void OnInit() override;
    bool OnCommand(int id, int code) override;

    AppSettings& m_settings;

private:
    void Go();
    void RunIn(CTextView& view, const TextRange& range);

    ScopeTargets m_targets;
};

class ConvertDialog : public ScopeDialog {
public:
    ConvertDialog(const DialogEnvironment& environment, AppSettings& settings, ScopeTargets targets,
                  ProfileStore& store, bool translitLoaded);

private:
    void OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnClose() override;
    void Apply(CTextView& view, const TextRange& range) override;
    void ReadControls() override;
    void FillList(int id, int selected);
    void EnableSkipTags();

    ProfileStore& m_store;
    bool m_translitLoaded;
    int m_from = 0;
    int m_to = -1;
    bool m_skipTags = false;
    bool m_switchView = true;
    FoldedPart m_options;
};

class RemoveTagsDialog : public ScopeDialog {
public:
    using ScopeDialog::ScopeDialog;

private:
    void OnInit() override;
    bool OnCommand(int id, int code) override;
    void Apply(CTextView& view, const TextRange& range) override;
    void ReadControls() override;

    FoldedPart m_options;
};

class JustifyDialog : public ScopeDialog {
public:
    JustifyDialog(const DialogEnvironment& environment, AppSettings& settings, ScopeTargets targets,
                  ProfileStore& store);

private:
    void OnInit() override;
    void OnClose() override;
    void Apply(CTextView& view, const TextRange& range) override;
    void ReadControls() override;

    ProfileStore& m_store;
};
