// The active document handed on: Save encrypted, Export to Html, Send mail.
#include "core/app/dialog_rules.h"
#include "core/doc/doc_strings.h"
#include "core/doc/mail_body.h"
#include "core/doc/open_options.h"
#include "core/text/placeholder.h"
#include "core/view/highlight_scheme.h"
#include "core/view/html_export.h"
#include "win32/app/file_dialogs.h"
#include "win32/app/simple_mail.h"
#include "win32/app/text_conversion.h"
#include "win32/app/wait_cursor.h"
#include "win32/framework/child_frame.h"
#include "win32/framework/main_frame.h"
#include "win32/view/view_window.h"

namespace {

constexpr DocString kCannotExport{5050, "Cannot write the page %s"};
constexpr DocString kMailError{5049, "MAPI initialization error."};

std::string PathOrTitle(const CTextDoc& doc)
{
    return doc.GetPathName().empty() ? doc.GetTitle() : doc.GetPathName();
}

} // namespace

// The dialog's line end goes with this save alone; its Encoding box is taken
// as Save As takes it.
void CMainFrame::SaveEncryptedCommand(int)
{
    CTextDoc& doc = ActiveChild()->Document();
    CMyFileDialog dialog(false, m_settings.Encoding, kLineEndAuto);
    dialog.strings = InterfaceLookup();
    int filterIndex = 1;
    const std::vector<std::string> paths =
        dialog.Show(m_window, BuildTypeFilter({kEncryptedFilesType, kAllFilesType}, dialog.strings), filterIndex,
                    nullptr, SuggestEncryptedName(PathOrTitle(doc)));
    if (!paths.empty())
        doc.SaveEncryptedAs(paths.front(), ChosenLineEnd(dialog.lineEnd), NamedEncoding(dialog.encoding));
}

// The page opens as a document, as if chosen with File Open; a page that is
// open already is read again (asked first when it holds changes).
void CMainFrame::ExportHtmlCommand(int)
{
    const CTextDoc& doc = ActiveChild()->Document();
    const std::optional<std::string> path = ChooseFileToSave(m_window, SuggestHtmlName(PathOrTitle(doc)), InterfaceLookup());
    if (!path)
        return;
    CMyDocManager::Entry* open = m_documents.FindPath(*path);
    if (open && open->doc->IsModified() &&
        !m_prompts.AskYesNo(InterfaceText(kReloadQuestion), MessageKind::Warning))
        return;
    HighlightScheme& scheme = m_schemes[std::min<std::size_t>(doc.GetSchemeIndex(), m_schemes.size() - 1)];
    scheme.LoadScheme();
    if (!ExportHtmlToFile(doc, scheme, m_settings.Colors, m_files, *path)) {
        m_prompts.ShowMessage(FillPlaceholder(InterfaceText(kCannotExport), *path), MessageKind::Error);
        return;
    }
    if (open) {
        open->doc->SetModified(false); // the user agreed to lose the changes
        open->doc->Reload();
    }
    OpenDocument(*path, UnchosenOpen());
}

void CMainFrame::SendMailCommand(int)
{
    WaitCursor wait;
    ViewWindow& view = ActiveChild()->ActivePane();
    if (!SendMailBody(m_window, MailBody(view.View().GetDocument(), view.View().CodePage())))
        MessageBoxW(m_window, FromCp1251(InterfaceText(kMailError)).c_str(), L"", MB_OK);
}
