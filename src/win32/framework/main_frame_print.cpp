// Print (57607), Print Preview (57609) and Page Setup (57605).
#include "core/settings/settings_io.h"
#include "core/view/print_template.h"
#include "win32/app/text_conversion.h"
#include "win32/dialogs/print_preview.h"
#include "win32/dialogs/printing_page.h"
#include "win32/framework/child_frame.h"
#include "win32/framework/main_frame.h"
#include "win32/res/resource.h"
#include "win32/view/page_printer.h"
#include "win32/view/view_window.h"

#include <commdlg.h>
#include <winspool.h>

namespace {

constexpr DocString kCannotPrint{5059, "Could not start print job."};
constexpr DocString kPageSetup{5061, "Page Setup"};

// The print dialog's answer: the printer's context and the pages asked for
// (last 0: to the end). No context when the user cancelled or there is no
// printer; `failed` tells which.
struct PrinterChoice {
    HDC dc = nullptr;
    int first = 1, last = 0;
    bool failed = false;
};

PrinterChoice ChoosePrinter(HWND owner)
{
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nFromPage = dialog.nMinPage = 1;
    dialog.nToPage = dialog.nMaxPage = 0xFFFF;
    PrinterChoice choice;
    if (!PrintDlgW(&dialog)) {
        choice.failed = CommDlgExtendedError() != 0;
        return choice;
    }
    GlobalFree(dialog.hDevMode);
    GlobalFree(dialog.hDevNames);
    choice.dc = dialog.hDC;
    choice.failed = !choice.dc; // a dialog without a printer to give
    if (dialog.Flags & PD_PAGENUMS) {
        choice.first = dialog.nFromPage;
        choice.last = dialog.nToPage;
    }
    return choice;
}

// The default printer's context, asked of no one; none without a printer.
HDC DefaultPrinterDc()
{
    wchar_t name[256];
    DWORD size = 256;
    return GetDefaultPrinterW(name, &size) ? CreateDCW(L"WINSPOOL", name, nullptr, nullptr) : nullptr;
}

} // namespace

void CMainFrame::LoadPrintSettingsOnce()
{
    if (!m_printSettingsLoaded)
        LoadPrintSettings(m_store, m_settings);
    m_printSettingsLoaded = true;
}

PrintSettings CMainFrame::PrintSettingsInLanguage()
{
    PrintSettings print = m_settings.print;
    print.Footer = FooterInLanguage(print.Footer, InterfaceLookup());
    return print;
}

void CMainFrame::PrintCommand(int)
{
    LoadPrintSettingsOnce();
    const CChildFrame& child = *ActiveChild();
    const PrinterChoice choice = ChoosePrinter(m_window);
    bool printed = !choice.failed;
    if (choice.dc) {
        const PrintSettings print = PrintSettingsInLanguage();
        PagePrinter pages(child.Document(), child.ActivePane().View().CodePage(), print, m_settings.Font);
        printed = PrintJob(choice.dc, FromCp1251(child.Document().GetTitle()), pages, choice.first, choice.last);
        DeleteDC(choice.dc);
    }
    if (!printed)
        m_prompts.ShowMessage(InterfaceText(kCannotPrint), MessageKind::Error);
}

// Without a printer the preview shows an A4 sheet.
void CMainFrame::PrintPreviewCommand(int)
{
    LoadPrintSettingsOnce();
    const CChildFrame& child = *ActiveChild();
    const PrintSettings print = PrintSettingsInLanguage();
    PagePrinter pages(child.Document(), child.ActivePane().View().CodePage(), print, m_settings.Font);
    HDC printer = DefaultPrinterDc();
    PrintPreview preview(DialogEnvironmentOf(), pages, printer);
    const INT_PTR result = preview.Run();
    if (printer)
        DeleteDC(printer);
    if (result == IDC_PREVIEW_PRINT)
        PrintCommand(ID_FILE_PRINT);
}

void CMainFrame::PageSetupCommand(int)
{
    LoadPrintSettingsOnce();
    const DialogEnvironment environment = DialogEnvironmentOf();
    PreferencesWindow window(environment, IDB_SINGLE_PAGE, InterfaceText(kPageSetup));
    window.AddPage(window.AddGroup(0, {1070, "Printing"}), MakePrintingPage(environment, m_settings, m_store));
    window.showHelp = [this, &window](const std::string& topic) { ShowPreferencesHelp(window, topic); };
    window.Run();
}
