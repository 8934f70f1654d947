#include "SearchHistory.h"

#include <cstring>
#include <string>

#include "AppSettings.h"
#include "EditorView.h"
#include "FindReplace.h"
#include "SearchHost.h"

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

void ReadComboText(HWND combo, char* buffer, size_t size) {
    const int length = ::GetWindowTextLengthA(combo);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ::GetWindowTextA(combo, text.data(), length + 1);
    text.resize(strlen(text.c_str()));
    size_t fit = 0;
    while (fit < text.size()) {
        const char* next = ::CharNextA(text.c_str() + fit);
        const size_t step = static_cast<size_t>(next - (text.c_str() + fit));
        if (step == 0 || fit + step >= size) break;
        fit += step;
    }
    memcpy(buffer, text.data(), fit);
    buffer[fit] = '\0';
}

void TakeFindTextFromEditor(ISearchHost& host, SearchOptions& options) {
    CViewSearch* search = host.ActiveSearch();
    if (!search) return;
    char word[sizeof(options.FindText)];
    if (search->View().GetSelectedOrWordText(word, sizeof(word)))
        search->ToAnsi(word, options.FindText, sizeof(options.FindText));
}
