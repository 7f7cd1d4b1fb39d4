#include "win32/framework/favorites_dialog.h"

#include "core/settings/favorites.h"
#include "win32/app/text_conversion.h"
#include "win32/framework/child_frame.h"
#include "win32/framework/main_frame.h"
#include "win32/res/resource.h"

namespace {

struct FavoritesWindow {
    CMainFrame& frame;
    HWND dialog = nullptr;
    bool addedCurrent = false;

    HWND List() const { return GetDlgItem(dialog, IDC_FAVORITES_LIST); }
    int Selected() const { return static_cast<int>(SendMessageW(List(), LB_GETCURSEL, 0, 0)); }

    void Fill(int selected)
    {
        SendMessageW(List(), LB_RESETCONTENT, 0, 0);
        for (const Favorite& favorite : frame.Favorites())
            SendMessageW(List(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromCp1251(favorite.path).c_str()));
        SendMessageW(List(), LB_SETCURSEL, selected, 0);
        UpdateButtons();
    }

    bool CanAddCurrent() const
    {
        CChildFrame* child = frame.ActiveChild();
        if (addedCurrent || !child || frame.Favorites().size() >= kMaxFavorites)
            return false;
        const std::string& path = child->Document().GetPathName();
        return !path.empty() && !FindFavorite(frame.Favorites(), path);
    }

    void UpdateButtons()
    {
        const bool any = !frame.Favorites().empty();
        EnableWindow(GetDlgItem(dialog, IDC_FAVORITES_ADD), CanAddCurrent());
        EnableWindow(GetDlgItem(dialog, IDC_FAVORITES_DELETE), any);
        EnableWindow(GetDlgItem(dialog, IDC_FAVORITES_OPEN), any);
    }

    void Command(int id)
    {
        std::vector<Favorite>& favorites = frame.Favorites();
        int& changed = frame.FavoritesChangedFlag();
        switch (id) {
        case IDC_FAVORITES_ADD:
            if (!CanAddCurrent())
                return;
            frame.AddActiveToFavorites();
            addedCurrent = true;
            Fill(static_cast<int>(favorites.size()) - 1);
            return;
        case IDC_FAVORITES_DELETE:
            Fill(DeleteFavorite(favorites, Selected(), changed));
            return;
        case IDC_FAVORITES_UP:
        case IDC_FAVORITES_DOWN:
            Fill(MoveFavorite(favorites, Selected(), id == IDC_FAVORITES_UP, changed));
            return;
        case IDC_FAVORITES_OPEN:
            if (const int selected = Selected(); selected >= 0) {
                EndDialog(dialog, IDOK);
                frame.OpenFavorite(static_cast<std::size_t>(selected));
            }
            return;
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, id);
            return;
        }
    }
};

INT_PTR CALLBACK FavoritesProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* window = reinterpret_cast<FavoritesWindow*>(lParam);
        window->dialog = dialog;
        SetWindowLongPtrW(dialog, GWLP_USERDATA, lParam);
        for (const auto& [button, icon] : {std::pair{IDC_FAVORITES_UP, IDI_UP}, std::pair{IDC_FAVORITES_DOWN, IDI_DOWN}})
            SendDlgItemMessageW(dialog, button, BM_SETIMAGE, IMAGE_ICON,
                                reinterpret_cast<LPARAM>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icon),
                                                                    IMAGE_ICON, 16, 16, LR_SHARED)));
        window->Fill(window->frame.Favorites().empty() ? -1 : 0);
        return TRUE;
    }
    auto* window = reinterpret_cast<FavoritesWindow*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
    if (!window || message != WM_COMMAND)
        return FALSE;
    if (LOWORD(wParam) == IDC_FAVORITES_LIST && HIWORD(wParam) == LBN_DBLCLK)
        window->Command(IDC_FAVORITES_OPEN);
    else if (HIWORD(wParam) == BN_CLICKED)
        window->Command(LOWORD(wParam));
    return TRUE;
}

} // namespace

void ShowFavoritesDialog(CMainFrame& frame)
{
    FavoritesWindow window{frame};
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_FAVORITES), frame.Window(), &FavoritesProc,
                    reinterpret_cast<LPARAM>(&window));
}
