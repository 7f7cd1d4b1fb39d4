// Printing: pages painted onto an enhanced metafile, the print and preview
// commands, the Printing page and Page Setup.
#include "dialog_script.h"
#include "frame_fixture.h"

#include "win32/dialogs/print_preview.h"
#include "win32/res/resource.h"
#include "win32/view/page_printer.h"

#include <string>
#include <vector>

namespace {

// What a metafile holds: its texts in order, its lines.
struct Recorded {
    std::vector<std::wstring> texts;
    int lines = 0;
};

int CALLBACK Record(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data)
{
    auto& recorded = *reinterpret_cast<Recorded*>(data);
    if (record->iType == EMR_EXTTEXTOUTW) {
        const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const auto* chars =
            reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + text->emrtext.offString);
        recorded.texts.emplace_back(chars, text->emrtext.nChars);
    } else if (record->iType == EMR_LINETO) {
        ++recorded.lines;
    }
    return 1;
}

class PrintTest : public DocumentFramework {
protected:
    void HundredLines()
    {
        Doc().DeleteContents();
        for (int i = 0; i < 100; ++i)
            Doc().AppendLine("line " + std::to_string(i));
    }
    // Paints what the preview shows onto a metafile.
    static Recorded Shown(const PrintPreview& preview)
    {
        HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
        preview.PaintPaper(dc, RECT{0, 0, 300, 400});
        HENHMETAFILE file = CloseEnhMetaFile(dc);
        Recorded recorded;
        EnumEnhMetaFile(nullptr, file, &Record, &recorded, nullptr);
        DeleteEnhMetaFile(file);
        return recorded;
    }

    // Lays the document out on a page of `page` screen pixels and paints
    // page `number` onto a metafile.
    Recorded Paint(PagePrinter& printer, Rect page, int number)
    {
        HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
        PagePrinter::MapScreenUnits(dc);
        printer.LayOut(dc, page, 0);
        printer.PaintPage(dc, number);
        HENHMETAFILE file = CloseEnhMetaFile(dc);
        Recorded recorded;
        EnumEnhMetaFile(nullptr, file, &Record, &recorded, nullptr);
        DeleteEnhMetaFile(file);
        return recorded;
    }

    PrintSettings print;
};

} // namespace

TEST_F(PrintTest, HeaderFooterSeparatorsAndRowsReachTheMetafile)
{
    SetText({"first line", "\xef\xf0\xe8\xe2\xe5\xf2"}); // "привет" in WIN
    PagePrinter printer(Doc(), CP_WIN, print, settings.Font);
    const Recorded page = Paint(printer, {0, 0, 600, 800}, 1);
    ASSERT_EQ(printer.PageCount(), 1);
    // The header's title and date, the footer, the rows.
    ASSERT_EQ(page.texts.size(), 5u);
    EXPECT_EQ(page.texts[0], FromCp1251(Doc().GetTitle()));
    EXPECT_FALSE(page.texts[1].empty()); // the short date
    EXPECT_EQ(page.texts[2], L"Page 1 of 1");
    EXPECT_EQ(page.texts[3], L"first line");
    EXPECT_EQ(page.texts[4], L"\u043f\u0440\u0438\u0432\u0435\u0442");
    EXPECT_EQ(page.lines, 2);

    print.DrawLine = 0;
    print.PrintHeader = 0;
    print.Footer = "&Rp. &p";
    PagePrinter plain(Doc(), CP_WIN, print, settings.Font);
    const Recorded bare = Paint(plain, {0, 0, 600, 800}, 1);
    EXPECT_EQ(bare.lines, 0);
    EXPECT_EQ(bare.texts, (std::vector<std::wstring>{L"p. 1", L"first line",
                                                     L"\u043f\u0440\u0438\u0432\u0435\u0442"}));
}

TEST_F(PrintTest, ManyLinesMakeManyPagesAndTheLastPageHoldsTheRest)
{
    HundredLines();
    print.PrintHeader = print.PrintFooter = 0;
    PagePrinter printer(Doc(), CP_WIN, print, settings.Font);
    const Recorded last = Paint(printer, {0, 0, 600, 400}, 0);
    const int pages = printer.PageCount();
    ASSERT_GT(pages, 1);
    const int perPage = printer.Layout().rowsPerPage;
    EXPECT_EQ(pages, (100 + perPage - 1) / perPage);
    const Recorded end = Paint(printer, {0, 0, 600, 400}, pages);
    ASSERT_FALSE(end.texts.empty());
    EXPECT_EQ(end.texts.back(), L"line 99");
    EXPECT_EQ(end.texts.size(), static_cast<std::size_t>(100 - (pages - 1) * perPage));
    EXPECT_TRUE(last.texts.empty()); // there is no page 0
}

TEST_F(PrintTest, MarginsBeyondThePaperStillPrintTheText)
{
    SetText({"ab"});
    print.Left = print.Right = print.Top = print.Bottom = 500;
    PagePrinter printer(Doc(), CP_WIN, print, settings.Font);
    const Recorded page = Paint(printer, {0, 0, 60, 90}, 1);
    EXPECT_EQ(printer.Layout().charsPerRow, 1);
    EXPECT_NE(std::find(page.texts.begin(), page.texts.end(), L"a"), page.texts.end());
}

TEST_F(PrintTest, ThePrintDialogCancelledPrintsNothingAndSaysNothing)
{
    SetText({"text"});
    int dialogs = 0;
    // Without a printer the system may say so first; the print dialog is
    // cancelled.
    DialogScript script([&](HWND dialog) {
        ++dialogs;
        DialogScript::Click(dialog, IsMessageBox(dialog) ? IDOK : IDCANCEL);
    });
    Command(ID_FILE_PRINT);
    EXPECT_GE(dialogs, 1);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(PrintTest, AJobThatCannotStartFails)
{
    SetText({"text"});
    PagePrinter printer(Doc(), CP_WIN, print, settings.Font);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    EXPECT_FALSE(PrintJob(memory, L"job", printer, 1, 0));
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST_F(PrintTest, ThePreviewPagesThroughTheDocument)
{
    HundredLines();
    PagePrinter pages(Doc(), CP_WIN, print, settings.Font);
    PrintPreview preview(DialogEnvironment{frame.Window(), {}, settings.InterFnt}, pages, nullptr);
    HWND window = preview.Open();
    ASSERT_TRUE(window);
    const int count = pages.PageCount();
    ASSERT_GT(count, 1); // an A4 sheet of the screen
    const std::wstring total = L" of " + std::to_wstring(count);
    EXPECT_EQ(Text(window, IDC_PREVIEW_PAGE), L"Page 1" + total);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_PREVIEW_PREVIOUS)));
    const Recorded first = Shown(preview);
    EXPECT_NE(std::find(first.texts.begin(), first.texts.end(), L"line 0"), first.texts.end());
    EXPECT_NE(std::find(first.texts.begin(), first.texts.end(), L"Page 1" + total), first.texts.end());

    SendMessageW(window, WM_COMMAND, IDC_PREVIEW_NEXT, 0);
    EXPECT_EQ(preview.Page(), 2);
    EXPECT_EQ(Text(window, IDC_PREVIEW_PAGE), L"Page 2" + total);
    const Recorded second = Shown(preview);
    const int firstOfSecond = pages.Layout().pageStarts[1].line;
    EXPECT_NE(std::find(second.texts.begin(), second.texts.end(), L"line " + std::to_wstring(firstOfSecond)),
              second.texts.end());
    EXPECT_EQ(std::find(second.texts.begin(), second.texts.end(), L"line 0"), second.texts.end());

    for (int i = 0; i < count + 2; ++i)
        SendMessageW(window, WM_COMMAND, IDC_PREVIEW_NEXT, 0);
    EXPECT_EQ(preview.Page(), count);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_PREVIEW_NEXT)));
    SendMessageW(window, WM_COMMAND, IDC_PREVIEW_CLOSE, 0);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(PrintTest, ThePreviewsPrintButtonOpensThePrintDialog)
{
    HundredLines();
    std::vector<std::wstring> previewPages;
    int printDialogs = 0;
    DialogScript script([&](HWND dialog) {
        if (IsMessageBox(dialog)) {
            DialogScript::Click(dialog, IDOK);
        } else if (GetDlgItem(dialog, IDC_PREVIEW_PAGE)) {
            previewPages.push_back(Text(dialog, IDC_PREVIEW_PAGE));
            DialogScript::Click(dialog, IDC_PREVIEW_PRINT);
        } else {
            ++printDialogs;
            DialogScript::Click(dialog, IDCANCEL);
        }
    });
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_EQ(previewPages.size(), 1u);
    EXPECT_EQ(previewPages[0].rfind(L"Page 1 of ", 0), 0u);
    EXPECT_EQ(printDialogs, 1);
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages[0];
}
