#include "ListRowsPage.h"

#include <commctrl.h>

#include "ListPageControls.h"

int CListRowsPage::Selected() const { return SelectedListItem(List()); }

void CListRowsPage::Select(int item) {
    SelectListItem(List(), item);
    UpdateEnabling();
}

LRESULT CListRowsPage::OnDelete(WORD, WORD, HWND, bool&) {
    const int item = Selected();
    if (item < 0) return 0;
    RemoveRow(item);
    Select(ListView_GetItemCount(List()) > 0 ? 0 : -1);
    ::SetFocus(List());
    SetChanged();
    return 0;
}

LRESULT CListRowsPage::OnMove(WORD, WORD id, HWND, bool&) {
    const int item = Selected();
    const int to = id == ID_LIST_UP ? item - 1 : item + 1;
    if (item < 0 || to < 0 || to >= ListView_GetItemCount(List())) return 0;
    MoveRow(item, to);
    Select(to);
    ::SetFocus(List());
    SetChanged();
    return 0;
}
