#pragma once
// What the options dialog tests share: a host that records the pages'
// calls, reading and driving the dialog's page list, and finding a page
// and a tree item.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "OptionsPage.h"
#include "resource.h"

class RecordingOptionsHost : public IOptionsHost {
public:
    void SetRecentFileCount(int count) override { recentCounts.push_back(count); }
    void RestyleDocuments() override { ++restyles; }
    bool CanCheckForUpdate() const override { return updateCheckOffered; }
    void CheckForUpdate(bool force, bool silent) override { updateChecks.push_back({force, silent}); }

    std::vector<int> recentCounts;
    int restyles = 0;
    bool updateCheckOffered = false;
    std::vector<std::pair<bool, bool>> updateChecks;
};

// A text in the ANSI code page (936 under the test harness).
inline std::string Ansi(const wchar_t* text) {
    char buffer[256] = {};
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof(buffer), nullptr, nullptr);
    return buffer;
}

inline int ListSelection(HWND dialog) {
    return (int)::SendDlgItemMessageA(dialog, IDC_OPTIONS_LIST, LB_GETCURSEL, 0, 0);
}

inline std::string ListText(HWND dialog, int item) {
    char text[128] = {};
    ::SendDlgItemMessageA(dialog, IDC_OPTIONS_LIST, LB_GETTEXT, item, (LPARAM)text);
    return text;
}

// Selects a list item as a click does: the list tells the dialog.
inline void SelectPage(HWND dialog, int item) {
    HWND list = ::GetDlgItem(dialog, IDC_OPTIONS_LIST);
    ::SendMessageA(list, LB_SETCURSEL, item, 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_LIST, LBN_SELCHANGE), (LPARAM)list);
}

// The page shown in the dialog.
inline HWND ShownPage(HWND dialog) {
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char name[16] = {};
        ::GetClassNameA(child, name, sizeof(name));
        if (std::string(name) == "#32770" && ::IsWindowVisible(child)) return child;
    }
    return nullptr;
}

// The shown page that holds control id; null when the shown one does not.
inline HWND ShownPageWith(HWND dialog, int id) {
    HWND page = ShownPage(dialog);
    return page && ::GetDlgItem(page, id) ? page : nullptr;
}

// The first item with text, depth first from item and its siblings.
inline HTREEITEM FindTreeItem(HWND tree, HTREEITEM item, const std::string& text) {
    for (; item; item = TreeView_GetNextSibling(tree, item)) {
        char buffer[128] = {};
        TVITEMA info{};
        info.mask = TVIF_TEXT;
        info.hItem = item;
        info.pszText = buffer;
        info.cchTextMax = sizeof(buffer);
        ::SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
        if (text == buffer) return item;
        if (HTREEITEM found = FindTreeItem(tree, TreeView_GetChild(tree, item), text)) return found;
    }
    return nullptr;
}
