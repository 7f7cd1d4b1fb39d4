#include "core/app/frame_rules.h"

#include <gtest/gtest.h>

TEST(StatusTexts, ShowTheCaretAndTheSettings)
{
    AppSettings settings;
    settings.Language = 1;
    settings.Encoding = 4;
    settings.InsMode = 0;
    StatusTexts texts = ComputeStatusTexts(CaretInfo{4, 7, 11, 0}, settings, {});
    EXPECT_EQ(texts.position, "Line: 5 / 7\t\tCol:12");
    EXPECT_EQ(texts.percent, " 71%"); // 71.43 truncated, three places wide
    EXPECT_EQ(texts.language, "Ru");
    EXPECT_TRUE(texts.languageEnabled);
    EXPECT_EQ(texts.languageImage, 1);
    EXPECT_EQ(texts.codePageString, 1003u); // the view's KOI8
    EXPECT_EQ(texts.unicodeName, "");
    EXPECT_EQ(ComputeStatusTexts(CaretInfo{0, 1, 0, CP_WIN, UnicodeForm::Utf8Bom}, settings, {}).unicodeName, "UTF-8 BOM");
    EXPECT_EQ(ComputeStatusTexts(CaretInfo{0, 1, 0, CP_WIN, UnicodeForm::Utf16Be}, settings, {}).unicodeName, "UTF-16");
    // Why a document takes no edits stands after the place.
    EXPECT_EQ(ComputeStatusTexts(CaretInfo{0, 1, 0, CP_WIN, UnicodeForm::Utf8, "Read-only"}, settings, {}).position,
              "Line: 1 / 1\t\tCol:1\t\tRead-only");
    EXPECT_EQ(texts.insertMode, "OVR");

    settings.Language = 0;
    settings.Encoding = 5;
    settings.InsMode = 1;
    texts = ComputeStatusTexts(CaretInfo{9, 10, 0, 2}, settings, {});
    EXPECT_EQ(texts.percent, "100%");
    EXPECT_EQ(texts.language, "En");
    EXPECT_EQ(texts.languageImage, 0);
    EXPECT_EQ(texts.codePageString, 1005u); // "MAC"
    EXPECT_EQ(texts.insertMode, " INS");

    // 1 of 3 lines is 33.33...%; 2 of 3 is 66.66...%: truncated, not rounded.
    EXPECT_EQ(ComputeStatusTexts(CaretInfo{1, 3, 0}, settings, {}).percent, " 66%");

    settings.IntSwitch = 0;
    texts = ComputeStatusTexts(std::nullopt, settings, {});
    EXPECT_EQ(texts.position, "Ready");
    EXPECT_EQ(texts.percent, " ");
    // In the interface language, its numbers in their places.
    const StringLookup russian = [](std::uint32_t id) -> std::optional<std::string> {
        if (id == kReady.id)
            return "\xC3\xEE\xF2\xEE\xE2\xEE"; // "Готово"
        if (id == kCaretPosition.id)
            return "%3 : %1 (%2)";
        return std::nullopt;
    };
    EXPECT_EQ(ComputeStatusTexts(std::nullopt, settings, russian).position, "\xC3\xEE\xF2\xEE\xE2\xEE");
    EXPECT_EQ(ComputeStatusTexts(CaretInfo{4, 7, 11, 0}, settings, russian).position, "12 : 5 (7)");
    EXPECT_EQ(texts.language, "Win");
    EXPECT_FALSE(texts.languageEnabled);
    EXPECT_EQ(texts.languageImage, 2);
    EXPECT_EQ(texts.codePageString, 1008u); // no view: the Encoding setting, "Auto" shown as "TRANSLITE"
}

TEST(FontHeight, CharacterHeightsMoveByOneAndCellHeightsByTwo)
{
    EXPECT_EQ(LargerFontHeight(-12), -13);
    EXPECT_EQ(LargerFontHeight(10), 12);
    EXPECT_EQ(LargerFontHeight(0), 2);
    EXPECT_EQ(SmallerFontHeight(-1), 0);
    EXPECT_EQ(SmallerFontHeight(0), -2);
    EXPECT_EQ(SmallerFontHeight(-13), -12);
}

TEST(FramePlacement, KeepsTheCornerAnIconInsideTheScreen)
{
    ScreenMetrics screen{{0, 30, 1024, 768}, 1024, 768, 32, 32};
    const WindowPlacement stored{1, 10, 20, 410, 620};
    EXPECT_EQ(FrameRectFromPlacement(stored, screen), (Rect{20, 40, 620, 440}));

    const WindowPlacement offScreen{1, 900, 2000, 1300, 2600};
    const Rect moved = FrameRectFromPlacement(offScreen, screen);
    EXPECT_EQ(moved.left, 1024 - 32);
    EXPECT_EQ(moved.top, 768 - 32);
    EXPECT_EQ(moved.Width(), 600); // the size is kept
    EXPECT_EQ(moved.Height(), 400);
}

TEST(FileTabs, TextColourFollowsEncryptionAndTheModifiedFlag)
{
    EXPECT_EQ(FileTabColour(false, false), 0x000000u);
    EXPECT_EQ(FileTabColour(false, true), 0xFF0000u);
    EXPECT_EQ(FileTabColour(true, false), 0x00007Fu);
    EXPECT_EQ(FileTabColour(true, true), 0x0000FFu);
}

TEST(ToolbarTooltips, LibraryNameThenInterfaceStringThenResourceString)
{
    const auto none = [](std::uint32_t) -> std::optional<std::string> { return std::nullopt; };
    const auto resource = [](std::uint32_t id) -> std::optional<std::string> {
        return id == 57600 ? std::optional<std::string>("Create a new document\nNew") : std::nullopt;
    };
    const auto language = [](std::uint32_t id) -> std::optional<std::string> {
        return id == 57600 ? std::optional<std::string>("Новый") : std::nullopt;
    };
    EXPECT_EQ(ToolbarTooltip(57600, "", none, resource), "New");
    EXPECT_EQ(ToolbarTooltip(57600, "", language, resource), "Новый");
    EXPECT_EQ(ToolbarTooltip(57601, "", none, resource), std::nullopt);
    EXPECT_EQ(ToolbarTooltip(32787, "HTML tags", language, resource), "HTML tags");
    EXPECT_EQ(ToolbarTooltip(32787, std::string(100, 'x'), none, none), std::string(80, 'x'));
    // Only clip buttons show a library's name.
    EXPECT_EQ(ToolbarTooltip(57600, "HTML tags", none, resource), "New");

    EXPECT_EQ(ToolbarButtonName(57600, language, resource), "Новый");
    EXPECT_EQ(ToolbarButtonName(32786, language, resource), "Clip library 1");
    EXPECT_EQ(ToolbarButtonName(32795, none, none), "Clip library 10");
    EXPECT_EQ(ToolbarButtonName(57601, none, resource), "");
}

TEST(FrameRules, NewDocumentWindowsCascadeInsideTheAreaOrStayMaximized)
{
    const Rect client{0, 0, 800, 600};
    // Three quarters of the area, one step further each, from the top-left
    // again before the next would leave the area.
    EXPECT_EQ(NewChildPlacement(std::nullopt, false, 0, client, 20),
              (WindowPlacement{kPlacementNormal, 0, 0, 450, 600}));
    EXPECT_EQ(NewChildPlacement(std::nullopt, false, 7, client, 20),
              (WindowPlacement{kPlacementNormal, 140, 140, 590, 740}));
    EXPECT_EQ(NewChildPlacement(std::nullopt, false, 8, client, 20),
              (WindowPlacement{kPlacementNormal, 0, 0, 450, 600}));
    EXPECT_EQ(NewChildPlacement(std::nullopt, true, 3, client, 20).status, kPlacementMaximized);

    // The first takes what was stored, unless its rectangle is of no use.
    const WindowPlacement stored{kPlacementNormal, 10, 20, 500, 700};
    EXPECT_EQ(NewChildPlacement(stored, false, 0, client, 20), stored);
    const WindowPlacement small{kPlacementNormal, 10, 20, 110, 220}; // the user's own, however small
    EXPECT_EQ(NewChildPlacement(small, false, 0, client, 20), small);
    const WindowPlacement tiny{kPlacementMaximized, 0, 0, 100, 200}; // a fresh profile's
    EXPECT_EQ(NewChildPlacement(tiny, false, 0, client, 20),
              (WindowPlacement{kPlacementMaximized, 0, 0, 450, 600}));
    const WindowPlacement outside{kPlacementNormal, 900, 900, 1500, 1700};
    EXPECT_EQ(NewChildPlacement(outside, false, 0, client, 20).top, 0);
    // A client area of nothing still gives a window.
    EXPECT_EQ(NewChildPlacement(std::nullopt, false, 5, Rect{}, 20), (WindowPlacement{kPlacementNormal, 0, 0, 1, 1}));
}
