#include "TemplatePane.h"

#include <cstdio>

#include "AppSettings.h"
#include "EditorView.h"
#include "GdiHandles.h"
#include "ResourceText.h"
#include "TemplateDatabase.h"
#include "TemplateEditDialog.h"
#include "TemplateSql.h"
#include "TemplateText.h"
#include "UiSeams.h"
#include "UniqueHandle.h"

namespace {

HINSTANCE Program() { return ::GetModuleHandleA(nullptr); }

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

int FontHeight(HFONT font) {
    const CClientDc dc(nullptr);
    const CSelectObject selected(dc, font);
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc, &metrics);
    return metrics.tmHeight;
}

}  // namespace

// ---- the name list ---------------------------------------------------------------

LRESULT CTemplateNameList::OnRightButtonDown(UINT, WPARAM, LPARAM lParam, bool&) {
    // The nearest item, also below the last one.
    const LRESULT hit = ::SendMessageA(m_hWnd, LB_ITEMFROMPOINT, 0, lParam);
    if (::SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0) > 0) ::SendMessageA(m_hWnd, LB_SETCURSEL, LOWORD(hit), 0);
    const CContextMenu menu(::LoadMenuA(Program(), MAKEINTRESOURCEA(IDR_MENU_TEMPLATES)));
    const HMENU popup = menu.Popup();
    if (!popup || !m_pane) return 0;
    const UINT add = m_pane->CanAdd() ? MF_ENABLED : MF_GRAYED;
    const UINT change = m_pane->CanEditOrDelete() ? MF_ENABLED : MF_GRAYED;
    ::EnableMenuItem(popup, ID_TEMPLATE_ADD, MF_BYCOMMAND | add);
    ::EnableMenuItem(popup, ID_TEMPLATE_EDIT, MF_BYCOMMAND | change);
    ::EnableMenuItem(popup, ID_TEMPLATE_DELETE, MF_BYCOMMAND | change);
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ::ClientToScreen(m_hWnd, &at);
    // The commands go to the pane.
    ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, m_pane->m_hWnd, nullptr);
    return 0;
}

// ---- the pane --------------------------------------------------------------------

CTemplatePane::CTemplatePane(ITemplateHost& host, CAppSettings& settings, std::string databasePath)
    : m_host(host), m_settings(settings), m_path(std::move(databasePath)) {}

CTemplatePane::~CTemplatePane() {
    if (m_icon) ::DestroyIcon(m_icon);
}

LRESULT CTemplatePane::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
    m_icon = static_cast<HICON>(::LoadImageA(Program(), MAKEINTRESOURCEA(IDI_TEMPLATE_PANE), IMAGE_ICON,
                                             ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0));
    if (m_icon) ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    const HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    // The dropped list shows about twelve lines.
    m_droppedHeight = 8 * (12 * FontHeight(font) / 8);
    RECT client{};
    GetClientRect(&client);
    m_combo = ::CreateWindowExA(0, "COMBOBOX", nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0,
                                client.right, m_droppedHeight, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kComboId)),
                                Program(), nullptr);
    const HWND list = ::CreateWindowExA(
        WS_EX_CLIENTEDGE, "LISTBOX", nullptr,
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT,
        0, 0, client.right, client.bottom, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), Program(),
        nullptr);
    m_list.SetPane(this);
    if (!m_combo || !list || !m_list.SubclassWindow(list)) return -1;
    ::SendMessageA(m_combo, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ::SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    RECT combo{};
    ::GetWindowRect(m_combo, &combo);
    m_comboHeight = combo.bottom - combo.top;
    FillTables();
    handled = false;
    return 0;
}

LRESULT CTemplatePane::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
    if (m_combo) m_settings.WriteString(ini::kUser, ini::kUserTemplate, WindowText(m_combo).c_str());
    m_combo = nullptr;
    handled = false;
    return 0;
}

LRESULT CTemplatePane::OnSize(UINT, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = false;
    if (wParam == SIZE_MINIMIZED || !m_combo) return 0;
    const int width = LOWORD(lParam), height = HIWORD(lParam);
    // A combo's window height is that of its dropped list.
    ::SetWindowPos(m_combo, nullptr, 0, 0, width, m_droppedHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    const int below = height > m_comboHeight ? height - m_comboHeight : 0;
    ::SetWindowPos(List(), nullptr, 0, m_comboHeight, width, below, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT CTemplatePane::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, bool&) {
    reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{0, 0};
    return 0;
}

LRESULT CTemplatePane::OnCategoryChange(WORD, WORD, HWND, bool&) {
    FillNames(CurrentTable());
    return 0;
}

LRESULT CTemplatePane::OnCtlColorListBox(UINT, WPARAM wParam, LPARAM, bool& handled) {
    if (!m_settings.templateBrush) {
        handled = false;
        return 0;
    }
    const HDC dc = reinterpret_cast<HDC>(wParam);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, m_settings.TemplateFore);
    return reinterpret_cast<LRESULT>(m_settings.templateBrush);
}

std::string CTemplatePane::CurrentTable() const {
    if (!m_combo || ::SendMessageA(m_combo, CB_GETCURSEL, 0, 0) == CB_ERR) return {};
    return WindowText(m_combo);
}

int CTemplatePane::SelectedIndex() const {
    return List() ? static_cast<int>(::SendMessageA(List(), LB_GETCURSEL, 0, 0)) : LB_ERR;
}

std::string CTemplatePane::NameAt(int index) const {
    if (index < 0 || !List()) return {};
    const LRESULT length = ::SendMessageA(List(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(List(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

void CTemplatePane::SetNames(const std::vector<std::string>& names) {
    ::SendMessageA(List(), LB_RESETCONTENT, 0, 0);
    for (const std::string& name : names)
        ::SendMessageA(List(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

void CTemplatePane::FillTables() {
    if (!m_combo) return;
    ::SendMessageA(m_combo, CB_RESETCONTENT, 0, 0);
    ::SendMessageA(List(), LB_RESETCONTENT, 0, 0);
    const std::string remembered = m_settings.ReadString(ini::kUser, ini::kUserTemplate, "");
    CTemplateDatabase database(m_path);
    std::vector<std::string> tables;
    if (!database.ReadTables(tables)) {
        ReportUnreadable();
        return;
    }
    for (const std::string& table : tables)
        ::SendMessageA(m_combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(table.c_str()));
    const int chosen = ChooseCategory(tables, remembered);
    if (chosen < 0) return;
    ::SendMessageA(m_combo, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
    SetNames(database.ReadNames(tables[static_cast<size_t>(chosen)]));
}

void CTemplatePane::ReportUnreadable() const {
    // No database at all leaves the pane empty in silence; one that is there
    // but cannot be read is told, with the system's reason.
    if (::GetFileAttributesA(m_path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    const UniqueHandle file(::CreateFileA(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
    const DWORD error = file ? ERROR_FILE_CORRUPT : ::GetLastError();
    ShowMessage(m_hWnd, FormatText(IDS_OPEN_FILE_FAILED, {m_path, SystemErrorText(error)}), MB_ICONERROR);
}

void CTemplatePane::FillNames(const std::string& table) {
    CTemplateDatabase database(m_path);
    SetNames(database.ReadNames(table));
}

LRESULT CTemplatePane::OnEditOrAdd(WORD, WORD id, HWND, bool&) {
    const std::string table = CurrentTable();
    const std::string name = NameAt(SelectedIndex());
    if (table.empty() || (id == ID_TEMPLATE_EDIT && name.empty())) return 0;
    CTemplateEditDialog dialog(id, m_path, table, name);
    const HWND active = ::GetActiveWindow();
    if (dialog.DoModal(active ? active : m_hWnd, IDD_TEMPLATE_EDIT) == IDOK) FillNames(table);
    return 0;
}

LRESULT CTemplatePane::OnDelete(WORD, WORD, HWND, bool&) {
    const std::string table = CurrentTable();
    const std::string name = NameAt(SelectedIndex());
    if (table.empty() || name.empty()) return 0;
    if (ShowMessage(m_hWnd, FormatText(IDS_TEMPLATE_DELETE_ASK, {name}), MB_ICONQUESTION | MB_YESNO) != IDYES)
        return 0;
    ExecuteTemplateSql(m_path, template_sql::DeleteTemplate(table, name));
    FillNames(table);
    return 0;
}
