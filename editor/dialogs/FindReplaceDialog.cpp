#include "FindReplaceDialog.h"

#include <cstring>
#include <string>

#include "CenterOnOwner.h"
#include "EditorView.h"
#include "ResourceText.h"
#include "SearchHistory.h"
#include "UiSeams.h"

CFindReplaceDialog::CFindReplaceDialog(Kind kind, ISearchHost& host, CSearchButtonsGate& gate,
                                       SearchOptions& options)
    : CSearchDialog(host, gate), m_kind(kind), m_options(options) {}

HWND CFindReplaceDialog::Open(Kind kind, HWND owner, ISearchHost& host, CSearchButtonsGate& gate,
                              SearchOptions& options) {
    auto* dialog = new CFindReplaceDialog(kind, host, gate, options);
    // The selection, or the word at the caret, is what to find.
    TakeFindTextFromEditor(host, options);
    return Show(dialog, owner, kind == kFind ? IDD_FIND : IDD_REPLACE);
}

LRESULT CFindReplaceDialog::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    AttachToMessageLoop();
    CenterOnOwner(m_hWnd);
    const uint32_t mask = m_options.SearchMask;
    m_findHistory = FillComboFromMru(kFindHistoryKey, GetDlgItem(IDC_SEARCH_FIND_TEXT));
    if (m_kind == kReplace) {
        m_replaceHistory = FillComboFromMru(kReplaceHistoryKey, GetDlgItem(IDC_SEARCH_REPLACE_TEXT));
        const uint32_t scope = ScopeOf(mask) <= kScopeAllDocuments ? ScopeOf(mask) : kScopeDocument;
        ::CheckRadioButton(m_hWnd, IDC_SEARCH_SCOPE_FILE, IDC_SEARCH_SCOPE_ALL,
                           IDC_SEARCH_SCOPE_FILE + static_cast<int>(scope));
        if (m_options.ReplaceText[0]) ::SetDlgItemTextA(m_hWnd, IDC_SEARCH_REPLACE_TEXT, m_options.ReplaceText);
    }
    if (m_options.FindText[0]) ::SetDlgItemTextA(m_hWnd, IDC_SEARCH_FIND_TEXT, m_options.FindText);
    ::CheckDlgButton(m_hWnd, IDC_SEARCH_MATCH_CASE, (mask & kSearchMatchCase) ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(m_hWnd, IDC_SEARCH_WHOLE_WORD, (mask & kSearchWholeWord) ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(m_hWnd, IDC_SEARCH_REGEX, (mask & kSearchRegex) ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(m_hWnd, IDC_SEARCH_BACKSLASH, (mask & kSearchBackslash) ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(m_hWnd, IDC_SEARCH_UP, (mask & kSearchDown) ? BST_UNCHECKED : BST_CHECKED);
    bool handled = true;
    OnRegexBox(0, 0, nullptr, handled);
    ::SetFocus(GetDlgItem(IDC_SEARCH_FIND_TEXT));
    ::ShowWindow(m_hWnd, SW_SHOW);
    return FALSE;  // the focus is set
}

void CFindReplaceDialog::ReadOptions() {
    uint32_t mask = m_options.SearchMask;
    mask &= ~(kSearchReplacePending | kSearchWholeWord | kSearchMatchCase | kSearchRegex | kSearchBackslash |
              kSearchDown);
    mask |= kSearchWrap;
    if (::IsDlgButtonChecked(m_hWnd, IDC_SEARCH_MATCH_CASE)) mask |= kSearchMatchCase;
    if (::IsDlgButtonChecked(m_hWnd, IDC_SEARCH_WHOLE_WORD)) mask |= kSearchWholeWord;
    if (::IsDlgButtonChecked(m_hWnd, IDC_SEARCH_REGEX)) mask |= kSearchRegex;
    if (::IsDlgButtonChecked(m_hWnd, IDC_SEARCH_BACKSLASH)) mask |= kSearchBackslash;
    if (!::IsDlgButtonChecked(m_hWnd, IDC_SEARCH_UP)) mask |= kSearchDown;
    if (m_kind == kReplace) {
        uint32_t scope = kScopeDocument;
        if (::IsDlgButtonChecked(m_hWnd, IDC_SEARCH_SCOPE_SELECTION)) scope = kScopeSelection;
        if (::IsDlgButtonChecked(m_hWnd, IDC_SEARCH_SCOPE_ALL)) scope = kScopeAllDocuments;
        mask = (mask & ~kSearchScopeMask) | (scope << 8);
        ReadComboText(IDC_SEARCH_REPLACE_TEXT, m_options.ReplaceText, sizeof(m_options.ReplaceText));
    }
    ReadComboText(IDC_SEARCH_FIND_TEXT, m_options.FindText, sizeof(m_options.FindText));
    m_options.SearchMask = mask;
}

// At most 255 bytes, and never half a double-byte character.
void CFindReplaceDialog::ReadComboText(int id, char* buffer, size_t size) const {
    ::ReadComboText(GetDlgItem(id), buffer, size);
}

void CFindReplaceDialog::Message(UINT id, const char* text, int number) const {
    const std::string message = text ? FormatText(id, {text}) : FormatText(id, {std::to_string(number)});
    ShowMessage(m_hWnd, message, MB_ICONINFORMATION);
}

void CFindReplaceDialog::AddHistory(bool withReplace) {
    m_findHistory.Add(m_options.FindText);
    if (withReplace) m_replaceHistory.Add(m_options.ReplaceText);
}

LRESULT CFindReplaceDialog::OnFind(WORD, WORD, HWND, bool&) {
    ReadOptions();
    AddHistory(false);
    CViewSearch* search = m_searchHost.ActiveSearch();
    const int result = search ? search->Find(m_options) : 0;
    if (result > 0) {
        if (m_searchHost.EditorMask() & kMaskCloseFindDialogs) Close();
        return 0;
    }
    if (result == kFindStopped) return 0;  // the view has said so
    Message(IDS_STRING_NOT_FOUND, m_options.FindText[0] ? m_options.FindText : "(empty)", 0);
    ::SetFocus(GetDlgItem(IDC_SEARCH_FIND_TEXT));
    return 0;
}

LRESULT CFindReplaceDialog::OnMark(WORD, WORD, HWND, bool&) {
    ReadOptions();
    if (CViewSearch* search = m_searchHost.ActiveSearch()) search->MarkAll(m_options);
    return 0;
}

LRESULT CFindReplaceDialog::OnReplace(WORD, WORD, HWND, bool&) {
    // Reading the options clears the pending bit; the search checks the
    // selection itself before it replaces.
    const uint32_t pending = m_options.SearchMask & kSearchReplacePending;
    ReadOptions();
    m_options.SearchMask |= pending;
    AddHistory(true);
    if (CViewSearch* search = m_searchHost.ActiveSearch()) search->ReplaceOnce(m_options);
    return 0;
}

LRESULT CFindReplaceDialog::OnReplaceAll(WORD, WORD, HWND, bool&) {
    ReadOptions();
    AddHistory(true);
    if (ScopeOf(m_options.SearchMask) == kScopeAllDocuments) {
        // A stop (Esc) in one document stops the whole command, not only
        // that document's part of it.
        m_searchHost.ForEachSearch(
            [this](CViewSearch& search) { return search.ReplaceAll(m_options) != kReplaceStopped; });
    } else if (CViewSearch* search = m_searchHost.ActiveSearch()) {
        const int count = search->ReplaceAll(m_options);
        if (count != kReplaceStopped) Message(IDS_REPLACED_COUNT, nullptr, count);
    }
    Close();
    return 0;
}

LRESULT CFindReplaceDialog::OnRegexBox(WORD, WORD, HWND, bool&) {
    const BOOL on = ::IsDlgButtonChecked(m_hWnd, IDC_SEARCH_REGEX) == BST_CHECKED;
    ::EnableWindow(GetDlgItem(IDC_SEARCH_FIND_TOKENS), on);
    if (const HWND tags = GetDlgItem(IDC_SEARCH_TAGS)) ::EnableWindow(tags, on);
    return 0;
}

LRESULT CFindReplaceDialog::OnTokenButton(WORD, WORD id, HWND button, bool&) {
    const HMENU resource = ::LoadMenuA(::GetModuleHandleA(nullptr),
                                       MAKEINTRESOURCEA(id == IDC_SEARCH_TAGS ? IDR_MENU_TAGS : IDR_MENU_REGEX));
    if (!resource) return 0;
    RECT rect{};
    ::GetWindowRect(button ? button : GetDlgItem(id), &rect);
    ::TrackPopupMenu(::GetSubMenu(resource, 0), TPM_LEFTALIGN | TPM_TOPALIGN, rect.right, rect.top, 0, m_hWnd,
                     nullptr);
    ::DestroyMenu(resource);
    return 0;
}

LRESULT CFindReplaceDialog::OnToken(WORD, WORD id, HWND, bool&) {
    std::string token;
    const int offset = GetRegexToken(id, token);
    if (!token.empty()) InsertComboText(GetDlgItem(IDC_SEARCH_FIND_TEXT), token.c_str(), offset);
    return 0;
}

LRESULT CFindReplaceDialog::OnTag(WORD, WORD id, HWND, bool&) {
    if (m_kind != kReplace) return 0;
    char tag[4];
    ::wsprintfA(tag, "\\%d", id - 49);
    InsertComboText(GetDlgItem(IDC_SEARCH_REPLACE_TEXT), tag, 0);
    return 0;
}

void CFindReplaceDialog::CloseHistories() {
    m_findHistory.Close();
    m_replaceHistory.Close();
}
