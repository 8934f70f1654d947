#include "FindInFilesDialog.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <dovari.h>

#include <string>

#include "FindInFilesRunner.h"
#include "FindResultsPane.h"
#include "ResourceText.h"
#include "SearchDefaults.h"
#include "SearchHistory.h"
#include "UiSeams.h"

namespace {

constexpr uint32_t kDialogBits = kSearchMatchCase | kSearchWholeWord | kSearchSubfolders | kSearchSecondPane;

HWND ComboEdit(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    return ::SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)) ? info.hwndItem : nullptr;
}

void CheckBox(HWND dialog, int id, bool on) { ::CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }

struct BrowseStart {
    std::string title;
    std::string folder;
};

int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM lParam, LPARAM data) {
    const auto* start = reinterpret_cast<const BrowseStart*>(data);
    if (message == BFFM_INITIALIZED && !start->folder.empty()) {
        ::SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(start->folder.c_str()));
    } else if (message == BFFM_SELCHANGED) {
        char path[MAX_PATH] = {};
        ::SHGetPathFromIDListA(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path);
        const std::string status = start->title + "\r\n\r\n" + path;
        ::SendMessageA(browser, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(status.c_str()));
    }
    return 0;
}

}  // namespace

CFindInFilesDialog::CFindInFilesDialog(IFindInFilesHost& host, ISearchHost& searchHost, CSearchButtonsGate& gate,
                                       SearchOptions& options)
    : CSearchDialog(searchHost, gate), m_host(host), m_options(options) {}

HWND CFindInFilesDialog::Open(HWND owner, IFindInFilesHost& host, ISearchHost& searchHost, CSearchButtonsGate& gate,
                              SearchOptions& options) {
    auto* dialog = new CFindInFilesDialog(host, searchHost, gate, options);
    TakeFindTextFromEditor(searchHost, options);
    return Show(dialog, owner, IDD_FIND_IN_FILES);
}

LRESULT CFindInFilesDialog::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    AttachToMessageLoop();
    const HWND find = GetDlgItem(IDC_SEARCH_FIND_TEXT);
    const HWND types = GetDlgItem(IDC_FIF_TYPES);
    const HWND folder = GetDlgItem(IDC_FIF_FOLDER);
    m_findHistory = FillComboFromMru(kFindHistoryKey, find);
    m_typesHistory = FillComboFromMru(kFindTypeHistoryKey, types);
    m_folderHistory = FillComboFromMru(kFindWhereHistoryKey, folder);
    if (const HWND edit = ComboEdit(folder)) ::SHAutoComplete(edit, SHACF_FILESYSTEM);

    const std::string document = m_host.ActiveDocumentPath();
    if (!document.empty()) {
        if (m_typesHistory.Entries().empty())
            ::SendMessageA(types, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DefaultFileTypes(document).c_str()));
        const std::string documentFolder = DefaultFolder(document);
        if (m_folderHistory.Entries().empty() && !documentFolder.empty())
            ::SendMessageA(folder, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(documentFolder.c_str()));
    }

    const uint32_t mask = m_options.SearchMask;
    CheckBox(m_hWnd, IDC_SEARCH_MATCH_CASE, mask & kSearchMatchCase);
    CheckBox(m_hWnd, IDC_SEARCH_WHOLE_WORD, mask & kSearchWholeWord);
    CheckBox(m_hWnd, IDC_FIF_SUBFOLDERS, mask & kSearchSubfolders);
    ::CheckRadioButton(m_hWnd, IDC_FIF_PANE1, IDC_FIF_PANE2,
                       (mask & kSearchSecondPane) ? IDC_FIF_PANE2 : IDC_FIF_PANE1);

    if (m_options.FindText[0])
        ::SetWindowTextA(find, m_options.FindText);
    else
        ::SendMessageA(find, CB_SETCURSEL, 0, 0);
    ::SendMessageA(types, CB_SETCURSEL, 0, 0);
    ::SendMessageA(folder, CB_SETCURSEL, 0, 0);
    ::SetFocus(find);
    ::ShowWindow(m_hWnd, SW_SHOW);
    return FALSE;  // the focus is set
}

void CFindInFilesDialog::ReadOptions() {
    uint32_t mask = m_options.SearchMask & ~kDialogBits;
    if (::IsDlgButtonChecked(m_hWnd, IDC_SEARCH_MATCH_CASE)) mask |= kSearchMatchCase;
    if (::IsDlgButtonChecked(m_hWnd, IDC_SEARCH_WHOLE_WORD)) mask |= kSearchWholeWord;
    if (::IsDlgButtonChecked(m_hWnd, IDC_FIF_SUBFOLDERS)) mask |= kSearchSubfolders;
    if (!::IsDlgButtonChecked(m_hWnd, IDC_FIF_PANE1)) mask |= kSearchSecondPane;
    m_options.SearchMask = mask;
    ReadComboText(GetDlgItem(IDC_SEARCH_FIND_TEXT), m_options.FindText, sizeof(m_options.FindText));
    ReadComboText(GetDlgItem(IDC_FIF_TYPES), m_options.fileTypes, sizeof(m_options.fileTypes));
    ReadComboText(GetDlgItem(IDC_FIF_FOLDER), m_options.findFolder, sizeof(m_options.findFolder));
}

FindInFilesRequest CFindInFilesDialog::Request() const {
    FindInFilesRequest request;
    request.findText = m_options.FindText;
    request.fileTypes = m_options.fileTypes;
    request.folder = m_options.findFolder;
    request.mask = m_options.SearchMask;
    request.summaryFormat = LoadText(IDS_FIND_IN_FILES_DONE);
    request.skippedFormat = LoadText(IDS_FIND_IN_FILES_SKIPPED);
    return request;
}

LRESULT CFindInFilesDialog::OnFind(WORD, WORD, HWND, bool&) {
    ReadOptions();
    if (!m_options.FindText[0]) {
        // Nothing to search for: said so, and the dialog stays.
        ShowMessage(m_hWnd, FormatText(IDS_STRING_NOT_FOUND, {"(empty)"}), MB_ICONINFORMATION);
        ::SetFocus(GetDlgItem(IDC_SEARCH_FIND_TEXT));
        return 0;
    }
    m_findHistory.Add(m_options.FindText);
    m_folderHistory.Add(m_options.findFolder);
    m_typesHistory.Add(m_options.fileTypes);
    Close();
    // The worker gets its own copy; the pane is shown and emptied here, on
    // the thread that owns it.
    const FindInFilesRequest request = Request();
    if (CFindResultsPane* pane = m_host.ShowFindResultsPane((request.mask & kSearchSecondPane) != 0)) {
        CFindInFilesRunner& runner = m_host.SearchRunner();
        runner.StopSearchesInto(pane->m_hWnd);
        pane->Clear();
        runner.Start(request, pane->m_hWnd);
    }
    return 0;
}

LRESULT CFindInFilesDialog::OnBrowse(WORD, WORD, HWND, bool&) {
    BrowseStart start{LoadText(IDS_BROWSE_FOLDER), {}};
    char text[MAX_PATH] = {};
    ReadComboText(GetDlgItem(IDC_FIF_FOLDER), text, sizeof(text));
    if (::CheckFileExists(text)) start.folder = text;
    BROWSEINFOA info{};
    info.hwndOwner = m_hWnd;
    info.lpszTitle = start.title.c_str();
    info.ulFlags = 0x241;  // file-system folders only, new dialog style, no new-folder button
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(&start);
    PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderA(&info);
    if (!chosen) return 0;
    char path[MAX_PATH] = {};
    if (::SHGetPathFromIDListA(chosen, path)) ::SetDlgItemTextA(m_hWnd, IDC_FIF_FOLDER, path);
    ::CoTaskMemFree(chosen);
    return 0;
}

void CFindInFilesDialog::CloseHistories() {
    m_findHistory.Close();
    m_typesHistory.Close();
    m_folderHistory.Close();
}
