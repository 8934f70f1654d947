#include "FavoritesPage.h"

#include <vector>

#include "AppSettings.h"
#include "FavoriteStore.h"
#include "ListPageControls.h"

namespace {

constexpr char kNewFavorite[] = "<New Favorite Path>";

}  // namespace

CFavoritesPage::~CFavoritesPage() {
    if (m_images) ImageList_Destroy(m_images);
}

LRESULT CFavoritesPage::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    m_images = CreateListToolbar(m_hWnd, IDC_FAVORITES_TOOLBAR, IDC_FAVORITES_TOOLBAR_BAR);
    SetUpListView(GetDlgItem(IDC_FAVORITES_LIST));
    const std::vector<std::string> paths = FavoriteStore::Over(m_context.settings).List();
    for (size_t i = 0; i < paths.size(); ++i) InsertListItem(GetDlgItem(IDC_FAVORITES_LIST), static_cast<int>(i), paths[i]);
    Select(paths.empty() ? -1 : 0);
    return TRUE;
}

std::string CFavoritesPage::ItemText(int item) const {
    char text[MAX_PATH] = {};
    ListView_GetItemText(GetDlgItem(IDC_FAVORITES_LIST), item, 0, text, sizeof(text));
    return text;
}

void CFavoritesPage::UpdateEnabling() {
    const int item = Selected();
    EnableListToolbar(GetDlgItem(IDC_FAVORITES_TOOLBAR_BAR), ListView_GetItemCount(GetDlgItem(IDC_FAVORITES_LIST)),
                      FavoriteStore::kMaxFavorites, item);
    Enable(IDC_FAVORITES_PATH, item >= 0);
    Enable(IDC_FAVORITES_BROWSE, item >= 0);
}

LRESULT CFavoritesPage::OnItemChanged(int, NMHDR* header, bool&) {
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
    if (!(change->uChanged & LVIF_STATE)) return 0;
    if ((change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED)) {
        m_showing = true;
        ::SetDlgItemTextA(m_hWnd, IDC_FAVORITES_PATH, ItemText(change->iItem).c_str());
        m_showing = false;
    } else if (Selected() < 0) {
        m_showing = true;
        ::SetDlgItemTextA(m_hWnd, IDC_FAVORITES_PATH, "");
        m_showing = false;
    }
    UpdateEnabling();
    return 0;
}

LRESULT CFavoritesPage::OnPathChanged(WORD, WORD, HWND, bool&) {
    if (m_showing) return 0;
    const int item = Selected();
    if (item >= 0) {
        const std::string text = ReadText(IDC_FAVORITES_PATH, MAX_PATH);
        ListView_SetItemText(GetDlgItem(IDC_FAVORITES_LIST), item, 0, const_cast<char*>(text.c_str()));
    }
    SetChanged();
    return 0;
}

LRESULT CFavoritesPage::OnNew(WORD, WORD, HWND, bool&) {
    HWND list = GetDlgItem(IDC_FAVORITES_LIST);
    const int count = ListView_GetItemCount(list);
    if (count >= FavoriteStore::kMaxFavorites) return 0;
    InsertListItem(list, count, kNewFavorite);
    // The new entry is the one the edit changes, not the one selected before.
    Select(count);
    HWND edit = GetDlgItem(IDC_FAVORITES_PATH);
    ::SetFocus(edit);
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    SetChanged();
    return 0;
}

// The list's rows are the page's model: the paths themselves.
void CFavoritesPage::RemoveRow(int item) { ListView_DeleteItem(List(), item); }

void CFavoritesPage::MoveRow(int from, int to) {
    const std::string text = ItemText(from);
    ListView_DeleteItem(List(), from);
    InsertListItem(List(), to, text);
}

LRESULT CFavoritesPage::OnBrowse(WORD, WORD, HWND, bool&) {
    std::string path;
    if (BrowseForFolder(m_hWnd, path)) ::SetDlgItemTextA(m_hWnd, IDC_FAVORITES_PATH, path.c_str());
    return 0;
}

void CFavoritesPage::Apply() {
    HWND list = GetDlgItem(IDC_FAVORITES_LIST);
    std::vector<std::string> paths;
    for (int i = 0; i < ListView_GetItemCount(list); ++i) paths.push_back(ItemText(i));
    FavoriteStore::Over(m_context.settings).Replace(paths);
}
