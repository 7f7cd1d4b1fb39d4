// The main frame's ways back to files (favorites, recent files) and its
// interface language and clip-library menus.
#include "core/app/recent_files.h"
#include "core/settings/favorites.h"
#include "core/tools/clip_library.h"
#include "win32/app/menu_conversion.h"
#include "win32/app/text_conversion.h"
#include "win32/app/win_interface_menus.h"
#include "win32/framework/child_frame.h"
#include "win32/framework/favorites_dialog.h"
#include "win32/framework/main_frame.h"
#include "win32/res/commands.h"
#include "win32/view/view_window.h"

namespace {

constexpr std::uint32_t kNoFavoritesString = 5016;

// A document and its first view, as a favorites entry sees them.
class DocumentFavorite : public FavoriteSubject {
public:
    DocumentFavorite(CTextDoc& doc, const CTextView& view) : m_doc(doc), m_view(view) {}
    std::string PathName() const override { return m_doc.GetPathName(); }
    void AskToSave() override { m_doc.SaveModified(); }
    std::int32_t CaretCol() const override { return m_view.Caret().col; }
    std::int32_t CaretLine() const override { return m_view.Caret().line; }
    std::uint8_t Encoding() const override
    {
        return EncodingOf(static_cast<std::uint8_t>(m_view.CodePage()), m_doc.GetUnicodeForm());
    }
    std::vector<std::uint32_t> BookmarkedLines() const override
    {
        std::vector<std::uint32_t> lines;
        for (int i = 0; i < m_doc.GetLineCount() && static_cast<int>(lines.size()) < m_doc.GetBookmarkCount(); ++i)
            if (m_doc.IsBookmarked(i))
                lines.push_back(static_cast<std::uint32_t>(i));
        return lines;
    }

private:
    CTextDoc& m_doc;
    const CTextView& m_view;
};

} // namespace

void CMainFrame::RecordFavoriteOf(CTextDoc& doc, bool updateOnly)
{
    CMyDocManager::Entry* entry = m_documents.Find(doc);
    if (!entry || !entry->frame)
        return;
    DocumentFavorite subject(doc, entry->frame->Pane(0).View());
    RecordFavorite(m_settings.favorites, subject, updateOnly, m_settings.FavoritesChanged);
}

void CMainFrame::AddActiveToFavorites()
{
    if (CChildFrame* child = ActiveChild())
        RecordFavoriteOf(child->Document(), false);
}

void CMainFrame::AddFavoriteCommand(int)
{
    AddActiveToFavorites();
}

void CMainFrame::OrganizeFavorites(int)
{
    ShowFavoritesDialog(*this);
}

void CMainFrame::OpenFavorite(std::size_t index)
{
    if (index >= m_settings.favorites.size())
        return;
    const Favorite favorite = m_settings.favorites[index];
    OpenDocument(favorite.path, OpenInEncoding(favorite.encoding));
}

void CMainFrame::OpenFavoriteCommand(int id)
{
    OpenFavorite(static_cast<std::size_t>(id - ID_FAVORITES_FIRST));
}

CommandUpdate CMainFrame::FavoriteEntryState(int id)
{
    return {static_cast<std::size_t>(id - ID_FAVORITES_FIRST) < m_settings.favorites.size(), false, std::nullopt};
}

CommandUpdate CMainFrame::FavoritesNotEmpty(int)
{
    return {!m_settings.favorites.empty(), false, std::nullopt};
}

// The entries after "&Add to favorites", "&Organize..." and a separator.
void CMainFrame::RebuildFavoritesMenu(HMENU menu)
{
    constexpr int kFixedItems = 3;
    while (GetMenuItemCount(menu) > kFixedItems)
        DeleteMenu(menu, kFixedItems, MF_BYPOSITION);
    const std::string none = InterfaceString(kNoFavoritesString).value_or("No favorites");
    AppendMenuItems(menu, FavoritesMenuEntries(m_settings.favorites, none));
}

void CMainFrame::RebuildRecentFilesMenu(HMENU menu)
{
    if (!m_recent || m_recent->Entries().empty()) {
        while (GetMenuItemCount(menu) > 1)
            DeleteMenu(menu, 1, MF_BYPOSITION);
        return; // the resource's disabled "none" stays
    }
    while (GetMenuItemCount(menu) > 0)
        DeleteMenu(menu, 0, MF_BYPOSITION);
    const std::string current = m_environment.CurrentDirectory().value_or("");
    const auto& entries = m_recent->Entries();
    for (std::size_t i = 0; i < entries.size() && ID_FILE_MRU_FIRST + i < ID_FILE_MRU_LAST; ++i)
        AppendMenuW(menu, MF_STRING, ID_FILE_MRU_FIRST + i,
                    FromCp1251(RecentFileMenuText(static_cast<int>(i), entries[i], current)).c_str());
}

void CMainFrame::OpenRecentFile(int id)
{
    const std::size_t index = static_cast<std::size_t>(id - ID_FILE_MRU_FIRST);
    if (m_recent && index < m_recent->Entries().size())
        OpenDocument(std::string(m_recent->Entries()[index]), UnchosenOpen());
}

void CMainFrame::ApplyInterfaceLanguage()
{
    WinInterfaceMenus menus({{IDR_MAINFRAME, m_noDocumentMenu},
                             {IDR_TRAY_MENU, PopupMenu(IDR_TRAY_MENU)},
                             {IDR_TEXT_CONTEXT_MENU, PopupMenu(IDR_TEXT_CONTEXT_MENU)},
                             {IDR_FILE_TAB_MENU, PopupMenu(IDR_FILE_TAB_MENU)},
                             {IDR_OUTPUT_MENU, PopupMenu(IDR_OUTPUT_MENU)},
                             {IDR_TEXTTYPE, m_textType.Menu()}});
    m_language.Apply(m_settings.InterfaceFile, menus, m_store, m_prompts);
    if (m_bars)
        m_bars->Dock(FrameBars::kOutput).SetTitle(FromCp1251(InterfaceText(kOutputTitle)));
    if (m_window)
        DrawMenuBar(m_window);
}

HMENU CMainFrame::PopupMenu(unsigned id) const
{
    const auto menu = m_popups.find(id);
    return menu == m_popups.end() ? nullptr : menu->second;
}

// Each loaded clip library as a pop-up above "Tabs -> spaces", in place of
// an earlier load's pop-ups (destroyed with their items) and separator.
void CMainFrame::InstallClipLibraryMenus()
{
    HMENU actions = FindSubMenuHolding(m_textType.Menu(), ID_ACTIONS_TABS_TO_SPACES);
    if (!actions)
        return;
    while (GetMenuItemCount(actions) > 0 && GetMenuItemID(actions, 0) != ID_ACTIONS_TABS_TO_SPACES)
        DeleteMenu(actions, 0, MF_BYPOSITION);
    Menu top{MenuItem::Command(ID_ACTIONS_TABS_TO_SPACES, "")};
    m_clips.PutIntoActionsMenu(top);
    UINT position = 0;
    for (const MenuItem& item : top) {
        if (item.id == ID_ACTIONS_TABS_TO_SPACES)
            break;
        if (item.separator) {
            InsertMenuW(actions, position++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
            continue;
        }
        HMENU popup = CreatePopupMenu();
        MarkAsClipLibraryMenu(popup);
        AppendMenuItems(popup, item.items);
        InsertMenuW(actions, position++, MF_BYPOSITION | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup),
                    FromCp1251(item.text).c_str());
    }
}
