#include "KeyboardPage.h"

#include "AppSettings.h"
#include "IniKeys.h"
#include "ResourceText.h"
#include "ToolEntry.h"
#include "UiSeams.h"

namespace {

// The controls that only mean something for a command with a key record.
const int kRecordControls[] = {IDC_KEYS_LIST,    IDC_KEYS_LIST_LABEL, IDC_KEYS_HOTKEY,
                               IDC_KEYS_HOTKEY_LABEL, IDC_KEYS_ADD,   IDC_KEYS_REMOVE};

std::string KeyText(const KeyStroke& key) { return FormatAcceleratorText(key.key, HotKeyModifiersFromAccel(key.flags)); }

}  // namespace

LRESULT CKeyboardPage::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    m_table = m_context.host.AcceleratorEntries();
    m_tree = BuildKeyTree(m_context.host.MainMenu(), m_table);
    InsertItems(m_tree.roots, TVI_ROOT, true);
    HWND tree = ::GetDlgItem(m_hWnd, IDC_KEYS_TREE);
    HTREEITEM first = TreeView_GetRoot(tree);
    if (first) {
        TreeView_SelectItem(tree, first);
    } else {
        ShowRecord(-1);
    }
    return TRUE;
}

void CKeyboardPage::InsertItems(const std::vector<KeyTreeItem>& items, HTREEITEM parent, bool expand) {
    HWND tree = ::GetDlgItem(m_hWnd, IDC_KEYS_TREE);
    for (const KeyTreeItem& item : items) {
        TVINSERTSTRUCTA insert{};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = const_cast<char*>(item.text.c_str());
        insert.item.lParam = item.record;
        HTREEITEM inserted = reinterpret_cast<HTREEITEM>(
            ::SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
        if (!inserted) continue;
        InsertItems(item.children, inserted, false);
        if (expand) TreeView_Expand(tree, inserted, TVE_EXPAND);
    }
}

int CKeyboardPage::SelectedRecord() const {
    HWND tree = ::GetDlgItem(m_hWnd, IDC_KEYS_TREE);
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = TreeView_GetSelection(tree);
    if (!item.hItem || !::SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return -1;
    const int record = static_cast<int>(item.lParam);
    return record >= 0 && static_cast<size_t>(record) < m_tree.records.size() ? record : -1;
}

LRESULT CKeyboardPage::OnSelChanged(int, NMHDR*, bool&) {
    ShowRecord(SelectedRecord());
    return 0;
}

void CKeyboardPage::ShowRecord(int record) {
    ::SendDlgItemMessageA(m_hWnd, IDC_KEYS_LIST, LB_RESETCONTENT, 0, 0);
    ::SendDlgItemMessageA(m_hWnd, IDC_KEYS_HOTKEY, HKM_SETHOTKEY, 0, 0);
    for (int id : kRecordControls) Enable(id, record >= 0);
    if (record < 0) return;
    for (const KeyStroke& key : m_tree.records[static_cast<size_t>(record)].keys)
        ::SendDlgItemMessageA(m_hWnd, IDC_KEYS_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(KeyText(key).c_str()));
    ::SetFocus(::GetDlgItem(m_hWnd, IDC_KEYS_HOTKEY));
}

LRESULT CKeyboardPage::OnAdd(WORD, WORD, HWND, bool&) {
    HWND hotkey = ::GetDlgItem(m_hWnd, IDC_KEYS_HOTKEY);
    const WORD value = static_cast<WORD>(::SendMessageA(hotkey, HKM_GETHOTKEY, 0, 0));
    KeyStroke key;
    key.key = LOBYTE(value);
    // The extended-key bit says nothing an accelerator can hold.
    key.flags = AccelFlagsFromHotKey(HIBYTE(value) & (HOTKEYF_SHIFT | HOTKEYF_CONTROL | HOTKEYF_ALT));
    if (!key.key) return 0;
    const LRESULT shown = ::SendDlgItemMessageA(m_hWnd, IDC_KEYS_LIST, LB_GETCOUNT, 0, 0);
    if (shown >= static_cast<LRESULT>(kMaxShortcutsPerCommand)) {
        ShowMessage(m_hWnd, FormatText(IDS_KEYS_TOO_MANY, {std::to_string(kMaxShortcutsPerCommand)}), MB_OK | MB_ICONERROR);
        return 0;
    }
    const int record = SelectedRecord();
    if (record < 0) return 0;
    const int owner = FindKeyOwner(m_tree, key);
    if (owner >= 0) {
        ShowMessage(m_hWnd, FormatText(IDS_KEYS_IN_USE, {m_tree.records[static_cast<size_t>(owner)].label}), MB_OK | MB_ICONWARNING);
        ::SendMessageA(hotkey, HKM_SETHOTKEY, 0, 0);
        ::SetFocus(hotkey);
        return 0;
    }
    m_tree.records[static_cast<size_t>(record)].keys.push_back(key);
    SetChanged();
    ::SendDlgItemMessageA(m_hWnd, IDC_KEYS_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(KeyText(key).c_str()));
    return 0;
}

LRESULT CKeyboardPage::OnRemove(WORD, WORD, HWND, bool&) {
    const LRESULT line = ::SendDlgItemMessageA(m_hWnd, IDC_KEYS_LIST, LB_GETCURSEL, 0, 0);
    const int record = SelectedRecord();
    if (line < 0 || record < 0) return 0;
    std::vector<KeyStroke>& keys = m_tree.records[static_cast<size_t>(record)].keys;
    const LRESULT shown = ::SendDlgItemMessageA(m_hWnd, IDC_KEYS_LIST, LB_GETCOUNT, 0, 0);
    if (static_cast<LRESULT>(keys.size()) != shown || line >= shown) return 0;
    keys.erase(keys.begin() + line);
    ::SendDlgItemMessageA(m_hWnd, IDC_KEYS_LIST, LB_DELETESTRING, static_cast<WPARAM>(line), 0);
    SetChanged();
    return 0;
}

void CKeyboardPage::Apply() {
    // A tool's keys go into its own entry, found by the name it had when
    // the page opened; an entry that is gone or does not parse is left.
    for (const KeyRecord& record : m_tree.records) {
        if (record.toolName.empty()) continue;
        ToolEntry entry;
        std::string value = m_context.settings.ReadString(ini::kTool, record.toolName.c_str(), "");
        if (value.empty() || !ParseToolEntry(entry, value, true)) continue;
        entry.name = record.toolName;
        entry.keys = FormatToolShortcuts(record.keys);
        if (FormatToolValue(entry, value)) m_context.settings.WriteString(ini::kTool, record.toolName.c_str(), value.c_str());
    }
    const std::string path = m_context.host.KeymapPath();
    if (path.empty()) return;
    if (!WriteKeymapFile(path, KeymapCommands(m_tree, m_table))) {
        ShowMessage(m_hWnd, FormatText(IDS_KEYS_SAVE_FAILED, {path}), MB_OK | MB_ICONERROR);
        return;
    }
    m_context.host.ReloadKeymap();
}
