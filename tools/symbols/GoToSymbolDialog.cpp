#include "GoToSymbolDialog.h"

#include <cstdio>
#include <cstring>

#include "CenterOnOwner.h"
#include "Globals.h"
#include "ResourceText.h"

namespace {

// The distance from a control's bottom-right corner to the dialog's.
SIZE MarginOf(HWND dialog, HWND control) {
    RECT client{}, rect{};
    ::GetClientRect(dialog, &client);
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return SIZE{client.right - rect.right, client.bottom - rect.bottom};
}

}  // namespace

CGoToSymbolDialog::CGoToSymbolDialog(const CDocumentFrame* document, StatusReporter status, CtagsProgram program)
    : m_document(document), m_status(std::move(status)), m_program(std::move(program)) {}

int CGoToSymbolDialog::Prompt(HWND owner, const CDocumentFrame& document, StatusReporter status) {
    CGoToSymbolDialog dialog(&document, std::move(status));
    return dialog.DoModal(owner, IDD_GOTO_SYMBOL) == IDOK ? dialog.GetSelectedLine() : -1;
}

LRESULT CGoToSymbolDialog::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    CenterOnOwner(m_hWnd);
    m_list = ListViewControl(::GetDlgItem(m_hWnd, IDC_GOTO_SYMBOL_LIST));
    m_edit = ::GetDlgItem(m_hWnd, IDC_GOTO_SYMBOL_NAME);
    ::SendMessageA(m_list.Window(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                   LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    ::SetWindowSubclass(m_edit, EditProc, 1, reinterpret_cast<DWORD_PTR>(this));
    RECT rect{};
    ::GetClientRect(m_list.Window(), &rect);
    const int width = rect.right;
    m_list.AddColumn(0, LoadText(IDS_COLUMN_SYMBOL).c_str(), width * 4 / 10);
    m_list.AddColumn(1, LoadText(IDS_COLUMN_CLASS).c_str(), width * 4 / 10);
    m_list.AddColumn(2, LoadText(IDS_COLUMN_LINE).c_str(), width * 2 / 10 - 2);
    if (g_smallImages) m_list.SetSmallImages(g_smallImages);
    int order[3] = {1, 0, 2};
    ::SendMessageA(m_list.Window(), LVM_SETCOLUMNORDERARRAY, 3, reinterpret_cast<LPARAM>(order));
    m_listMargin = MarginOf(m_hWnd, m_list.Window());
    m_okMargin = MarginOf(m_hWnd, ::GetDlgItem(m_hWnd, IDOK));
    m_cancelMargin = MarginOf(m_hWnd, ::GetDlgItem(m_hWnd, IDCANCEL));
    if (m_filler) m_filler(*this);
    else if (m_document) FillSymbols(*m_document, *this, m_status, m_program);
    return TRUE;  // the focus goes to the name box
}

void CGoToSymbolDialog::AddTag(int, const TagRecord& record) {
    const int index = m_list.Append(record.name.c_str(), TagCategoryImage(record.category), record.line);
    if (index < 0) return;
    m_list.SetText(index, 1, record.scope.c_str());
    char line[16];
    std::snprintf(line, sizeof(line), "%d", record.line);
    m_list.SetText(index, 2, line);
}

LRESULT CGoToSymbolDialog::OnNameChange(WORD, WORD, HWND, bool&) {
    char typed[256] = {};
    ::GetWindowTextA(m_edit, typed, sizeof(typed));
    const size_t length = std::strlen(typed);
    if (!length) return 0;
    for (int i = 0, n = m_list.Count(); i < n; ++i) {
        const std::string name = m_list.Text(i, 0);
        if (name.size() >= length && ::_strnicmp(name.c_str(), typed, length) == 0) {
            m_list.Select(i);
            return 0;
        }
    }
    return 0;
}

LRESULT CALLBACK CGoToSymbolDialog::EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR data) {
    auto* self = reinterpret_cast<CGoToSymbolDialog*>(data);
    if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
        const int count = self->m_list.Count();
        if (count > 0) {
            const int current = self->m_list.Selected();
            int next = wParam == VK_DOWN ? current + 1 : current - 1;
            if (current < 0) next = 0;
            if (next >= count) next = count - 1;
            if (next < 0) next = 0;
            self->m_list.Select(next);
        }
        return 0;
    }
    if (message == WM_NCDESTROY) ::RemoveWindowSubclass(edit, EditProc, 1);
    return ::DefSubclassProc(edit, message, wParam, lParam);
}

void CGoToSymbolDialog::Choose() {
    const int selected = m_list.Selected();
    if (selected < 0) return;
    m_line = static_cast<int>(m_list.Data(selected));
    EndDialog(IDOK);
}

LRESULT CGoToSymbolDialog::OnDoubleClick(int, NMHDR*, bool&) {
    Choose();
    return 0;
}

LRESULT CGoToSymbolDialog::OnOk(WORD, WORD, HWND, bool&) {
    Choose();
    return 0;
}

LRESULT CGoToSymbolDialog::OnCancel(WORD, WORD, HWND, bool&) {
    EndDialog(IDCANCEL);
    return 0;
}

LRESULT CGoToSymbolDialog::OnSize(UINT, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = false;
    if (wParam == SIZE_MINIMIZED || !m_list.Window()) return 0;
    const int width = LOWORD(lParam), height = HIWORD(lParam);
    RECT rect{};
    ::GetWindowRect(m_list.Window(), &rect);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    ::SetWindowPos(m_list.Window(), nullptr, 0, 0, width - m_listMargin.cx - rect.left,
                   height - m_listMargin.cy - rect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (auto [id, margin] : {std::pair{IDOK, m_okMargin}, std::pair{IDCANCEL, m_cancelMargin}}) {
        HWND button = ::GetDlgItem(m_hWnd, id);
        ::GetWindowRect(button, &rect);
        ::SetWindowPos(button, nullptr, width - margin.cx - (rect.right - rect.left),
                       height - margin.cy - (rect.bottom - rect.top), 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ::GetClientRect(m_list.Window(), &rect);
    m_list.SetColumnWidth(0, rect.right - m_list.ColumnWidth(1) - m_list.ColumnWidth(2));
    return 0;
}
