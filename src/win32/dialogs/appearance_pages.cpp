#include "win32/dialogs/appearance_pages.h"

#include "core/app/preferences.h"
#include "win32/app/text_conversion.h"
#include "win32/res/resource.h"

#include <array>

namespace {

class ColorsPage : public PreferencePage {
public:
    ColorsPage(const DialogEnvironment& environment, AppSettings& draft, const PreferencePickers& pickers)
        : PreferencePage(IDD_PAGE_COLORS, {1323, "Colors"}, "pref890.htm", environment), m_draft(draft),
          m_pickers(pickers)
    {
    }
private:
    void OnInit() override
    {
        for (const ColorRow& row : ColorRows()) {
            const std::wstring name = FromCp1251(String(row.name, ""));
            SendDlgItemMessageW(m_dialog, IDC_COLOR_ROWS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        }
        SendDlgItemMessageW(m_dialog, IDC_COLOR_ROWS, LB_SETCURSEL, 0, 0);
        FollowRow();
    }
    const ColorRow& Row() const
    {
        const auto index = static_cast<std::size_t>(SendDlgItemMessageW(m_dialog, IDC_COLOR_ROWS, LB_GETCURSEL, 0, 0));
        return ColorRows()[index < ColorRows().size() ? index : 0];
    }
    void FollowRow()
    {
        const ColorRow& row = Row();
        Enable(IDC_COLOR_TEXT, row.textSlot >= 0);
        Enable(IDC_COLOR_TEXT_LABEL, row.textSlot >= 0);
        Enable(IDC_COLOR_BACKGROUND, row.backgroundSlot >= 0);
        Enable(IDC_COLOR_BACKGROUND_LABEL, row.backgroundSlot >= 0);
        InvalidateRect(Item(IDC_COLOR_PREVIEW), nullptr, TRUE);
    }
    bool OnCommand(int id, int code) override
    {
        if (id == IDC_COLOR_ROWS && code == LBN_SELCHANGE) {
            FollowRow();
            return true;
        }
        if (id != IDC_COLOR_TEXT && id != IDC_COLOR_BACKGROUND)
            return false;
        const int slot = id == IDC_COLOR_TEXT ? Row().textSlot : Row().backgroundSlot;
        if (slot < 0)
            return true;
        std::uint32_t& colour = m_draft.Colors[static_cast<std::size_t>(slot)];
        if (const std::optional<std::uint32_t> picked = m_pickers.colour(m_dialog, colour))
            colour = *picked;
        FollowRow();
        return true;
    }
    // The preview: the row's name in its colours; a row without a text or
    // background slot shows the normal one there.
    bool OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) override
    {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (message != WM_DRAWITEM || item->CtlID != IDC_COLOR_PREVIEW)
            return false;
        const ColorRow& row = Row();
        const auto colour = [&](int slot, int fallback) {
            return static_cast<COLORREF>(m_draft.Colors[static_cast<std::size_t>(slot >= 0 ? slot : fallback)]);
        };
        HBRUSH background = CreateSolidBrush(colour(row.backgroundSlot, COLOR_NORMAL_BACKGROUND));
        RECT r = item->rcItem;
        FillRect(item->hDC, &r, background);
        DeleteObject(background);
        SetBkMode(item->hDC, TRANSPARENT);
        SetTextColor(item->hDC, colour(row.textSlot, COLOR_TEXT));
        const std::wstring name = FromCp1251(String(row.name, ""));
        DrawTextW(item->hDC, name.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        result = TRUE;
        return true;
    }

    AppSettings& m_draft;
    const PreferencePickers& m_pickers;
};

class FontsPage : public PreferencePage {
public:
    FontsPage(const DialogEnvironment& environment, AppSettings& draft, const PreferencePickers& pickers)
        : PreferencePage(IDD_PAGE_FONTS, {1067, "Fonts"}, "pref890.htm", environment), m_draft(draft),
          m_pickers(pickers)
    {
    }
private:
    struct Entry {
        int edit;
        int button;
        LogFont AppSettings::*font;
    };
    static constexpr std::array<Entry, 3> kEntries{{{IDC_FONT_TEXT, IDC_FONT_TEXT_PICK, &AppSettings::Font},
                                                    {IDC_FONT_INTERFACE, IDC_FONT_INTERFACE_PICK, &AppSettings::InterFnt},
                                                    {IDC_FONT_OUTPUT, IDC_FONT_OUTPUT_PICK, &AppSettings::OutFont}}};

    void OnInit() override
    {
        for (const Entry& entry : kEntries)
            Describe(entry);
    }
    // "Courier New, 10 pt": the size in points on this screen.
    void Describe(const Entry& entry)
    {
        const LogFont& font = m_draft.*entry.font;
        HDC screen = GetDC(nullptr);
        const int points = MulDiv(font.height < 0 ? -font.height : font.height, 72, GetDeviceCaps(screen, LOGPIXELSY));
        ReleaseDC(nullptr, screen);
        SetItemText(entry.edit, font.FaceName() + ", " + std::to_string(points) + " pt");
    }
    bool OnCommand(int id, int) override
    {
        for (const Entry& entry : kEntries) {
            if (entry.button != id)
                continue;
            if (const std::optional<LogFont> picked = m_pickers.font(m_dialog, m_draft.*entry.font)) {
                m_draft.*entry.font = *picked;
                Describe(entry);
            }
            return true;
        }
        return false;
    }

    AppSettings& m_draft;
    const PreferencePickers& m_pickers;
};

} // namespace

std::unique_ptr<PreferencePage> MakeColorsPage(const DialogEnvironment& environment, AppSettings& draft,
                                               const PreferencePickers& pickers)
{
    return std::make_unique<ColorsPage>(environment, draft, pickers);
}

std::unique_ptr<PreferencePage> MakeFontsPage(const DialogEnvironment& environment, AppSettings& draft,
                                              const PreferencePickers& pickers)
{
    return std::make_unique<FontsPage>(environment, draft, pickers);
}
