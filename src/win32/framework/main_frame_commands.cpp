// The main frame's own commands and their update handlers.
#include "core/app/dialog_rules.h"
#include "core/app/frame_rules.h"
#include "core/platform/profile_store.h"
#include "core/text/placeholder.h"
#include "core/tools/clip_library.h"
#include "core/view/find_again.h"
#include "core/view/highlight_scheme.h"
#include "win32/app/file_dialogs.h"
#include "win32/app/help_viewer.h"
#include "win32/app/menu_conversion.h"
#include "win32/app/text_conversion.h"
#include "win32/app/win_settings.h"
#include "win32/framework/child_frame.h"
#include "win32/framework/main_frame.h"
#include "win32/res/commands.h"
#include "win32/view/view_window.h"

namespace {

constexpr int kClipKeyFirst = ID_CLIP_KEY_FIRST;
constexpr int kClipKeyLast = ID_CLIP_KEY_FIRST + kClipLibrarySlots - 1;
constexpr int kClipButtonLast = ID_CLIP_BUTTON_FIRST + kClipLibrarySlots - 1;
constexpr std::uint32_t kRussianLanguageText = 5002; // shown while the language is English
constexpr std::uint32_t kEnglishLanguageText = 5003;

// The docked bar a View command shows or hides; none for the status bar.
std::optional<FrameBars::Bar> DockedBarOf(int command)
{
    switch (command) {
    case ID_VIEW_TOOLBAR: return FrameBars::kToolBar;
    case ID_VIEW_FILE_TABS: return FrameBars::kFileTabs;
    case ID_VIEW_OUTPUT: return FrameBars::kOutput;
    default: return std::nullopt;
    }
}

int ClipSlot(int command)
{
    return command >= kClipKeyFirst && command <= kClipKeyLast ? command - kClipKeyFirst
                                                               : command - ID_CLIP_BUTTON_FIRST;
}

} // namespace

std::span<const CommandEntry<CMainFrame>> CMainFrame::Commands()
{
    static constexpr CommandEntry<CMainFrame> kTable[] = {
        {ID_FILE_NEW, ID_FILE_NEW, &CMainFrame::FileNew},
        {ID_FILE_OPEN, ID_FILE_OPEN, &CMainFrame::FileOpen},
        {ID_FILE_CLOSE_ALL, ID_FILE_CLOSE_ALL, &CMainFrame::CloseAllCommand, &CMainFrame::DocumentActive},
        {ID_FILE_SAVE_ALL, ID_FILE_SAVE_ALL, &CMainFrame::SaveAllCommand, &CMainFrame::DocumentActive},
        {ID_WINDOW_CASCADE, ID_WINDOW_TILE_VERT, &CMainFrame::ArrangeWindows, &CMainFrame::DocumentActive},
        {ID_VIEW_WORD_WRAP, ID_VIEW_WORD_WRAP, &CMainFrame::ToggleWordWrap, &CMainFrame::WordWrapState},
        {ID_VIEW_SPECIAL_CHARS, ID_VIEW_SPECIAL_CHARS, &CMainFrame::ToggleSpecialChars,
         &CMainFrame::SpecialCharsState},
        {ID_VIEW_INFO_OFF, ID_VIEW_INFO_NUMBERS, &CMainFrame::SetInfoMode, &CMainFrame::InfoModeState},
        {ID_LANGUAGE_SWITCH, ID_LANGUAGE_SWITCH, &CMainFrame::SwitchLanguage, &CMainFrame::LanguageSwitchState},
        {ID_LANGUAGE_ENGLISH, ID_LANGUAGE_RUSSIAN, &CMainFrame::SetLanguage, &CMainFrame::LanguageState},
        {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, &CMainFrame::ToggleBar, &CMainFrame::BarState},
        {ID_VIEW_FILE_TABS, ID_VIEW_FILE_TABS, &CMainFrame::ToggleBar, &CMainFrame::BarState},
        {ID_VIEW_OUTPUT, ID_VIEW_OUTPUT, &CMainFrame::ToggleBar, &CMainFrame::BarState},
        {ID_VIEW_FONT_LARGER, ID_VIEW_FONT_SMALLER, &CMainFrame::ChangeFontSize, &CMainFrame::DocumentActive},
        {ID_VIEW_FULL_SCREEN, ID_VIEW_FULL_SCREEN, &CMainFrame::ToggleFullScreen, &CMainFrame::FullScreenState},
        {ID_ESCAPE, ID_ESCAPE, &CMainFrame::Escape},
        {ID_VIEW_SET_DEFAULT_SCHEME, ID_VIEW_SET_DEFAULT_SCHEME, &CMainFrame::SetDefaultScheme,
         &CMainFrame::DocumentActive},
        {ID_WINDOW_LIST, ID_WINDOW_LIST, &CMainFrame::WindowList, &CMainFrame::DocumentActive},
        {ID_TRAY_EXIT, ID_TRAY_RESTORE, &CMainFrame::TrayCommand},
        {ID_HELP_ONLINE, ID_HELP_CONTENTS, &CMainFrame::Help},
        {ID_HELP_SEARCH, ID_HELP_SEARCH, &CMainFrame::Help},
        {ID_HELP_CONTEXT, ID_HELP_CONTEXT, &CMainFrame::Help}, // the frame's context is the contents
        {ID_CLIP_BUTTON_FIRST, kClipButtonLast, &CMainFrame::ClipButton, &CMainFrame::ClipButtonState},
        {kClipKeyFirst, kClipKeyLast, &CMainFrame::ClipButton, &CMainFrame::ClipButtonState},
        {ID_FAVORITES_ADD, ID_FAVORITES_ADD, &CMainFrame::AddFavoriteCommand, &CMainFrame::DocumentActive},
        {ID_FAVORITES_ORGANIZE, ID_FAVORITES_ORGANIZE, &CMainFrame::OrganizeFavorites, &CMainFrame::FavoritesNotEmpty},
        {ID_FAVORITES_FIRST, ID_FAVORITES_LAST, &CMainFrame::OpenFavoriteCommand, &CMainFrame::FavoriteEntryState},
        {ID_FILE_MRU_FIRST, ID_FILE_MRU_LAST - 1, &CMainFrame::OpenRecentFile},
        {ID_SEARCH_FIND_PREV, ID_SEARCH_FIND_NEXT, &CMainFrame::FindAgainCommand, &CMainFrame::FindAgainState},
        {ID_SEARCH_WORD_BACKWARD, ID_SEARCH_WORD_FORWARD, &CMainFrame::FindWordCommand, &CMainFrame::DocumentActive},
        {ID_ACTIONS_CONVERT, ID_ACTIONS_CONVERT, &CMainFrame::ConvertCommand, &CMainFrame::DocumentActive},
        {ID_ACTIONS_REMOVE_TAGS, ID_ACTIONS_REMOVE_TAGS, &CMainFrame::RemoveTagsCommand},
        {ID_ACTIONS_ALIGN, ID_ACTIONS_ALIGN, &CMainFrame::AlignCommand},
        {ID_SEARCH_GOTO, ID_SEARCH_GOTO, &CMainFrame::GoToCommand},
        {ID_TOOLS_PREFERENCES, ID_TOOLS_PREFERENCES, &CMainFrame::PreferencesCommand},
        {ID_SEARCH_BOOKMARKS, ID_SEARCH_BOOKMARKS, &CMainFrame::BookmarksCommand, &CMainFrame::BookmarksState},
        {ID_EDIT_FIND, ID_EDIT_FIND, &CMainFrame::FindCommand, &CMainFrame::FindState},
        {ID_EDIT_REPLACE, ID_EDIT_REPLACE, &CMainFrame::ReplaceCommand, &CMainFrame::FindState},
        {ID_SEARCH_IN_FILES, ID_SEARCH_IN_FILES, &CMainFrame::FindInFilesCommand},
        {ID_FILE_SAVE_ENCRYPTED, ID_FILE_SAVE_ENCRYPTED, &CMainFrame::SaveEncryptedCommand, &CMainFrame::DocumentActive},
        {ID_FILE_EXPORT_HTML, ID_FILE_EXPORT_HTML, &CMainFrame::ExportHtmlCommand, &CMainFrame::DocumentActive},
        {ID_FILE_SEND_MAIL, ID_FILE_SEND_MAIL, &CMainFrame::SendMailCommand, &CMainFrame::DocumentActive},
        {ID_FILE_PRINT, ID_FILE_PRINT, &CMainFrame::PrintCommand, &CMainFrame::DocumentActive},
        {ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_PREVIEW, &CMainFrame::PrintPreviewCommand, &CMainFrame::DocumentActive},
        {ID_FILE_PAGE_SETUP, ID_FILE_PAGE_SETUP, &CMainFrame::PageSetupCommand},
        {ID_OUTPUT_CLEAR, ID_OUTPUT_CLEAR, &CMainFrame::ClearOutput, &CMainFrame::OutputTextState},
        {ID_OUTPUT_COPY, ID_OUTPUT_COPY, &CMainFrame::CopyOutput, &CMainFrame::OutputSelectionState},
        {ID_OUTPUT_SAVE, ID_OUTPUT_SAVE, &CMainFrame::SaveOutput},
    };
    return kTable;
}

bool CMainFrame::OnCommand(int id)
{
    return RunFromTable(*this, Commands(), id);
}

std::optional<CommandUpdate> CMainFrame::OnUpdateCommand(int id)
{
    return UpdateFromTable(*this, Commands(), id);
}

void CMainFrame::FileNew(int)
{
    NewDocument();
}

// Several files at once; the dialog's boxes give the code page and the line
// ends of the files it opens.
void CMainFrame::FileOpen(int)
{
    CMyFileDialog dialog(true, m_settings.DisableAuto ? m_settings.Encoding : kEncodingAuto, kLineEndAuto);
    dialog.strings = InterfaceLookup();
    const std::vector<std::string> paths =
        dialog.Show(m_window, BuildOpenFilter(m_settings.openSaveTypes, dialog.strings), m_fileDialogs.filterIndex);
    const OpenOptions options = OpenWithChoice(dialog.encoding, dialog.lineEnd);
    for (const std::string& path : paths)
        OpenDocument(path, options);
}

void CMainFrame::FindAgainCommand(int id)
{
    if (ViewWindow* view = ActiveView())
        ReportSearch(FindAgain(view->View(), m_findHistory, id == ID_SEARCH_FIND_NEXT));
}

void CMainFrame::FindWordCommand(int id)
{
    if (ViewWindow* view = ActiveView())
        ReportSearch(FindWordAtCaret(view->View(), m_findHistory, id == ID_SEARCH_WORD_FORWARD));
}

void CMainFrame::ReportSearch(const std::optional<DocString>& message)
{
    if (message)
        ShowSearchMessage(*message, m_findHistory.front());
}

void CMainFrame::ShowSearchMessage(const DocString& message, const std::string& text)
{
    m_prompts.ShowMessage(FillPlaceholder(InterfaceText(message), text),
                          MessageKind::Information);
}

// Find previous searches as plain text only.
CommandUpdate CMainFrame::FindAgainState(int id)
{
    const bool usable = ActiveChild() && !m_findDialog && !m_findHistory.empty() &&
                        (id == ID_SEARCH_FIND_NEXT || !m_settings.RegExpr);
    return {usable, false, std::nullopt};
}

void CMainFrame::CloseAllCommand(int)
{
    CloseAll();
}

void CMainFrame::SaveAllCommand(int)
{
    SaveAll();
}

void CMainFrame::ArrangeWindows(int id)
{
    if (id == ID_WINDOW_CASCADE)
        SendMessageW(m_mdiClient, WM_MDICASCADE, 0, 0);
    else
        SendMessageW(m_mdiClient, WM_MDITILE, id == ID_WINDOW_TILE_HORZ ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

void CMainFrame::ToggleWordWrap(int)
{
    m_settings.WrapOn = !m_settings.WrapOn;
    UpdateAllViews(ViewChange::Wrapping);
}

void CMainFrame::ToggleSpecialChars(int)
{
    m_settings.ShowTabs = !m_settings.ShowTabs;
    UpdateAllViews(ViewChange::DisplayOptions);
}

void CMainFrame::SetInfoMode(int id)
{
    m_settings.InfoMode = static_cast<std::uint8_t>(id - ID_VIEW_INFO_OFF);
    UpdateAllViews(ViewChange::DisplayOptions);
}

void CMainFrame::SwitchLanguage(int)
{
    m_settings.Language = static_cast<std::uint8_t>(1 - m_settings.Language);
}

void CMainFrame::SetLanguage(int id)
{
    m_settings.Language = static_cast<std::uint8_t>(id - ID_LANGUAGE_ENGLISH);
}

void CMainFrame::ToggleBar(int id)
{
    const bool visible = BarVisible(id);
    if (const std::optional<FrameBars::Bar> bar = DockedBarOf(id))
        m_bars->Show(*bar, !visible);
    else
        m_bars->ShowStatus(!visible);
}

bool CMainFrame::BarVisible(int command) const
{
    const std::optional<FrameBars::Bar> bar = DockedBarOf(command);
    return bar ? m_bars->Visible(*bar) : m_bars->StatusVisible();
}

// The text font's height, written at once.
void CMainFrame::ChangeFontSize(int id)
{
    m_settings.Font.height =
        id == ID_VIEW_FONT_LARGER ? LargerFontHeight(m_settings.Font.height) : SmallerFontHeight(m_settings.Font.height);
    m_store.SetBinary("View", "Font", m_settings.Font.ToBlock());
    UpdateAllViews(ViewChange::Fonts);
}

void CMainFrame::ToggleFullScreen(int)
{
    CChildFrame* child = ActiveChild();
    HWND childWindow = child ? child->Window() : nullptr;
    if (m_fullScreen.IsOn())
        m_fullScreen.Leave(m_window, m_mdiClient, childWindow, *m_bars);
    else
        m_fullScreen.Enter(m_window, m_mdiClient, childWindow, *m_bars);
}

// Esc closes the completion list first, else does what EscMode says.
void CMainFrame::Escape(int)
{
    ViewWindow* view = ActiveView();
    if (view && view->View().CompletionOpen()) {
        view->View().CloseCompletion();
        return;
    }
    switch (m_settings.EscMode) {
    case ESC_DROPS_SELECTION:
        if (view)
            view->View().DropSelection();
        break;
    case ESC_CLOSES_PROGRAM: PostMessageW(m_window, WM_CLOSE, 0, 0); break;
    case ESC_MINIMIZES: ShowWindow(m_window, SW_MINIMIZE); break;
    case ESC_HIDES_OUTPUT: m_bars->Show(FrameBars::kOutput, false); break;
    }
}

void CMainFrame::SetDefaultScheme(int)
{
    if (CChildFrame* child = ActiveChild()) {
        m_settings.DefaultScheme = child->Document().GetSchemeIndex();
        SetMenuDefaultItem(ViewSourceMenu(), static_cast<UINT>(m_settings.DefaultScheme), TRUE);
    }
}

// The open documents in a menu at the button; the chosen one is activated.
void CMainFrame::WindowList(int)
{
    HMENU menu = CreatePopupMenu();
    const auto& entries = m_documents.Entries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        AppendMenuW(menu, MF_STRING | (entries[i].frame.get() == ActiveChild() ? MF_CHECKED : 0), i + 1,
                    FromCp1251(entries[i].doc->GetTitle()).c_str());
    POINT at;
    GetCursorPos(&at);
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTALIGN | TPM_NONOTIFY, at.x, at.y, 0, m_window,
                                      nullptr);
    DestroyMenu(menu);
    if (chosen > 0 && static_cast<std::size_t>(chosen) <= entries.size())
        ActivateDocument(*entries[static_cast<std::size_t>(chosen - 1)].doc);
}

void CMainFrame::TrayCommand(int id)
{
    RestoreFromTray();
    if (id == ID_TRAY_EXIT)
        PostMessageW(m_window, WM_CLOSE, 0, 0);
}

void CMainFrame::Help(int id)
{
    if (id == ID_HELP_ONLINE)
        ShowOnlineHelp(m_window);
    else
        ShowHelp(m_window, FromCp1251(m_programDir) + L"noveda.chm", id == ID_HELP_SEARCH ? HelpPage::Search : HelpPage::Contents);
}

// A clip library's menu under its toolbar button, or at the caret when the
// button is not shown.
void CMainFrame::ClipButton(int id)
{
    const int slot = ClipSlot(id);
    const ClipLibrary& library = m_clips.slots[static_cast<std::size_t>(slot)];
    ViewWindow* view = ActiveView();
    if (!library.loaded || !view)
        return;
    std::optional<POINT> at = m_bars->Visible(FrameBars::kToolBar)
                                  ? m_bars->Tools().DropPoint(ID_CLIP_BUTTON_FIRST + slot)
                                  : std::nullopt;
    if (!at) {
        POINT caret{};
        GetCaretPos(&caret);
        ClientToScreen(view->Window(), &caret);
        at = caret;
    }
    HMENU menu = CreatePopupMenu();
    AppendMenuItems(menu, library.menu);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, at->x, at->y, 0, m_window, nullptr);
    DestroyMenu(menu);
}

CommandUpdate CMainFrame::DocumentActive(int)
{
    return {ActiveChild() != nullptr, false, std::nullopt};
}

CommandUpdate CMainFrame::WordWrapState(int)
{
    return {true, m_settings.WrapOn != 0, std::nullopt};
}

CommandUpdate CMainFrame::SpecialCharsState(int)
{
    return {true, m_settings.ShowTabs != 0, std::nullopt};
}

CommandUpdate CMainFrame::InfoModeState(int id)
{
    return {true, m_settings.InfoMode == id - ID_VIEW_INFO_OFF, std::nullopt};
}

CommandUpdate CMainFrame::LanguageSwitchState(int)
{
    const std::uint32_t id = m_settings.Language == 1 ? kEnglishLanguageText : kRussianLanguageText;
    std::optional<std::string> text = InterfaceString(id);
    if (!text)
        text = StringTableResources().Load(id);
    return {m_settings.IntSwitch == 1, false, text};
}

CommandUpdate CMainFrame::LanguageState(int id)
{
    const bool on = m_settings.IntSwitch == 1;
    return {on, on && m_settings.Language == id - ID_LANGUAGE_ENGLISH, std::nullopt};
}

CommandUpdate CMainFrame::BarState(int id)
{
    return {true, BarVisible(id), std::nullopt};
}

CommandUpdate CMainFrame::FullScreenState(int)
{
    return {true, m_fullScreen.IsOn(), std::nullopt};
}

CommandUpdate CMainFrame::ClipButtonState(int id)
{
    return {ActiveChild() != nullptr && m_clips.slots[static_cast<std::size_t>(ClipSlot(id))].loaded, false,
            std::nullopt};
}

// ---- "View source as"

// Found by its first item: a maximised document window puts its own menu
// in front of the bar's.
HMENU CMainFrame::ViewSourceMenu() const
{
    return FindSubMenuHolding(m_textType.Menu(), ID_VIEW_SOURCE_FIRST);
}

void CMainFrame::RebuildViewSourceMenu()
{
    HMENU menu = ViewSourceMenu();
    if (!menu)
        return;
    while (GetMenuItemCount(menu) > 1)
        DeleteMenu(menu, 1, MF_BYPOSITION);
    AppendMenuItems(menu, ViewSourceAsItems(m_schemes));
    SetMenuDefaultItem(menu, static_cast<UINT>(m_settings.DefaultScheme), TRUE);
}

void CMainFrame::ActivateDocument(CTextDoc& doc)
{
    if (CMyDocManager::Entry* e = m_documents.Find(doc))
        SendMessageW(m_mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(e->frame->Window()), 0);
}
