#include "win32/dialogs/find_dialog.h"

#include "core/settings/app_settings.h"
#include "core/text/placeholder.h"
#include "core/view/find_again.h"
#include "core/view/text_view.h"
#include "win32/app/gdi_fonts.h"
#include "win32/app/text_conversion.h"
#include "win32/dialogs/layout_typing.h"
#include "win32/res/resource.h"

namespace {

constexpr DocString kReplacedTotal{5007, "Total found and replaced %d entries"};

} // namespace

FindDialog::FindDialog(const DialogEnvironment& environment, AppSettings& settings, FindHost& host,
                       std::uint8_t textCharSet)
    : FindDialog(IDD_FIND, environment, settings, host, textCharSet)
{
}

FindDialog::FindDialog(int templateId, const DialogEnvironment& environment, AppSettings& settings, FindHost& host,
                       std::uint8_t textCharSet)
    : ProgramDialog(templateId, environment), m_settings(settings), m_host(host), m_textCharSet(textCharSet)
{
}

FindDialog::~FindDialog()
{
    if (m_comboFont)
        DeleteObject(m_comboFont);
}

void FindDialog::OnInit()
{
    m_host.MarkStart();
    std::vector<std::string>& history = m_host.FindHistory();
    const std::string initial = InitialFindText(m_host.HasDocument() ? &m_host.ActiveView() : nullptr, history);
    Check(IDC_FIND_MATCH_WHOLE, m_settings.MatchWhole != 0);
    Check(IDC_FIND_MATCH_CASE, m_settings.MatchCase != 0);
    Check(IDC_FIND_REG_EXPR, m_settings.RegExpr != 0);
    RememberFindText(history, initial);
    LogFont font = m_environment.font;
    font.SetFaceName("Arial");
    font.charSet = m_textCharSet;
    m_comboFont = CreateFontFrom(font, WindowDpi(m_dialog));
    FillCombo(IDC_FIND_TEXT, history, initial);
    if (!m_isReplace)
        UpdateDirection();
}

void FindDialog::FillCombo(int id, const std::vector<std::string>& history, const std::string& text)
{
    HWND combo = Item(id);
    SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(m_comboFont), FALSE);
    TypeThroughEditorLayout(combo, m_settings);
    for (const std::string& entry : history)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromCp1251(entry).c_str()));
    SetItemText(id, text);
}

// Backward search knows no expressions: with them the direction is down.
void FindDialog::UpdateDirection()
{
    const bool plain = m_settings.RegExpr == 0;
    Enable(IDC_FIND_UP, plain);
    Enable(IDC_FIND_DOWN, plain);
    const bool up = plain && m_settings.Direction == 0;
    CheckRadioButton(m_dialog, IDC_FIND_UP, IDC_FIND_DOWN, up ? IDC_FIND_UP : IDC_FIND_DOWN);
}

void FindDialog::StoreControls()
{
    m_settings.MatchWhole = IsChecked(IDC_FIND_MATCH_WHOLE);
    m_settings.MatchCase = IsChecked(IDC_FIND_MATCH_CASE);
    m_settings.RegExpr = IsChecked(IDC_FIND_REG_EXPR);
    if (!m_isReplace && m_settings.RegExpr == 0)
        m_settings.Direction = IsChecked(IDC_FIND_UP) ? 0 : 1;
    m_findText = ItemText(IDC_FIND_TEXT);
}

void FindDialog::RecordHistories()
{
    Record(m_host.FindHistory(), m_findText, IDC_FIND_TEXT);
}

// A text put at the front of its history goes to the top of its combo box.
void FindDialog::Record(std::vector<std::string>& history, const std::string& text, int combo)
{
    const std::size_t before = history.size();
    RememberFindText(history, text);
    if (history.size() != before)
        SendDlgItemMessageW(m_dialog, combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(FromCp1251(text).c_str()));
}

bool FindDialog::OnCommand(int id, int code)
{
    switch (id) {
    case IDC_FIND_NEXT:
    case IDOK:
        FindNext();
        return true;
    case IDC_FIND_REG_EXPR:
        if (code == BN_CLICKED && !m_isReplace) {
            StoreControls();
            UpdateDirection();
        }
        return true;
    }
    return false;
}

void FindDialog::OnClose()
{
    StoreControls(); // the switches persist
}

// Not found in all documents: on in the next window until back at the start.
void FindDialog::FindNext()
{
    if (!m_host.HasDocument()) {
        MessageBeep(MB_ICONINFORMATION);
        return;
    }
    StoreControls();
    RecordHistories();
    const bool backward = m_settings.Direction == 0 && !m_isReplace && m_settings.RegExpr == 0;
    for (;;) {
        CTextView& view = m_host.ActiveView();
        if (backward ? view.FindBackward(m_findText) : view.FindForward(m_findText, true))
            return;
        if (m_allDocuments && m_host.ActivateNext())
            continue;
        m_host.ReportSearch(!backward && view.SearchGaveUp() ? kSearchStopped : kNoMoreEntries, m_findText);
        SetActiveWindow(m_dialog);
        return;
    }
}

// ---- Replace

ReplaceDialog::ReplaceDialog(const DialogEnvironment& environment, AppSettings& settings, FindHost& host,
                             std::uint8_t textCharSet)
    : FindDialog(IDD_REPLACE, environment, settings, host, textCharSet)
{
    m_isReplace = true;
}

void ReplaceDialog::OnInit()
{
    FindDialog::OnInit();
    // The two radios are not numbered in a row: each is set on its own.
    Check(IDC_REPLACE_ALL_DOCUMENTS, m_settings.Where == 1);
    Check(IDC_REPLACE_CURRENT, m_settings.Where != 1);
    const std::vector<std::string>& history = m_host.ReplaceHistory();
    FillCombo(IDC_REPLACE_TEXT, history, history.empty() ? std::string() : history.front());
}

void ReplaceDialog::StoreControls()
{
    FindDialog::StoreControls();
    m_settings.Where = IsChecked(IDC_REPLACE_ALL_DOCUMENTS) ? 1 : 0;
    m_allDocuments = m_settings.Where == 1;
    m_replaceText = ItemText(IDC_REPLACE_TEXT);
}

void ReplaceDialog::RecordHistories()
{
    FindDialog::RecordHistories();
    Record(m_host.ReplaceHistory(), m_replaceText, IDC_REPLACE_TEXT);
}

bool ReplaceDialog::OnCommand(int id, int code)
{
    switch (id) {
    case IDC_REPLACE:
    case IDOK:
        Replace(false);
        return true;
    case IDC_REPLACE_ALL:
        Replace(true);
        return true;
    }
    return FindDialog::OnCommand(id, code);
}

void ReplaceDialog::Replace(bool all)
{
    if (!m_host.HasDocument())
        return;
    StoreControls();
    RecordHistories();
    if (m_findText.empty())
        return;
    if (all) {
        m_host.MarkStart();
        m_run.stepMode = false;
    }
    m_run.allDocuments = m_allDocuments;
    if (m_run.Step(m_host, m_findText, m_replaceText)) {
        const std::string total = FillPlaceholder(String(kReplacedTotal.id, kReplacedTotal.text),
                                                  std::to_string(m_run.replacedCount), "%d");
        MessageBoxW(m_dialog, FromCp1251(total).c_str(), L"Noveda", MB_OK | MB_ICONINFORMATION);
    }
    if (all) {
        m_run.replacedCount = 0;
        m_run.stepMode = true;
    }
}
