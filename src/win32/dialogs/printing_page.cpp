#include "win32/dialogs/printing_page.h"

#include "core/settings/settings_io.h"
#include "core/view/print_layout.h"
#include "core/view/print_template.h"
#include "win32/app/text_conversion.h"
#include "win32/res/resource.h"

#include <algorithm>

namespace {

class PrintingPage : public PreferencePage {
public:
    PrintingPage(const DialogEnvironment& environment, AppSettings& live, ProfileStore& store)
        : PreferencePage(IDD_PAGE_PRINTING, {1070, "Printing"}, "pref04.htm", environment), m_live(live),
          m_store(store), m_print(live.print)
    {
    }

private:
    static constexpr std::pair<int, int PrintSettings::*> kChecks[] = {
        {IDC_PRINT_HEADER, &PrintSettings::PrintHeader},
        {IDC_PRINT_FOOTER, &PrintSettings::PrintFooter},
        {IDC_PRINT_DRAW_LINE, &PrintSettings::DrawLine},
        {IDC_PRINT_SWAP, &PrintSettings::SwapAlignment}};
    struct Margin {
        int edit, spin;
        int PrintSettings::*member;
    };
    static constexpr Margin kMargins[] = {{IDC_PRINT_LEFT, IDC_PRINT_LEFT_SPIN, &PrintSettings::Left},
                                          {IDC_PRINT_TOP, IDC_PRINT_TOP_SPIN, &PrintSettings::Top},
                                          {IDC_PRINT_RIGHT, IDC_PRINT_RIGHT_SPIN, &PrintSettings::Right},
                                          {IDC_PRINT_BOTTOM, IDC_PRINT_BOTTOM_SPIN, &PrintSettings::Bottom}};

    void OnInit() override
    {
        for (const auto& [id, member] : kChecks)
            Check(id, m_print.*member != 0);
        for (const Margin& margin : kMargins)
            SetSpin(margin.spin, 0, kMaxPrintMargin, m_print.*margin.member);
        SetItemText(IDC_PRINT_HEADER_TEMPLATE, m_print.Header);
        m_shownFooter = FooterInLanguage(m_print.Footer, m_environment.strings);
        SetItemText(IDC_PRINT_FOOTER_TEMPLATE, m_shownFooter);
        FollowChecks();
    }
    bool OnCommand(int id, int) override
    {
        switch (id) {
        case IDC_PRINT_HEADER:
        case IDC_PRINT_FOOTER:
            FollowChecks();
            return true;
        case IDC_PRINT_HEADER_CODES:
            InsertCode(IDC_PRINT_HEADER_CODES, IDC_PRINT_HEADER_TEMPLATE);
            return true;
        case IDC_PRINT_FOOTER_CODES:
            InsertCode(IDC_PRINT_FOOTER_CODES, IDC_PRINT_FOOTER_TEMPLATE);
            return true;
        }
        return false;
    }
    // A template and its button are live while their part is printed.
    void FollowChecks()
    {
        const bool header = IsChecked(IDC_PRINT_HEADER);
        Enable(IDC_PRINT_HEADER_TEMPLATE, header);
        Enable(IDC_PRINT_HEADER_CODES, header);
        const bool footer = IsChecked(IDC_PRINT_FOOTER);
        Enable(IDC_PRINT_FOOTER_TEMPLATE, footer);
        Enable(IDC_PRINT_FOOTER_CODES, footer);
    }
    // The code menu below the button; the chosen code goes in at the edit's caret.
    void InsertCode(int button, int edit)
    {
        HMENU menu = CreateTemplateCodeMenu(m_environment.strings);
        const auto codes = TemplateCodes();
        RECT place;
        GetWindowRect(Item(button), &place);
        const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN, place.left,
                                          place.bottom, 0, m_dialog, nullptr);
        DestroyMenu(menu);
        if (chosen <= 0)
            return;
        const std::wstring code = FromCp1251(codes[chosen - 1].code);
        SetFocus(Item(edit));
        SendMessageW(Item(edit), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(code.c_str()));
    }
    std::optional<std::string> Accept() override
    {
        for (const auto& [id, member] : kChecks)
            m_print.*member = IsChecked(id);
        // A number typed beyond the spin's range is taken as its nearest end.
        for (const Margin& margin : kMargins) {
            BOOL typed = FALSE;
            const UINT value = GetDlgItemInt(m_dialog, margin.edit, &typed, FALSE);
            m_print.*margin.member = typed ? static_cast<int>(std::min<UINT>(value, kMaxPrintMargin))
                                           : SpinValue(margin.spin);
        }
        m_print.Header = ItemText(IDC_PRINT_HEADER_TEMPLATE);
        // The shipped footer shown in the interface language stays the
        // shipped one, whatever language prints it next.
        if (const std::string footer = ItemText(IDC_PRINT_FOOTER_TEMPLATE); footer != m_shownFooter)
            m_print.Footer = footer;
        return std::nullopt;
    }
    void Commit() override
    {
        m_live.print = m_print;
        SavePrintSettings(m_store, m_live);
    }

    AppSettings& m_live;
    ProfileStore& m_store;
    PrintSettings m_print;
    std::string m_shownFooter;
};

} // namespace

HMENU CreateTemplateCodeMenu(const InterfaceStrings& strings)
{
    HMENU menu = CreatePopupMenu();
    const auto codes = TemplateCodes();
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (i == kFirstAlignmentCode)
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        std::wstring text = FromCp1251(TextOf({codes[i].stringId, codes[i].code}, strings));
        // The labels show the codes: "(&f)" is no mnemonic.
        for (std::size_t at = text.find(L'&'); at != std::wstring::npos; at = text.find(L'&', at + 2))
            text.insert(at, 1, L'&');
        AppendMenuW(menu, MF_STRING, i + 1, text.c_str());
    }
    return menu;
}

std::unique_ptr<PreferencePage> MakePrintingPage(const DialogEnvironment& environment, AppSettings& live,
                                                 ProfileStore& store)
{
    return std::make_unique<PrintingPage>(environment, live, store);
}
