// Sizes follow the DPI of the screen the frame is on. The suite runs these
// at 96 DPI and again at 144 and 192 (scripts/at-dpi.sh), so each check
// speaks of the DPI it finds.
#include "frame_fixture.h"

#include "win32/app/gdi_fonts.h"

#include <commctrl.h>

namespace {

class ScreenDpi : public DocumentFramework {
protected:
    int Dpi() { return WindowDpi(frame.Window()); }
};

TEST_F(ScreenDpi, TheViewsLinesAreAsHighAsItsFontOnThisScreen)
{
    RecordProperty("dpi", Dpi());
    HFONT font = CreateFontFrom(settings.Font, Dpi());
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    EXPECT_EQ(View().LineHeight(), metrics.tmHeight + metrics.tmExternalLeading);
    // A 9-point font is 12 pixels high at 96 DPI, 24 at 192.
    EXPECT_GE(metrics.tmHeight, ScaledForDpi(-settings.Font.height, Dpi()));
}

TEST_F(ScreenDpi, NoStatusPaneCutsItsText)
{
    SetText({"text"});
    frame.OnIdle();
    StatusBar& status = frame.Bars().Status();
    EXPECT_FALSE(status.PaneText(1).empty());
    for (int pane = 1; pane < StatusBar::kPaneCount; ++pane) {
        RECT r{};
        SendMessageW(status.Window(), SB_GETRECT, pane, reinterpret_cast<LPARAM>(&r));
        EXPECT_GE(r.right - r.left, status.WidthFor(pane, status.PaneText(pane)))
            << "pane " << pane << " at " << Dpi() << " DPI";
        EXPECT_GE(status.PaneWidth(pane), ScaledForDpi(33, Dpi()));
    }
    // A wider text widens its pane.
    const std::wstring wide = L"WIN UTF-16 BE and more";
    StatusTexts texts = ComputeStatusTexts(std::nullopt, settings, {});
    status.Show(texts, wide);
    EXPECT_GE(status.PaneWidth(3), status.WidthFor(3, wide));
}

TEST_F(ScreenDpi, ToolbarButtonsGrowWithTheScreen)
{
    const LRESULT size = SendMessageW(frame.Bars().Tools().Window(), TB_GETBUTTONSIZE, 0, 0);
    EXPECT_GE(LOWORD(size), ScaledForDpi(23, Dpi()) - 2);
    EXPECT_GE(HIWORD(size), ScaledForDpi(21, Dpi()) - 2);
}

// Moved to another screen, the frame takes the place Windows suggests and
// lays out its bars and views for that screen.
TEST_F(ScreenDpi, MovedToAnotherScreenTheFrameTakesTheSuggestedPlace)
{
    ShowWindow(frame.Window(), SW_RESTORE);
    const int lineHeight = View().LineHeight();
    RECT suggested{40, 30, 640, 470};
    SendMessageW(frame.Window(), WM_DPICHANGED, MAKEWPARAM(Dpi(), Dpi()), reinterpret_cast<LPARAM>(&suggested));
    Pump();
    RECT now{};
    GetWindowRect(frame.Window(), &now);
    EXPECT_EQ(now.right - now.left, 600);
    EXPECT_EQ(now.bottom - now.top, 440);
    EXPECT_EQ(View().LineHeight(), lineHeight); // the same screen: the same font
    frame.OnIdle();
    StatusBar& status = frame.Bars().Status();
    RECT pane{};
    SendMessageW(status.Window(), SB_GETRECT, 1, reinterpret_cast<LPARAM>(&pane));
    EXPECT_GE(pane.right - pane.left, status.WidthFor(1, status.PaneText(1)));
}

} // namespace
