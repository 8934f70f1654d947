#include "ToolsPage.h"

#include <commdlg.h>

#include <cstring>

#include "AppSettings.h"
#include "IniKeys.h"
#include "ListPageControls.h"
#include "ResourceText.h"
#include "UiSeams.h"

namespace {

const int kFieldControls[] = {IDC_TOOLS_NAME,  IDC_TOOLS_COMMAND,        IDC_TOOLS_ARGUMENTS,   IDC_TOOLS_FOLDER,
                              IDC_TOOLS_BROWSE_COMMAND, IDC_TOOLS_INSERT, IDC_TOOLS_BROWSE_FOLDER,
                              IDC_TOOLS_IN_CONSOLE, IDC_TOOLS_NEEDS_DOCUMENT};
const BitControl kFlagBits[] = {
    {IDC_TOOLS_IN_CONSOLE, kToolInConsole},         {IDC_TOOLS_NEEDS_DOCUMENT, kToolNeedsDocument},
    {IDC_TOOLS_SHOW_CONSOLE, kToolShowsConsole},    {IDC_TOOLS_SAVE_FIRST, kToolSavesWithoutAsking},
    {IDC_TOOLS_RELOAD, kToolReloadsQuietly},
};

// The macros the insert menu puts into the arguments, in its order.
const char* const kMacros[] = {"$(FILE)", "$(FILENAME)", "$(FILE_PATH)", "$(FILE_BASE)", "$(FILE_EXT)"};

std::string Quoted(const char* path) {
    return std::strchr(path, ' ') ? std::string("\"") + path + "\"" : std::string(path);
}

}  // namespace

CToolsPage::~CToolsPage() {
    if (m_images) ImageList_Destroy(m_images);
}

LRESULT CToolsPage::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    m_images = CreateListToolbar(m_hWnd, IDC_TOOLS_TOOLBAR, IDC_TOOLS_TOOLBAR_BAR);
    SetUpListView(GetDlgItem(IDC_TOOLS_LIST));

    m_model = MakeToolsPageModel(ReadToolLines(m_context.settings));
    for (size_t i = 0; i < m_model.tools.size(); ++i) {
        m_order.push_back(i);
        InsertItem(static_cast<int>(i), i);
    }
    Select(m_order.empty() ? -1 : 0);
    if (m_order.empty()) ShowTool(-1);
    return TRUE;
}

void CToolsPage::InsertItem(int item, size_t tool) {
    InsertListItem(GetDlgItem(IDC_TOOLS_LIST), item, m_model.tools[tool].entry.name);
}

void CToolsPage::ShowTool(int item) {
    m_showing = true;
    ::LockWindowUpdate(m_hWnd);
    if (item < 0 || static_cast<size_t>(item) >= m_order.size()) {
        for (int id : {IDC_TOOLS_NAME, IDC_TOOLS_COMMAND, IDC_TOOLS_ARGUMENTS, IDC_TOOLS_FOLDER, IDC_TOOLS_PATTERNS})
            ::SetDlgItemTextA(m_hWnd, id, "");
        CheckBits(kFlagBits, std::size(kFlagBits), kToolInConsole | kToolNeedsDocument);
    } else {
        const ToolEntry& entry = m_model.tools[m_order[static_cast<size_t>(item)]].entry;
        const SplitCommand split = SplitToolCommand(entry.command);
        ::SetDlgItemTextA(m_hWnd, IDC_TOOLS_NAME, entry.name.c_str());
        ::SetDlgItemTextA(m_hWnd, IDC_TOOLS_COMMAND, split.program.c_str());
        ::SetDlgItemTextA(m_hWnd, IDC_TOOLS_ARGUMENTS, split.arguments.c_str());
        ::SetDlgItemTextA(m_hWnd, IDC_TOOLS_FOLDER, entry.folder.c_str());
        ::SetDlgItemTextA(m_hWnd, IDC_TOOLS_PATTERNS, entry.patterns.c_str());
        CheckBits(kFlagBits, std::size(kFlagBits), entry.flags);
    }
    ::LockWindowUpdate(nullptr);
    m_showing = false;
}

void CToolsPage::StoreTool(int item) {
    if (item < 0 || static_cast<size_t>(item) >= m_order.size()) return;
    ToolEntry& entry = m_model.tools[m_order[static_cast<size_t>(item)]].entry;
    entry.name = ReadText(IDC_TOOLS_NAME, 256);
    entry.command = JoinToolCommand(ReadText(IDC_TOOLS_COMMAND, kToolTextLimit), ReadText(IDC_TOOLS_ARGUMENTS, kToolTextLimit));
    entry.folder = ReadText(IDC_TOOLS_FOLDER, MAX_PATH);
    entry.patterns = ReadText(IDC_TOOLS_PATTERNS, kToolTextLimit);
    entry.flags = StoreBits(kFlagBits, std::size(kFlagBits), entry.flags);
}

void CToolsPage::UpdateEnabling() {
    const int item = Selected();
    const int count = static_cast<int>(m_order.size());
    EnableListToolbar(GetDlgItem(IDC_TOOLS_TOOLBAR_BAR), count, static_cast<int>(kMaxPageTools), item);
    for (int id : kFieldControls) Enable(id, item >= 0);
    Enable(IDC_TOOLS_SHOW_CONSOLE, item >= 0 && IsChecked(IDC_TOOLS_IN_CONSOLE));
    const bool document = item >= 0 && IsChecked(IDC_TOOLS_NEEDS_DOCUMENT);
    for (int id : {IDC_TOOLS_SAVE_FIRST, IDC_TOOLS_RELOAD, IDC_TOOLS_PATTERNS, IDC_TOOLS_PATTERNS_HINT}) Enable(id, document);
}

LRESULT CToolsPage::OnItemChanged(int, NMHDR* header, bool&) {
    if (m_showing) return 0;
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
    if (!(change->uChanged & LVIF_STATE)) return 0;
    const bool was = (change->uOldState & LVIS_SELECTED) != 0, is = (change->uNewState & LVIS_SELECTED) != 0;
    if (was && !is) {
        StoreTool(change->iItem);
        if (Selected() < 0) ShowTool(-1);
    } else if (!was && is) {
        ShowTool(change->iItem);
    }
    UpdateEnabling();
    return 0;
}

LRESULT CToolsPage::OnEditChanged(WORD, WORD id, HWND, bool&) {
    // Filling the fields for a selection is no change.
    if (m_showing) return 0;
    const int item = Selected();
    if (id == IDC_TOOLS_NAME && item >= 0) {
        const std::string name = ReadText(IDC_TOOLS_NAME, 256);
        ListView_SetItemText(GetDlgItem(IDC_TOOLS_LIST), item, 0, const_cast<char*>(name.c_str()));
    }
    SetChanged();
    return 0;
}

LRESULT CToolsPage::OnFlagClicked(WORD, WORD, HWND, bool&) {
    UpdateEnabling();
    SetChanged();
    return 0;
}

LRESULT CToolsPage::OnNew(WORD, WORD, HWND, bool&) {
    if (m_order.size() >= kMaxPageTools) return 0;
    PageTool tool;
    tool.entry.name = NewToolName(m_model.tools);
    tool.entry.flags = kToolInConsole | kToolShowsConsole;
    m_model.tools.push_back(tool);
    m_order.push_back(m_model.tools.size() - 1);
    const int item = static_cast<int>(m_order.size() - 1);
    InsertItem(item, m_order.back());
    Select(item);
    HWND name = GetDlgItem(IDC_TOOLS_NAME);
    ::SetFocus(name);
    ::SendMessageA(name, EM_SETSEL, 0, -1);
    SetChanged();
    return 0;
}

void CToolsPage::RemoveRow(int item) {
    // Out of the order first: deleting the item stores nothing into it.
    m_order.erase(m_order.begin() + item);
    m_showing = true;
    ListView_DeleteItem(List(), item);
    m_showing = false;
    ShowTool(-1);
}

void CToolsPage::MoveRow(int from, int to) {
    StoreTool(from);
    const size_t tool = m_order[static_cast<size_t>(from)];
    m_order.erase(m_order.begin() + from);
    m_order.insert(m_order.begin() + to, tool);
    m_showing = true;
    ListView_DeleteAllItems(List());
    for (size_t i = 0; i < m_order.size(); ++i) InsertItem(static_cast<int>(i), m_order[i]);
    m_showing = false;
}

LRESULT CToolsPage::OnBrowseCommand(WORD, WORD, HWND button, bool&) {
    char path[MAX_PATH] = {};
    OPENFILENAMEA open{};
    open.lStructSize = sizeof(open);
    open.hwndOwner = m_hWnd;
    open.lpstrFilter = "Executable Files (*.exe)\0*.exe\0";
    open.lpstrFile = path;
    open.nMaxFile = sizeof(path);
    open.lpstrDefExt = "exe";
    open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (::GetOpenFileNameA(&open)) {
        // A path with a blank would be split by the process start.
        ::SetDlgItemTextA(m_hWnd, IDC_TOOLS_COMMAND, Quoted(path).c_str());
        SetChanged();
    }
    ::SetFocus(button);
    return 0;
}

LRESULT CToolsPage::OnBrowseFolder(WORD, WORD, HWND, bool&) {
    std::string path;
    if (BrowseForFolder(m_hWnd, path)) {
        ::SetDlgItemTextA(m_hWnd, IDC_TOOLS_FOLDER, path.c_str());
        SetChanged();
    }
    return 0;
}

LRESULT CToolsPage::OnInsertMenu(WORD, WORD, HWND button, bool&) {
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_TOOLVARS));
    if (!menu) return 0;
    RECT rect{};
    ::GetWindowRect(button, &rect);
    ::TrackPopupMenu(::GetSubMenu(menu, 0), TPM_LEFTALIGN | TPM_TOPALIGN, rect.right, rect.top, 0, m_hWnd, nullptr);
    ::DestroyMenu(menu);
    return 0;
}

LRESULT CToolsPage::OnInsertMacro(WORD, WORD id, HWND, bool&) {
    // The form the menu shows, which the tool runner expands.
    ::SendDlgItemMessageA(m_hWnd, IDC_TOOLS_ARGUMENTS, EM_REPLACESEL, TRUE,
                          reinterpret_cast<LPARAM>(kMacros[id - ID_TOOLVAR_FILE]));
    return 0;
}

bool CToolsPage::Refuse(const ToolCheck& check) {
    if (check.problem == ToolProblem::None) return false;
    const UINT textId = check.problem == ToolProblem::BadName       ? IDS_TOOL_NAME_INVALID
                        : check.problem == ToolProblem::DuplicateName ? IDS_TOOL_NAME_DUPLICATE
                                                                      : IDS_TOOL_SEPARATOR;
    ShowMessage(m_hWnd, FormatText(textId, {m_model.tools[check.tool].entry.name.substr(0, 256)}),
                MB_OK | MB_ICONWARNING);
    return true;
}

void CToolsPage::Apply() {
    StoreTool(Selected());
    ToolsPageModel shown;
    shown.kept = m_model.kept;
    for (size_t tool : m_order) shown.tools.push_back(m_model.tools[tool]);
    // Nothing is written while a tool cannot be: the section stays whole.
    if (Refuse(CheckTools(shown))) return;
    // A tool's keys as the ini holds them now, so that the keys page's
    // Apply in the same session is not undone.
    std::vector<std::string> keysNow;
    for (const PageTool& tool : shown.tools) {
        ToolEntry now;
        const std::string value = tool.loadedName.empty()
                                      ? std::string()
                                      : m_context.settings.ReadString(ini::kTool, tool.loadedName.c_str(), "");
        keysNow.push_back(!value.empty() && ParseToolEntry(now, value, true) ? now.keys : tool.entry.keys);
    }
    if (!WriteToolLines(m_context.settings, ToolsPageLines(shown, keysNow))) return;
    Applied(keysNow);
    m_context.host.RebuildToolsMenu();
}

void CToolsPage::Applied(const std::vector<std::string>& keysNow) {
    // The section now holds what the page shows: a later Apply finds each
    // tool under its new name, with the keys it was written with.
    for (size_t i = 0; i < m_order.size(); ++i) {
        PageTool& tool = m_model.tools[m_order[i]];
        tool.entry.keys = keysNow[i];
        std::string value;
        FormatToolValue(tool.entry, value);
        tool.loaded = tool.entry;
        tool.loadedName = tool.entry.name;
        tool.loadedText = tool.entry.name + "=" + value;
    }
}
