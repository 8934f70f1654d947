#include "ListPageControls.h"

#include <shlobj.h>

#include "resource.h"

namespace {

constexpr COLORREF kListBack = RGB(0xF5, 0xF5, 0xF5);
constexpr COLORREF kMaskColour = RGB(192, 192, 192);
constexpr int kImageSize = 14;
constexpr int kButtonSize = 16;

}  // namespace

HIMAGELIST CreateListToolbar(HWND page, int placeholderId, int barId) {
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(page, placeholderId), &rect);
    ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
    HWND bar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                                 WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER |
                                     CCS_NORESIZE | CCS_NOPARENTALIGN,
                                 rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, page,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(barId)), ::GetModuleHandleA(nullptr),
                                 nullptr);
    ::SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    HIMAGELIST images = ImageList_LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_LIST_TOOLBAR),
                                             kImageSize, 0, kMaskColour, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    ::SendMessageA(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    ::SendMessageA(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(kImageSize, kImageSize));
    ::SendMessageA(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(kButtonSize, kButtonSize));
    const int commands[] = {ID_LIST_NEW, ID_LIST_DELETE, ID_LIST_UP, ID_LIST_DOWN};
    TBBUTTON buttons[4] = {};
    for (int i = 0; i < 4; ++i) {
        buttons[i].iBitmap = i;
        buttons[i].idCommand = commands[i];
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_BUTTON;
        buttons[i].iString = -1;  // tooltips: the commands' string resources
    }
    ::SendMessageA(bar, TB_ADDBUTTONSA, 4, reinterpret_cast<LPARAM>(buttons));
    return images;
}

void SetUpListView(HWND list) {
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    ListView_SetBkColor(list, kListBack);
    ListView_SetTextBkColor(list, kListBack);
    RECT client{};
    ::GetClientRect(list, &client);
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - ::GetSystemMetrics(SM_CXVSCROLL);
    ::SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
}

void EnableListToolbar(HWND bar, int count, int limit, int selected) {
    ::SendMessageA(bar, TB_ENABLEBUTTON, ID_LIST_NEW, count < limit);
    ::SendMessageA(bar, TB_ENABLEBUTTON, ID_LIST_DELETE, selected >= 0);
    ::SendMessageA(bar, TB_ENABLEBUTTON, ID_LIST_UP, count >= 2 && selected > 0);
    ::SendMessageA(bar, TB_ENABLEBUTTON, ID_LIST_DOWN, selected >= 0 && count > 1 && selected < count - 1);
}

int SelectedListItem(HWND list) { return ListView_GetNextItem(list, -1, LVNI_SELECTED); }

void SelectListItem(HWND list, int item) {
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (item < 0) return;
    ListView_SetItemState(list, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, item, FALSE);
}

void InsertListItem(HWND list, int item, const std::string& text) {
    LVITEMA insert{};
    insert.mask = LVIF_TEXT;
    insert.iItem = item;
    insert.pszText = const_cast<char*>(text.c_str());
    ::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
}

bool BrowseForFolder(HWND owner, std::string& path) {
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST chosen = ::SHBrowseForFolderA(&browse);
    if (!chosen) return false;
    char text[MAX_PATH] = {};
    const bool found = ::SHGetPathFromIDListA(chosen, text) != FALSE;
    ::CoTaskMemFree(chosen);
    if (found) path = text;
    return found;
}
