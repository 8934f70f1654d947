#include "SaveModifiedDialog.h"

#include <string>

#include "CheckBoxImages.h"
#include "LastModifiedText.h"
#include "resource.h"
#include "ResourceText.h"

namespace {

void CentreOver(HWND dialog, HWND parent) {
    RECT outer, inner;
    if (parent && ::IsWindowVisible(parent) && !::IsIconic(parent))
        ::GetWindowRect(parent, &outer);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &outer, 0);
    ::GetWindowRect(dialog, &inner);
    int cx = inner.right - inner.left, cy = inner.bottom - inner.top;
    ::SetWindowPos(dialog, nullptr, outer.left + (outer.right - outer.left - cx) / 2,
                   outer.top + (outer.bottom - outer.top - cy) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CSaveModifiedDialog::CSaveModifiedDialog(CModifiedDocumentList* documents, SaveModifiedCancel cancel)
    : m_documents(documents), m_cancel(cancel) {
    if (m_documents) m_documents->AddRef();
}

CSaveModifiedDialog::~CSaveModifiedDialog() {
    if (m_documents) m_documents->Release();
}

INT_PTR CSaveModifiedDialog::Run(HWND parent) {
    if (!parent) parent = ::GetActiveWindow();
    CDialogTemplateBuilder builder(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN | DS_MODALFRAME,
                                   WS_EX_CONTROLPARENT, 0, 0, 300, 150, LoadWideText(IDS_SAVEDLG_CAPTION).c_str(),
                                   L"MS Shell Dlg", 8);
    builder.AddItem(WS_VISIBLE, 0, 7, 7, 180, 8, 0xFFFF, 0x0082, LoadWideText(IDS_SAVEDLG_PROMPT).c_str());
    builder.AddItem(WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_ALIGNLEFT | LVS_NOSORTHEADER |
                        LVS_SHAREIMAGELISTS,
                    0, 7, 20, 286, 102, kListId, 0, L"", WC_LISTVIEWW);
    short yesX = CancelShown() ? 133 : 188, noX = CancelShown() ? 188 : 243;
    DWORD cancelVisible = CancelShown() ? WS_VISIBLE : 0;
    builder.AddItem(WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, yesX, 129, 50, 14, IDYES, 0x0080,
                    LoadWideText(IDS_SAVEDLG_YES).c_str());
    builder.AddItem(WS_VISIBLE | WS_TABSTOP, 0, noX, 129, 50, 14, IDNO, 0x0080, LoadWideText(IDS_SAVEDLG_NO).c_str());
    builder.AddItem(cancelVisible | WS_TABSTOP, 0, 243, 129, 50, 14, IDCANCEL, 0x0080,
                    LoadWideText(IDS_SAVEDLG_CANCEL).c_str());
    return DoModalIndirect(parent, builder.Get());
}

LRESULT CSaveModifiedDialog::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    CentreOver(m_hWnd, ::GetWindow(m_hWnd, GW_OWNER));
    HWND list = GetDlgItem(kListId);
    m_list.SubclassWindow(list);
    ::SendMessageA(list, CCM_SETVERSION, 5, 0);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    m_stateImages.reset(CreateCheckBoxImages(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON)));
    ListView_SetImageList(list, m_stateImages.get(), LVSIL_STATE);

    const UINT headings[] = {IDS_SAVEDLG_FILE, IDS_SAVEDLG_PATH, IDS_SAVEDLG_MODIFIED};
    for (int i = 0; i < 3; ++i) {
        std::wstring heading = LoadWideText(headings[i]);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        column.fmt = LVCFMT_LEFT;
        column.cx = 50;
        column.pszText = heading.data();
        ::SendMessageW(list, LVM_INSERTCOLUMNW, i, (LPARAM)&column);
    }
    FillList();
    SizeColumns();

    RECT rc;
    GetClientRect(&rc);
    int grip = ::GetSystemMetrics(SM_CXVSCROLL);
    ::CreateWindowExA(0, "SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN,
                      rc.right - grip, rc.bottom - grip, grip, grip, m_hWnd, (HMENU)(INT_PTR)kGripId, nullptr,
                      nullptr);

    if (m_cancel == SaveModifiedCancel::Refused) {
        ::DeleteMenu(::GetSystemMenu(m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND);
        ::EnableWindow(GetDlgItem(IDCANCEL), FALSE);
    }
    return TRUE;
}

void CSaveModifiedDialog::FillList() {
    HWND list = m_list.m_hWnd;
    long count = m_documents ? m_documents->Count() : 0;
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    for (long i = 0; i < count; ++i) {
        CModifiedDocument* item = nullptr;
        if (FAILED(m_documents->ItemAt(i, &item))) continue;
        // The row keeps the reference; it is released when the row is deleted.
        std::string name = item->DisplayName().empty() ? "(New)" : item->DisplayName();
        LVITEMA row{};
        row.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
        row.iItem = (int)i;
        row.pszText = name.data();
        row.lParam = (LPARAM)item;
        row.state = INDEXTOSTATEIMAGEMASK(kCheckTicked);
        row.stateMask = LVIS_STATEIMAGEMASK;
        int index = (int)::SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&row);
        if (index < 0) {
            item->Release();
            continue;
        }
        if (!item->FullPath().empty()) {
            m_hasPath = true;
            std::string path = item->FullPath();
            ListView_SetItemText(list, index, 1, path.data());
        }
        std::string time = LastModifiedText(item->LastModified(), now);
        if (!time.empty()) {
            m_hasTime = true;
            ListView_SetItemText(list, index, 2, time.data());
        }
    }
}

void CSaveModifiedDialog::SizeColumns() {
    RECT rc;
    m_list.GetClientRect(&rc);
    ColumnWidths widths = ComputeColumnWidths(rc.right - rc.left, m_hasPath, m_hasTime);
    ListView_SetColumnWidth(m_list.m_hWnd, 0, widths.name);
    ListView_SetColumnWidth(m_list.m_hWnd, 1, widths.path);
    ListView_SetColumnWidth(m_list.m_hWnd, 2, widths.time);
}

LRESULT CSaveModifiedDialog::OnSize(UINT, WPARAM, LPARAM lParam, bool&) {
    // The list grows with the dialog; the buttons and the grip keep to the bottom right.
    if (!m_list.m_hWnd) return 0;
    int width = LOWORD(lParam), height = HIWORD(lParam);
    RECT units{7, 7, 50, 14};
    ::MapDialogRect(m_hWnd, &units);
    int margin = units.left, buttonWidth = units.right, buttonHeight = units.bottom;
    RECT listRect;
    m_list.GetWindowRect(&listRect);
    ::MapWindowPoints(nullptr, m_hWnd, (POINT*)&listRect, 2);
    int buttonsTop = height - margin - buttonHeight;
    m_list.SetWindowPos(nullptr, 0, 0, width - margin - listRect.left, buttonsTop - margin - listRect.top,
                        SWP_NOMOVE | SWP_NOZORDER);
    int gap = buttonWidth / 10;
    const int order[] = {IDCANCEL, IDNO, IDYES};
    int x = width - margin;
    for (int id : order) {
        HWND button = GetDlgItem(id);
        if (id == IDCANCEL && !CancelShown()) continue;
        x -= buttonWidth;
        ::SetWindowPos(button, nullptr, x, buttonsTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        x -= gap;
    }
    if (HWND grip = GetDlgItem(kGripId)) {
        int size = ::GetSystemMetrics(SM_CXVSCROLL);
        ::SetWindowPos(grip, nullptr, width - size, height - size, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    SizeColumns();
    return 0;
}

LRESULT CSaveModifiedDialog::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
    // Rows release their items as the list goes; the shared image list is ours.
    if (m_list.m_hWnd) ListView_DeleteAllItems(m_list.m_hWnd);
    m_stateImages.reset();
    handled = false;
    return 0;
}

bool CSaveModifiedDialog::IsTicked(int row) const {
    UINT state = ListView_GetItemState(m_list.m_hWnd, row, LVIS_STATEIMAGEMASK);
    return (state >> 12) == kCheckTicked;
}

void CSaveModifiedDialog::SetTicked(int row, bool ticked) {
    ListView_SetItemState(m_list.m_hWnd, row, INDEXTOSTATEIMAGEMASK(ticked ? kCheckTicked : kCheckUnticked),
                          LVIS_STATEIMAGEMASK);
}

void CSaveModifiedDialog::Toggle(int row) {
    if (row < 0) return;
    bool ticked = !IsTicked(row);
    HWND list = m_list.m_hWnd;
    if (ListView_GetItemState(list, row, LVIS_SELECTED) & LVIS_SELECTED) {
        for (int i = ListView_GetNextItem(list, -1, LVNI_SELECTED); i >= 0;
             i = ListView_GetNextItem(list, i, LVNI_SELECTED))
            SetTicked(i, ticked);
    } else {
        SetTicked(row, ticked);
    }
}

LRESULT CSaveModifiedDialog::CCheckList::OnKeyDown(UINT, WPARAM wParam, LPARAM, bool& handled) {
    bool control = ::GetKeyState(VK_CONTROL) < 0;
    if (wParam == VK_SPACE && !control) {
        m_owner.Toggle(ListView_GetNextItem(m_hWnd, -1, LVNI_FOCUSED));
        return 0;
    }
    if (wParam == 'Y' || wParam == 'N') {
        m_owner.PostMessage(WM_COMMAND, wParam == 'Y' ? IDYES : IDNO, 0);
        return 0;
    }
    handled = false;
    return 0;
}

LRESULT CSaveModifiedDialog::CCheckList::OnChar(UINT, WPARAM wParam, LPARAM, bool& handled) {
    // Keys already acted on in WM_KEYDOWN must not start an incremental search.
    if (wParam == ' ' || wParam == 'y' || wParam == 'Y' || wParam == 'n' || wParam == 'N') return 0;
    handled = false;
    return 0;
}

LRESULT CSaveModifiedDialog::OnListClick(int, NMHDR*, bool&) {
    if (::GetKeyState(VK_CONTROL) < 0) return 0;
    LVHITTESTINFO hit{};
    DWORD pos = ::GetMessagePos();
    hit.pt = {(short)LOWORD(pos), (short)HIWORD(pos)};
    ::ScreenToClient(m_list.m_hWnd, &hit.pt);
    if (ListView_HitTest(m_list.m_hWnd, &hit) >= 0 && (hit.flags & LVHT_ONITEMSTATEICON)) Toggle(hit.iItem);
    return 0;
}

LRESULT CSaveModifiedDialog::OnDeleteItem(int, NMHDR* header, bool&) {
    auto* view = reinterpret_cast<NMLISTVIEW*>(header);
    if (auto* item = reinterpret_cast<CModifiedDocument*>(view->lParam)) item->Release();
    return 0;
}

LRESULT CSaveModifiedDialog::OnYes(WORD, WORD, HWND, bool&) {
    HWND list = m_list.m_hWnd;
    int rows = ListView_GetItemCount(list);
    for (int row = 0; row < rows; ++row) {
        if (IsTicked(row)) continue;
        LVITEMA item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        ListView_GetItem(list, &item);
        auto* document = reinterpret_cast<CModifiedDocument*>(item.lParam);
        if (!document) continue;
        if (CModifiedDocumentList* owner = document->Owner()) owner->RemoveAt(owner->IndexOf(document));
    }
    EndDialog(IDYES);
    return 0;
}

LRESULT CSaveModifiedDialog::OnNo(WORD, WORD, HWND, bool&) {
    EndDialog(IDNO);
    return 0;
}

LRESULT CSaveModifiedDialog::OnCancel(WORD, WORD, HWND, bool&) {
    // Escape, the close box and Alt+F4 arrive here too: without Cancel they do nothing.
    if (CancelOffered()) EndDialog(IDCANCEL);
    return 0;
}
