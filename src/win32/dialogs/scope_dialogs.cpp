#include "win32/dialogs/scope_dialogs.h"

#include "core/doc/text_doc.h"
#include "core/platform/profile_store.h"
#include "core/settings/app_settings.h"
#include "core/settings/settings_io.h"
#include "core/text/code_pages.h"
#include "core/view/text_view.h"
#include "win32/app/text_conversion.h"
#include "win32/res/commands.h"
#include "win32/res/resource.h"

#include <array>

namespace {

constexpr std::uint32_t kFirstCodePageName = 1003; // "KOI8" .. "WIN", then "TRANSLITE"
constexpr std::array<const char*, 6> kCodePageNames = {"KOI8", "DOS", "MAC", "ISO", "WIN", "TRANSLITE"};
constexpr std::array<int, 4> kAlignRadios = {IDC_JUSTIFY_LEFT, IDC_JUSTIFY_CENTER, IDC_JUSTIFY_RIGHT,
                                             IDC_JUSTIFY_JUSTIFY};

} // namespace

// ---- the scope

ScopeDialog::ScopeDialog(int templateId, const DialogEnvironment& environment, AppSettings& settings,
                         ScopeTargets targets)
    : ProgramDialog(templateId, environment), m_settings(settings), m_targets(std::move(targets))
{
}

void ScopeDialog::OnInit()
{
    TextPos start, end;
    const bool selected = m_targets.active && m_targets.active->GetSelectionRange(start, end);
    const Scope scope = InitialScope(selected, m_settings.Where);
    CheckRadioButton(m_dialog, IDC_SCOPE_SELECTION, IDC_SCOPE_ALL, IDC_SCOPE_SELECTION + static_cast<int>(scope));
    Enable(IDC_SCOPE_SELECTION, selected);
}

bool ScopeDialog::OnCommand(int id, int)
{
    if (id != IDC_SCOPE_GO)
        return false;
    Go();
    return true;
}

void ScopeDialog::Go()
{
    ReadControls();
    Scope scope = Scope::Selection;
    if (IsChecked(IDC_SCOPE_DOCUMENT))
        scope = Scope::Document;
    else if (IsChecked(IDC_SCOPE_ALL))
        scope = Scope::AllDocuments;
    m_settings.Where = WhereAfter(scope, m_settings.Where);
    TextPos start, end;
    switch (scope) {
    case Scope::Selection:
        if (m_targets.active && m_targets.active->GetSelectionRange(start, end))
            RunIn(*m_targets.active, std::pair{start, end});
        break;
    case Scope::Document:
        if (m_targets.active)
            RunIn(*m_targets.active, std::nullopt);
        break;
    case Scope::AllDocuments:
        for (CTextView* view : m_targets.documents)
            RunIn(*view, std::nullopt);
        break;
    }
    End(IDOK);
}

void ScopeDialog::RunIn(CTextView& view, const TextRange& range)
{
    Apply(view, range);
    view.TextReplaced();
}

// ---- Convert

ConvertDialog::ConvertDialog(const DialogEnvironment& environment, AppSettings& settings, ScopeTargets targets,
                             ProfileStore& store, bool translitLoaded)
    : ScopeDialog(IDD_CONVERT, environment, settings, std::move(targets)), m_store(store),
      m_translitLoaded(translitLoaded)
{
}

void ConvertDialog::OnInit()
{
    ScopeDialog::OnInit();
    m_from = m_settings.Encoding < kCodePageCount ? m_settings.Encoding : static_cast<int>(CP_WIN);
    m_to = InitialConvertTo(m_from, m_settings.ConvertTo, m_translitLoaded);
    FillList(IDC_CONVERT_FROM, m_from);
    FillList(IDC_CONVERT_TO, m_to);
    Check(IDC_CONVERT_SWITCH_VIEW, m_switchView);
    m_options.onUnfold = [this] { EnableSkipTags(); };
    m_options.Attach(m_dialog, IDC_CONVERT_FOLD, IDC_CONVERT_MORE);
}

void ConvertDialog::FillList(int id, int selected)
{
    HWND list = Item(id);
    const std::size_t count = m_translitLoaded ? kCodePageNames.size() : kCodePageNames.size() - 1;
    for (std::size_t i = 0; i < count; ++i) {
        const std::wstring name =
            FromCp1251(String(kFirstCodePageName + static_cast<std::uint32_t>(i), kCodePageNames[i]));
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

// Tags are kept apart only when converting from the transliteration.
void ConvertDialog::EnableSkipTags()
{
    const auto from = static_cast<int>(SendDlgItemMessageW(m_dialog, IDC_CONVERT_FROM, CB_GETCURSEL, 0, 0));
    Enable(IDC_CONVERT_SKIP_TAGS, !m_options.IsFolded() && from == CP_TRANSLITE);
}

bool ConvertDialog::OnCommand(int id, int code)
{
    if (id == IDC_CONVERT_MORE) {
        m_options.Toggle();
        return true;
    }
    if (id == IDC_CONVERT_FROM && code == CBN_SELCHANGE) {
        EnableSkipTags();
        return true;
    }
    return ScopeDialog::OnCommand(id, code);
}

void ConvertDialog::ReadControls()
{
    m_from = static_cast<int>(SendDlgItemMessageW(m_dialog, IDC_CONVERT_FROM, CB_GETCURSEL, 0, 0));
    m_to = static_cast<int>(SendDlgItemMessageW(m_dialog, IDC_CONVERT_TO, CB_GETCURSEL, 0, 0));
    m_skipTags = IsChecked(IDC_CONVERT_SKIP_TAGS);
    m_switchView = IsChecked(IDC_CONVERT_SWITCH_VIEW);
}

void ConvertDialog::Apply(CTextView& view, const TextRange& range)
{
    if (m_from == m_to || m_from < 0 || m_to < 0)
        return;
    CTextDoc& doc = view.GetDocument();
    doc.Convert(range, m_from, m_to, m_skipTags, view.Caret());
    if (!m_switchView || m_to >= kCodePageCount)
        return;
    for (DocumentView* each : doc.GetViews())
        static_cast<CTextView*>(each)->OnEncoding(ID_ENCODING_KOI8 + m_to);
}

void ConvertDialog::OnClose()
{
    m_settings.ConvertTo = static_cast<int>(SendDlgItemMessageW(m_dialog, IDC_CONVERT_TO, CB_GETCURSEL, 0, 0));
    m_store.SetInt("General", "ConvertTo", static_cast<std::uint32_t>(m_settings.ConvertTo));
}

// ---- Remove tags

void RemoveTagsDialog::OnInit()
{
    ScopeDialog::OnInit();
    m_settings.TagChars = TagCharsOf(m_settings.TagChars);
    SetItemText(IDC_TAGS_START, m_settings.TagChars.substr(0, 1));
    SetItemText(IDC_TAGS_END, m_settings.TagChars.substr(1, 1));
    m_options.Attach(m_dialog, IDC_TAGS_FOLD, IDC_TAGS_MORE);
}

bool RemoveTagsDialog::OnCommand(int id, int code)
{
    if (id == IDC_TAGS_MORE) {
        m_options.Toggle();
        return true;
    }
    return ScopeDialog::OnCommand(id, code);
}

void RemoveTagsDialog::ReadControls()
{
    m_settings.TagChars = TagCharsFromEdits(m_settings.TagChars, ItemText(IDC_TAGS_START), ItemText(IDC_TAGS_END));
}

void RemoveTagsDialog::Apply(CTextView& view, const TextRange& range)
{
    view.GetDocument().RemoveTags(range, view.Caret());
}

// ---- Justify

JustifyDialog::JustifyDialog(const DialogEnvironment& environment, AppSettings& settings, ScopeTargets targets,
                             ProfileStore& store)
    : ScopeDialog(IDD_JUSTIFY, environment, settings, std::move(targets)), m_store(store)
{
}

void JustifyDialog::OnInit()
{
    ScopeDialog::OnInit();
    LoadJustifySettings(m_store, m_settings);
    const JustifySettings& j = m_settings.justify;
    const std::size_t mode = j.Mode >= 0 && j.Mode < 4 ? static_cast<std::size_t>(j.Mode) : 3;
    CheckRadioButton(m_dialog, IDC_JUSTIFY_LEFT, IDC_JUSTIFY_CENTER, kAlignRadios[mode]);
    SetSpin(IDC_JUSTIFY_LEFT_SPIN, 0, 1000, j.Left);
    SetSpin(IDC_JUSTIFY_RIGHT_SPIN, 0, 1000, j.Right);
    SetSpin(IDC_JUSTIFY_INDENT_SPIN, 0, 1000, j.NewLineIndent);
    Check(IDC_JUSTIFY_PARAGRAPHS, j.NewLine != 0);
}

void JustifyDialog::ReadControls()
{
    JustifySettings& j = m_settings.justify;
    for (std::size_t i = 0; i < kAlignRadios.size(); ++i)
        if (IsChecked(kAlignRadios[i]))
            j.Mode = static_cast<int>(i);
    j.Left = SpinValue(IDC_JUSTIFY_LEFT_SPIN);
    j.Right = SpinValue(IDC_JUSTIFY_RIGHT_SPIN);
    j.NewLineIndent = SpinValue(IDC_JUSTIFY_INDENT_SPIN);
    j.NewLine = IsChecked(IDC_JUSTIFY_PARAGRAPHS) ? 1 : 0;
}

void JustifyDialog::Apply(CTextView& view, const TextRange& range)
{
    const JustifySettings& j = m_settings.justify;
    view.GetDocument().AlignText(
        range, {static_cast<AlignMode>(j.Mode), j.Left, j.Right, j.NewLine != 0, j.NewLineIndent});
}

void JustifyDialog::OnClose()
{
    ReadControls();
    SaveJustifySettings(m_store, m_settings);
}
