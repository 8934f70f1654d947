#include "SearchHistory.h"

#include <cstring>

CMruStore FillComboFromMru(const char* subKey, HWND combo) {
    CMruStore store;
    store.Open(subKey, 26);
    for (const std::string& entry : store.Entries())
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    return store;
}

int GetRegexToken(UINT id, std::string& text) {
    static const struct {
        const char* token;
        int offset;
    } tokens[] = {
        {"*", 0}, {"+", 0}, {".", 0}, {"^", 0}, {"[]", 1}, {"[^]", 2},
        {"$", 0}, {"\\{\\}", 2}, {"~", 0}, {"\\!", 0}, {"\\(\\)", 2},
    };
    text.clear();
    if (id < 60 || id > 70) return 0;
    text = tokens[id - 60].token;
    return tokens[id - 60].offset;
}

int InsertComboText(HWND combo, const char* text, int offset) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (!::SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)) || !info.hwndItem) return -1;
    const HWND edit = info.hwndItem;
    DWORD start = 0, end = 0;
    ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    ::SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    ::SetFocus(edit);
    const int caret = static_cast<int>(start) + (offset ? offset : static_cast<int>(strlen(text)));
    ::SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(caret), caret);
    ::SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    return caret;
}
