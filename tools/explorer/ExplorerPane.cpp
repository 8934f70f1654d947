#include "ExplorerPane.h"

#include <shlwapi.h>
#include <windowsx.h>

#include <cstdio>
#include <cstring>

#include "AppSettings.h"
#include "FavoriteStore.h"
#include "FileFilter.h"
#include "Globals.h"
#include "ResourceText.h"
#include "UiSeams.h"

namespace {

constexpr char kUserSection[] = "USER";
constexpr char kPathKey[] = "path";
constexpr char kFilterKey[] = "filter";
constexpr DWORD kComboStyle = 0x50210042;    // child, visible, vscroll, tabstop, drop-down, auto-hscroll
constexpr DWORD kToolbarStyle = 0x50008943;  // child, visible, transparent, flat, tooltips, no divider, top

struct ButtonSpec {
    int image;  // -1: separator
    int id;
    BYTE state;
    BYTE style;
};
constexpr ButtonSpec kButtons[] = {
    {0, ID_EXPLORER_BACK, 0, BTNS_DROPDOWN},
    {1, ID_EXPLORER_FORWARD, 0, BTNS_DROPDOWN},
    {2, ID_EXPLORER_UP, TBSTATE_ENABLED, BTNS_BUTTON},
    {-1, 0, 0, BTNS_SEP},
    {3, ID_EXPLORER_DELETE, TBSTATE_ENABLED, BTNS_BUTTON},
    {4, ID_EXPLORER_NEW_FOLDER, TBSTATE_ENABLED, BTNS_BUTTON},
    {5, ID_EXPLORER_VIEW, TBSTATE_ENABLED, BTNS_WHOLEDROPDOWN},
    {-1, 0, 0, BTNS_SEP},
    {6, ID_EXPLORER_FAVORITES, TBSTATE_ENABLED, BTNS_WHOLEDROPDOWN},
    {7, ID_EXPLORER_ADD_FAVORITE, TBSTATE_ENABLED, BTNS_BUTTON},
};

struct TipSpec {
    int id;
    UINT text;
};
constexpr TipSpec kTips[] = {
    {ID_EXPLORER_BACK, IDS_EXPLORER_BACK},         {ID_EXPLORER_FORWARD, IDS_EXPLORER_FORWARD},
    {ID_EXPLORER_UP, IDS_EXPLORER_UP},             {ID_EXPLORER_DELETE, IDS_EXPLORER_DELETE},
    {ID_EXPLORER_NEW_FOLDER, IDS_EXPLORER_NEW_FOLDER}, {ID_EXPLORER_VIEW, IDS_EXPLORER_VIEW},
    {ID_EXPLORER_FAVORITES, IDS_EXPLORER_FAVORITES}, {ID_EXPLORER_ADD_FAVORITE, IDS_EXPLORER_ADD_FAVORITE},
};

constexpr struct {
    int id;
    UINT text;
    UINT mode;
} kViewModes[] = {
    {ID_EXPLORER_VIEW_ICONS, IDS_EXPLORER_VIEW_ICONS, FVM_ICON},
    {ID_EXPLORER_VIEW_SMALL_ICONS, IDS_EXPLORER_VIEW_SMALL_ICONS, FVM_SMALLICON},
    {ID_EXPLORER_VIEW_LIST, IDS_EXPLORER_VIEW_LIST, FVM_LIST},
    {ID_EXPLORER_VIEW_DETAILS, IDS_EXPLORER_VIEW_DETAILS, FVM_DETAILS},
};

HIMAGELIST LoadToolbarImages(UINT bitmap) {
    HIMAGELIST images = ::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 8, 0);
    HBITMAP strip = static_cast<HBITMAP>(
        ::LoadImageA(g_instance ? g_instance : ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmap), IMAGE_BITMAP, 0, 0,
                     LR_CREATEDIBSECTION));
    if (images && strip) ::ImageList_AddMasked(images, strip, RGB(255, 0, 255));
    if (strip) ::DeleteObject(strip);
    return images;
}

std::string ReadFilterSection() {
    std::vector<char> section(32768, '\0');
    if (!g_appSettings || !g_appSettings->ReadSection("FILTER", section.data(), (DWORD)section.size()))
        return std::string();
    size_t length = 0;
    while (length + 1 < section.size() && (section[length] || section[length + 1])) ++length;
    return std::string(section.data(), length + 1);
}

std::string ReadUser(const char* key, const char* fallback) {
    return g_appSettings ? g_appSettings->ReadString(kUserSection, key, fallback) : std::string(fallback);
}

}  // namespace

CExplorerPane::CExplorerPane(IExplorerPaneHost& host) : m_host(host) {
    m_idListFormat = ::RegisterClipboardFormatA("Shell IDList Array");
}

CExplorerPane::~CExplorerPane() {
    ReleaseView();
}

// ---- creation and layout ---------------------------------------------------------

LRESULT CExplorerPane::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    // Only what the tab shows at once; the rest waits until the pane is seen.
    m_icon.reset(static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_EXPLORER_PANE),
                                                 IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                 ::GetSystemMetrics(SM_CYSMICON), 0)));
    if (m_icon) ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon.get()));
    return 0;
}

void CExplorerPane::EnsureContent() {
    if (m_content == Content::Missing && m_hWnd) BuildContent();
}

void CExplorerPane::RequestContent() {
    if (m_content != Content::Missing || m_buildRequested) return;
    m_buildRequested = true;
    PostMessage(kBuildContentMessage);
}

void CExplorerPane::BuildContent() {
    m_content = Content::Building;
    MakeContent();
    m_content = Content::Built;  // tried once, whatever came of it
    if (m_firstLayout && m_toolbar) Layout();  // no view placed the controls
}

void CExplorerPane::MakeContent() {
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    m_pathCombo = ::CreateWindowExA(0, WC_COMBOBOXEXA, nullptr, kComboStyle, 0, 0, 100, 300, m_hWnd,
                                    (HMENU)(INT_PTR)kPathComboId, instance, nullptr);
    m_filterCombo = ::CreateWindowExA(0, WC_COMBOBOXEXA, nullptr, kComboStyle, 0, 0, 100, 300, m_hWnd,
                                      (HMENU)(INT_PTR)kFilterComboId, instance, nullptr);
    if (!m_pathCombo || !m_filterCombo) return;
    for (HWND combo : {m_pathCombo, m_filterCombo})
        if (g_guiFont.font) ::SendMessageA(combo, WM_SETFONT, (WPARAM)g_guiFont.font, FALSE);
    ::SendMessageA(m_pathCombo, CBEM_SETEXTENDEDSTYLE, CBES_EX_NOSIZELIMIT | CBES_EX_CASESENSITIVE,
                   CBES_EX_NOSIZELIMIT | CBES_EX_CASESENSITIVE);
    RECT rect{};
    ::GetWindowRect(m_pathCombo, &rect);
    m_pathHeight = rect.bottom - rect.top;

    FillFilterCombo();
    const std::string filter = ReadUser(kFilterKey, "*.*");
    ::SetWindowTextA(m_filterCombo, filter.c_str());
    ApplyFilter(filter);

    HIMAGELIST small = nullptr;
    if (::Shell_GetImageLists(nullptr, &small) && small)
        ::SendMessageA(m_pathCombo, CBEM_SETIMAGELIST, 0, (LPARAM)small);
    ::SHGetDesktopFolder(m_desktop.Put());
    m_documentsList = SpecialFolderList(CSIDL_PERSONAL);
    m_desktopList = SpecialFolderList(CSIDL_DESKTOP);
    if (!CreateToolbar()) return;

    BrowseTo(ParseStoredPath(ReadUser(kPathKey, "")), false);
}

LRESULT CExplorerPane::OnPosChanged(UINT, WPARAM, LPARAM lParam, bool& handled) {
    handled = false;  // the pane base follows its float rectangle here
    if (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) RequestContent();
    return 0;
}

LRESULT CExplorerPane::OnPaint(UINT, WPARAM, LPARAM, bool& handled) {
    if (m_content == Content::Built) {
        handled = false;
        return 0;
    }
    // Seen without being shown itself: its container was. Built next; the
    // background meanwhile.
    if (m_content == Content::Missing) RequestContent();
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    ::FillRect(dc, &paint.rcPaint, ::GetSysColorBrush(COLOR_BTNFACE));
    ::EndPaint(m_hWnd, &paint);
    return 0;
}

LRESULT CExplorerPane::OnBuildContent(UINT, WPARAM, LPARAM, bool&) {
    m_buildRequested = false;
    // Shown and hidden again before this arrived (a tab that was in front
    // only for a moment): still nothing to build.
    if (::IsWindowVisible(m_hWnd)) EnsureContent();
    return 0;
}

ItemIdList CExplorerPane::ParseStoredPath(const std::string& path) const {
    ItemIdList list;
    if (!path.empty() && m_desktop) {
        std::wstring wide(path.size() + 1, L'\0');
        wide.resize(::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), (int)wide.size()));
        LPITEMIDLIST parsed = nullptr;
        if (!wide.empty() && SUCCEEDED(m_desktop->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &parsed, nullptr)))
            list.reset(parsed);
    }
    if (!list) return CloneIdList(m_documentsList.get());
    // The desktop directory itself is the desktop.
    ItemIdList relative = DesktopRelativeIdList(list.get());
    if (relative && !relative->mkid.cb) return CloneIdList(m_desktopList.get());
    return list;
}

bool CExplorerPane::CreateToolbar() {
    m_toolbar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, kToolbarStyle, 0, 0, 100, 24, m_hWnd,
                                  (HMENU)(INT_PTR)kToolbarId, ::GetModuleHandleA(nullptr), nullptr);
    if (!m_toolbar) return false;
    ::SendMessageA(m_toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageA(m_toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_MIXEDBUTTONS);
    ::SendMessageA(m_toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 16));
    ::SendMessageA(m_toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(16, 16));
    m_images.reset(LoadToolbarImages(IDB_EXPLORER_TOOLBAR));
    m_disabledImages.reset(LoadToolbarImages(IDB_EXPLORER_TOOLBAR_DISABLED));
    ::SendMessageA(m_toolbar, TB_SETIMAGELIST, 0, (LPARAM)m_images.get());
    ::SendMessageA(m_toolbar, TB_SETDISABLEDIMAGELIST, 0, (LPARAM)m_disabledImages.get());
    TBBUTTON buttons[std::size(kButtons)] = {};
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        buttons[i].iBitmap = kButtons[i].image < 0 ? 0 : kButtons[i].image;
        buttons[i].idCommand = kButtons[i].id;
        buttons[i].fsState = kButtons[i].state;
        buttons[i].fsStyle = kButtons[i].style;
    }
    ::SendMessageA(m_toolbar, TB_ADDBUTTONSA, std::size(buttons), (LPARAM)buttons);
    ::SendMessageA(m_toolbar, TB_AUTOSIZE, 0, 0);
    return true;
}

void CExplorerPane::FillFilterCombo() {
    m_filterChoices = ParseFilterChoices(ReadFilterSection());
    for (size_t i = 0; i < m_filterChoices.size(); ++i) {
        COMBOBOXEXITEMA item{};
        item.mask = CBEIF_TEXT | CBEIF_LPARAM;
        item.iItem = (INT_PTR)i;
        item.pszText = const_cast<char*>(m_filterChoices[i].description.c_str());
        item.lParam = (LPARAM)i;
        ::SendMessageA(m_filterCombo, CBEM_INSERTITEMA, 0, (LPARAM)&item);
    }
}

void CExplorerPane::Layout() {
    RECT client{};
    GetClientRect(&client);
    // Auto-sized before it is placed: its style's position bits (CCS_TOP with
    // CCS_NOMOVEY) read as CCS_BOTTOM, so auto-sizing moves it to the pane's
    // bottom edge, over the filter combo.
    ::SendMessageA(m_toolbar, TB_AUTOSIZE, 0, 0);
    RECT bar{};
    ::GetWindowRect(m_toolbar, &bar);
    RECT filter{};
    ::GetWindowRect(m_filterCombo, &filter);
    const int barHeight = bar.bottom - bar.top, filterHeight = filter.bottom - filter.top;
    HDWP batch = ::BeginDeferWindowPos(4);
    batch = ::DeferWindowPos(batch, m_pathCombo, nullptr, 0, 0, client.right, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    batch = ::DeferWindowPos(batch, m_toolbar, nullptr, 0, m_pathHeight, 0, 0,
                             SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
    m_viewRect = RECT{0, m_pathHeight + barHeight, client.right, client.bottom - filterHeight};
    if (m_viewRect.bottom < m_viewRect.top) m_viewRect.bottom = m_viewRect.top;
    if (m_viewWindow)
        batch = ::DeferWindowPos(batch, m_viewWindow, nullptr, 0, m_viewRect.top, client.right,
                                 m_viewRect.bottom - m_viewRect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    batch = ::DeferWindowPos(batch, m_filterCombo, nullptr, 0, client.bottom - filterHeight, client.right, 300,
                             SWP_NOZORDER | SWP_NOACTIVATE);
    ::EndDeferWindowPos(batch);
}

LRESULT CExplorerPane::OnSize(UINT, WPARAM wParam, LPARAM, bool& handled) {
    handled = false;
    if (wParam != SIZE_MINIMIZED && m_toolbar) Layout();
    return 0;
}

LRESULT CExplorerPane::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, bool&) {
    reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{0, 0};
    return 0;
}

LRESULT CExplorerPane::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
    // A list still open owns its items' records.
    if (m_pathCombo) {
        m_currentList.reset();
        ClearPathItems();
    }
    ReleaseView();
    handled = false;
    return 0;
}

// ---- browsing ------------------------------------------------------------------

bool CExplorerPane::IsButtonEnabled(int id) const {
    return m_toolbar && ::SendMessageA(m_toolbar, TB_ISBUTTONENABLED, id, 0) != 0;
}

void CExplorerPane::UpdateButtons(LPCITEMIDLIST list) {
    ::SendMessageA(m_toolbar, TB_ENABLEBUTTON, ID_EXPLORER_BACK, m_back.HasCurrent());
    ::SendMessageA(m_toolbar, TB_ENABLEBUTTON, ID_EXPLORER_FORWARD, m_forward.HasCurrent());
    const bool atDesktop = !list || !list->mkid.cb || (m_desktopList && ::ILIsEqual(list, m_desktopList.get()));
    ::SendMessageA(m_toolbar, TB_ENABLEBUTTON, ID_EXPLORER_UP, !atDesktop);
    SFGAOF attributes = SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR;
    const SFGAOF all = SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR;
    const bool canMake = !atDesktop && GetItemAttributes(list, attributes) && (attributes & all) == all;
    ::SendMessageA(m_toolbar, TB_ENABLEBUTTON, ID_EXPLORER_NEW_FOLDER, canMake);
}

void CExplorerPane::BrowseTo(ItemIdList list, bool recordHistory) {
    EnsureContent();
    if (!list || !m_desktop) return;
    if (recordHistory && m_currentList) m_back.Push(m_currentList.release());
    ComRef<IShellFolder> folder;
    if (FAILED(BindToFolder(m_desktop.Get(), list.get(), IID_IShellFolder, folder.PutVoid())))
        m_desktop->QueryInterface(IID_IShellFolder, folder.PutVoid());
    UpdateButtons(list.get());
    if (folder && CreateView(folder.Get())) m_folder = std::move(folder);
    m_currentList = std::move(list);
    ShowPathInCombo(m_currentList.get());
}

bool CExplorerPane::CreateView(IShellFolder* folder) {
    FOLDERSETTINGS settings{FVM_DETAILS, FWF_SNAPTOGRID};
    if (m_view) m_view->GetCurrentInfo(&settings);
    ComRef<IShellView> view;
    if (FAILED(folder->CreateViewObject(m_hWnd, IID_IShellView, view.PutVoid())) || !view) return false;
    RECT rect = m_viewRect;
    HWND window = nullptr;
    if (FAILED(view->CreateViewWindow(m_view.Get(), &settings, m_browser.Browser(), &rect, &window)) || !window) {
        view->UIActivate(SVUIA_DEACTIVATE);
        view->DestroyViewWindow();
        return false;
    }
    view->UIActivate(SVUIA_INPLACEACTIVATE);
    ReleaseView();
    m_view = std::move(view);
    m_viewWindow = window;
    if (m_firstLayout) {
        m_firstLayout = false;
        Layout();
    } else {
        ::SetWindowPos(m_viewWindow, nullptr, m_viewRect.left, m_viewRect.top, m_viewRect.right - m_viewRect.left,
                       m_viewRect.bottom - m_viewRect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return true;
}

void CExplorerPane::ReleaseView() {
    if (m_view) {
        m_view->UIActivate(SVUIA_DEACTIVATE);
        m_view->DestroyViewWindow();
        m_view.Reset();
    }
    m_viewWindow = nullptr;
}

void CExplorerPane::ShowPathInCombo(LPCITEMIDLIST list) {
    if (!m_pathCombo) return;
    const std::string path = GetItemPath(list);
    int normal = 0, open = 0;
    GetSystemIconIndex(list, normal, open);
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_INDENT;
    item.iItem = -1;
    item.pszText = const_cast<char*>(path.c_str());
    item.iImage = normal;
    item.iSelectedImage = open;
    ::SendMessageA(m_pathCombo, CBEM_SETITEMA, 0, (LPARAM)&item);
    ::SetWindowTextA(m_pathCombo, path.c_str());
}

bool CExplorerPane::BrowseToPath(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (path.empty() || attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        TellUser(IDS_FOLDER_NOT_FOUND, path.c_str(), MB_ICONERROR);
        return false;
    }
    EnsureContent();
    const std::string folder = NormalizeFolderPath(path);
    std::wstring wide(folder.size() + 1, L'\0');
    wide.resize(::MultiByteToWideChar(CP_ACP, 0, folder.c_str(), -1, wide.data(), (int)wide.size()));
    LPITEMIDLIST parsed = nullptr;
    if (!m_desktop || wide.empty() ||
        FAILED(m_desktop->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &parsed, nullptr)))
        return false;
    BrowseTo(ItemIdList(parsed), false);
    return true;
}

void CExplorerPane::SelectFile(const std::string& path) {
    const size_t slash = path.rfind('\\');
    if (slash == std::string::npos) return;
    if (!BrowseToPath(path.substr(0, slash + 1)) || !m_folder || !m_view) return;
    std::string name = path.substr(slash + 1);
    std::wstring wide(name.size() + 1, L'\0');
    wide.resize(::MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide.data(), (int)wide.size()));
    LPITEMIDLIST item = nullptr;
    if (wide.empty() || FAILED(m_folder->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &item, nullptr)))
        return;
    m_view->SelectItem(item, SVSI_SELECT | SVSI_ENSUREVISIBLE | SVSI_FOCUSED | SVSI_DESELECTOTHERS);
    ::ILFree(item);
}

void CExplorerPane::SaveState() {
    // Never seen: the stored folder and filter stay as they were.
    if (m_content == Content::Missing) return;
    if (g_appSettings && m_currentList) {
        if (m_documentsList && ::ILIsEqual(m_currentList.get(), m_documentsList.get())) {
            g_appSettings->WriteString(kUserSection, kPathKey, kDocumentsPath);
        } else {
            const std::string name = GetDisplayName(m_desktop.Get(), m_currentList.get(), SHGDN_FORPARSING);
            if (!name.empty()) g_appSettings->WriteString(kUserSection, kPathKey, name.c_str());
        }
    }
    ReleaseView();
    m_folder.Reset();
    m_desktop.Reset();
    if (g_appSettings && m_filterCombo) {
        char filter[260] = {};
        ::GetWindowTextA(m_filterCombo, filter, sizeof(filter));
        g_appSettings->WriteString(kUserSection, kFilterKey, filter);
    }
}

// ---- the view's questions --------------------------------------------------------

HRESULT CExplorerPane::DefaultCommand(IShellView* view) {
    if (view != m_view.Get() || !m_folder) return E_INVALIDARG;
    ComRef<IDataObject> data;
    if (FAILED(view->GetItemObject(SVGIO_SELECTION, IID_IDataObject, data.PutVoid())) || !data) return S_OK;
    FORMATETC format{(CLIPFORMAT)m_idListFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&format, &medium))) return S_OK;
    ItemIdList chosen;
    if (auto* ida = static_cast<CIDA*>(::GlobalLock(medium.hGlobal))) {
        if (ida->cidl > 0) {
            auto* base = reinterpret_cast<const BYTE*>(ida);
            auto parent = reinterpret_cast<LPCITEMIDLIST>(base + ida->aoffset[0]);
            auto child = reinterpret_cast<LPCITEMIDLIST>(base + ida->aoffset[1]);
            if (IsBrowsableFolder(m_folder.Get(), child)) {
                chosen.reset(::ILCombine(parent, child));
            } else {
                ItemIdList full(::ILCombine(parent, child));
                char path[MAX_PATH] = {};
                if (full && ::SHGetPathFromIDListA(full.get(), path) && path[0]) {
                    ::GlobalUnlock(medium.hGlobal);
                    ::ReleaseStgMedium(&medium);
                    m_host.OpenDocument(path);
                    return S_OK;
                }
            }
        }
        ::GlobalUnlock(medium.hGlobal);
    }
    ::ReleaseStgMedium(&medium);
    if (chosen) BrowseTo(std::move(chosen), true);
    return S_OK;  // the view never runs its own default action
}

void CExplorerPane::StateChange(IShellView* view, ULONG change) {
    if (change == CDBOSC_KILLFOCUS) {
        ::SendMessageA(m_toolbar, TB_ENABLEBUTTON, ID_EXPLORER_DELETE, FALSE);
    } else if (change == CDBOSC_RENAME) {
        ::SendMessageA(m_toolbar, TB_ENABLEBUTTON, ID_EXPLORER_DELETE, TRUE);
    } else if (change == CDBOSC_SELCHANGE && view && m_folder) {
        bool canDelete = false;
        ComRef<IDataObject> data;
        FORMATETC format{(CLIPFORMAT)m_idListFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        STGMEDIUM medium{};
        if (SUCCEEDED(view->GetItemObject(SVGIO_SELECTION, IID_IDataObject, data.PutVoid())) && data &&
            SUCCEEDED(data->GetData(&format, &medium))) {
            if (auto* ida = static_cast<CIDA*>(::GlobalLock(medium.hGlobal))) {
                std::vector<LPCITEMIDLIST> items;
                auto* base = reinterpret_cast<const BYTE*>(ida);
                for (UINT i = 0; i < ida->cidl; ++i)
                    items.push_back(reinterpret_cast<LPCITEMIDLIST>(base + ida->aoffset[i + 1]));
                SFGAOF attributes = SFGAO_CANDELETE;
                canDelete = !items.empty() &&
                            SUCCEEDED(m_folder->GetAttributesOf((UINT)items.size(), items.data(), &attributes)) &&
                            (attributes & SFGAO_CANDELETE);
                ::GlobalUnlock(medium.hGlobal);
            }
            ::ReleaseStgMedium(&medium);
        }
        ::SendMessageA(m_toolbar, TB_ENABLEBUTTON, ID_EXPLORER_DELETE, canDelete);
    }
}

bool CExplorerPane::Include(IShellView*, LPCITEMIDLIST item) {
    if (!m_folder) return true;
    SFGAOF attributes = SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR;
    const bool known = SUCCEEDED(m_folder->GetAttributesOf(1, &item, &attributes));
    const std::string name = GetDisplayName(m_folder.Get(), item, SHGDN_INFOLDER | SHGDN_FORPARSING);
    return IncludeItem(known, attributes, name, m_pattern);
}

// ---- the filter ----------------------------------------------------------------

void CExplorerPane::ApplyFilter(const std::string& text) { ApplyPattern(FilterPatternOfText(text)); }

void CExplorerPane::ApplyPattern(const std::string& pattern) {
    EnsureContent();
    m_pattern = pattern;
    if (m_view) m_view->Refresh();
}

LRESULT CExplorerPane::OnFilterChosen(WORD, WORD, HWND, bool&) {
    const int index = (int)::SendMessageA(m_filterCombo, CB_GETCURSEL, 0, 0);
    if (index >= 0 && index < (int)m_filterChoices.size()) ApplyPattern(m_filterChoices[index].pattern);
    return 0;
}

LRESULT CExplorerPane::OnEndEdit(int, NMHDR* header, bool& handled) {
    bool changed = false, enter = false;
    std::string text;
    if (header->code == CBEN_ENDEDITA) {
        auto* edit = reinterpret_cast<NMCBEENDEDITA*>(header);
        changed = edit->fChanged;
        enter = edit->iWhy == CBENF_RETURN;
        text = edit->szText;
    } else {
        auto* edit = reinterpret_cast<NMCBEENDEDITW*>(header);
        changed = edit->fChanged;
        enter = edit->iWhy == CBENF_RETURN;
        char narrow[CBEMAXSTRLEN * 2] = {};
        ::WideCharToMultiByte(CP_ACP, 0, edit->szText, -1, narrow, sizeof(narrow), nullptr, nullptr);
        text = narrow;
    }
    if (!enter || !changed) return FALSE;
    if (header->hwndFrom == m_filterCombo) ApplyFilter(text);
    else if (header->hwndFrom == m_pathCombo) BrowseToPath(text);
    else handled = false;
    return FALSE;
}

// ---- the path combo ------------------------------------------------------------

void CExplorerPane::AddPathItem(int index, LPCITEMIDLIST list, const std::string& text, int indent) {
    int normal = 0, open = 0;
    GetSystemIconIndex(list, normal, open);
    auto* record = new PathItem{CloneIdList(list), indent};
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_INDENT | CBEIF_LPARAM;
    item.iItem = index;
    item.pszText = const_cast<char*>(text.c_str());
    item.iImage = normal;
    item.iSelectedImage = open;
    item.iIndent = indent;
    item.lParam = (LPARAM)record;
    if (::SendMessageA(m_pathCombo, CBEM_INSERTITEMA, 0, (LPARAM)&item) < 0) delete record;
}

LRESULT CExplorerPane::OnPathDropDown(WORD, WORD, HWND, bool&) {
    if (!m_desktop || !m_desktopList) return 0;
    ClearPathItems();
    AddPathItem(0, m_desktopList.get(), GetDisplayName(m_desktop.Get(), m_desktopList.get(), SHGDN_NORMAL), 0);
    ItemIdList drives = SpecialFolderList(CSIDL_DRIVES);
    // The desktop's file-system folders, and the computer's below its item.
    auto addChildren = [this](IShellFolder* folder, LPCITEMIDLIST parentList, int indent) {
        ComRef<IEnumIDList> items;
        if (!folder || FAILED(folder->EnumObjects(m_hWnd, SHCONTF_FOLDERS, items.Put())) || !items) return;
        LPITEMIDLIST child = nullptr;
        while (items->Next(1, &child, nullptr) == S_OK) {
            if (IsFileSystemItem(folder, child)) {
                ItemIdList full(::ILCombine(parentList, child));
                const int at = (int)::SendMessageA(m_pathCombo, CB_GETCOUNT, 0, 0);
                AddPathItem(at, full.get(), GetDisplayName(folder, child, SHGDN_INFOLDER | SHGDN_FORADDRESSBAR),
                            indent);
            }
            ::ILFree(child);
        }
    };
    addChildren(m_desktop.Get(), m_desktopList.get(), 1);
    if (drives) {
        ComRef<IShellFolder> computer;
        if (SUCCEEDED(BindToFolder(m_desktop.Get(), drives.get(), IID_IShellFolder, computer.PutVoid()))) {
            const int count = (int)::SendMessageA(m_pathCombo, CB_GETCOUNT, 0, 0);
            int at = -1;
            for (int i = 0; i < count; ++i) {
                auto* record = (PathItem*)::SendMessageA(m_pathCombo, CB_GETITEMDATA, i, 0);
                if (record && ::ILIsEqual(record->list.get(), drives.get())) at = i;
            }
            if (at < 0) {
                AddPathItem(count, drives.get(), GetDisplayName(m_desktop.Get(), drives.get(), SHGDN_NORMAL), 1);
                at = count;
            }
            // Inserted after the computer's item, in their own order.
            ComRef<IEnumIDList> items;
            if (SUCCEEDED(computer->EnumObjects(m_hWnd, SHCONTF_FOLDERS, items.Put())) && items) {
                LPITEMIDLIST child = nullptr;
                int next = at + 1;
                while (items->Next(1, &child, nullptr) == S_OK) {
                    if (IsFileSystemItem(computer.Get(), child)) {
                        ItemIdList full(::ILCombine(drives.get(), child));
                        AddPathItem(next++, full.get(),
                                    GetDisplayName(computer.Get(), child, SHGDN_INFOLDER | SHGDN_FORADDRESSBAR), 2);
                    }
                    ::ILFree(child);
                }
            }
        }
    }
    // The current folder under its deepest ancestor, the missing levels inserted.
    if (m_currentList && m_currentList->mkid.cb) {
        ItemIdList relative = DesktopRelativeIdList(m_currentList.get());
        ItemIdList target = relative ? ItemIdList(::ILCombine(m_desktopList.get(), relative.get()))
                                     : CloneIdList(m_currentList.get());
        int position = 0, level = 0;
        const int count = (int)::SendMessageA(m_pathCombo, CB_GETCOUNT, 0, 0);
        for (int i = 1; i < count; ++i) {
            auto* record = (PathItem*)::SendMessageA(m_pathCombo, CB_GETITEMDATA, i, 0);
            if (!record || record->indent <= level - 1) continue;
            if (::ILIsEqual(record->list.get(), target.get())) {
                position = -1;
                break;
            }
            if (record->list->mkid.cb && ::ILIsParent(record->list.get(), target.get(), FALSE)) {
                position = i;
                level = record->indent;
            }
        }
        if (position >= 0) {
            auto* record = (PathItem*)::SendMessageA(m_pathCombo, CB_GETITEMDATA, position, 0);
            LPCITEMIDLIST rest = record ? ::ILFindChild(record->list.get(), target.get()) : target.get();
            ItemIdList prefix = record ? CloneIdList(record->list.get()) : ItemIdList();
            for (LPCITEMIDLIST id = rest; id && id->mkid.cb; id = ::ILGetNext(id)) {
                ItemIdList first(::ILCloneFirst(id));
                prefix.reset(prefix ? ::ILCombine(prefix.get(), first.get()) : ::ILClone(first.get()));
                AddPathItem(++position, prefix.get(), GetDisplayName(m_desktop.Get(), prefix.get(), SHGDN_NORMAL),
                            ++level);
            }
        }
    }
    return 0;
}

LRESULT CExplorerPane::OnPathChosen(WORD, WORD, HWND, bool&) {
    const int index = (int)::SendMessageA(m_pathCombo, CB_GETCURSEL, 0, 0);
    auto* record = index >= 0 ? (PathItem*)::SendMessageA(m_pathCombo, CB_GETITEMDATA, index, 0) : nullptr;
    if (record && record != (PathItem*)CB_ERR) m_chosenList = CloneIdList(record->list.get());
    // Browsed once the list has closed and its items are gone.
    if (!::SendMessageA(m_pathCombo, CB_GETDROPPEDSTATE, 0, 0)) PostMessage(kBrowseChosenMessage);
    return 0;
}

LRESULT CExplorerPane::OnPathCloseUp(WORD, WORD, HWND, bool&) {
    ClearPathItems();
    if (m_chosenList) PostMessage(kBrowseChosenMessage);
    return 0;
}

LRESULT CExplorerPane::OnBrowseChosen(UINT, WPARAM, LPARAM, bool&) {
    if (m_chosenList) BrowseTo(std::move(m_chosenList), false);
    return 0;
}

void CExplorerPane::ClearPathItems() {
    const int count = (int)::SendMessageA(m_pathCombo, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        auto* record = (PathItem*)::SendMessageA(m_pathCombo, CB_GETITEMDATA, i, 0);
        if (record && record != (PathItem*)CB_ERR) delete record;
    }
    ::SendMessageA(m_pathCombo, CB_RESETCONTENT, 0, 0);
    if (m_currentList) ShowPathInCombo(m_currentList.get());
}

// ---- commands ------------------------------------------------------------------

void CExplorerPane::StepHistory(HistoryRing& from, HistoryRing& to) {
    ItemIdList target(from.Pop());
    if (!target) return;
    if (m_currentList) to.Push(m_currentList.release());
    BrowseTo(std::move(target), false);
}

LRESULT CExplorerPane::OnBack(WORD, WORD, HWND, bool&) {
    StepHistory(m_back, m_forward);
    return 0;
}

LRESULT CExplorerPane::OnForward(WORD, WORD, HWND, bool&) {
    StepHistory(m_forward, m_back);
    return 0;
}

LRESULT CExplorerPane::OnHistoryItem(WORD, WORD id, HWND, bool&) {
    const bool back = id < ID_EXPLORER_FORWARD_FIRST;
    HistoryRing& from = back ? m_back : m_forward;
    HistoryRing& to = back ? m_forward : m_back;
    const int slot = id - (back ? ID_EXPLORER_BACK_FIRST : ID_EXPLORER_FORWARD_FIRST);
    // The ring gives the chosen list up before the pane takes it.
    if (m_currentList) to.Push(m_currentList.release());
    ItemIdList target(from.PopTo(slot, to));
    if (target) BrowseTo(std::move(target), false);
    return 0;
}

LRESULT CExplorerPane::OnUp(WORD, WORD, HWND, bool&) {
    EnsureContent();
    if (!m_currentList || !m_currentList->mkid.cb) return 0;
    BrowseTo(CloneParentIdList(m_currentList.get()), true);
    return 0;
}

LRESULT CExplorerPane::OnDelete(WORD, WORD, HWND, bool&) {
    // The selection's own "delete" verb: the key posted to the view does nothing under Wine.
    if (!m_view) return 0;
    ComRef<IContextMenu> menu;
    if (FAILED(m_view->GetItemObject(SVGIO_SELECTION, IID_IContextMenu, menu.PutVoid())) || !menu) return 0;
    CMINVOKECOMMANDINFO invoke{};
    invoke.cbSize = sizeof(invoke);
    invoke.hwnd = m_hWnd;
    invoke.lpVerb = "delete";
    invoke.nShow = SW_SHOWNORMAL;
    if (SUCCEEDED(menu->InvokeCommand(&invoke))) m_view->Refresh();
    return 0;
}

bool CExplorerPane::MakeNewFolder() {
    char folder[MAX_PATH] = {};
    if (!m_currentList || !::SHGetPathFromIDListA(m_currentList.get(), folder) || !folder[0]) return false;
    const std::string base = std::string(folder) + (folder[std::strlen(folder) - 1] == '\\' ? "" : "\\") +
                             LoadText(IDS_EXPLORER_NEW_FOLDER);
    for (int n = 1; n < 1000; ++n) {
        const std::string path = n == 1 ? base : base + " (" + std::to_string(n) + ")";
        if (::CreateDirectoryA(path.c_str(), nullptr)) return true;
        if (::GetLastError() != ERROR_ALREADY_EXISTS) return false;
    }
    return false;
}

LRESULT CExplorerPane::OnNewFolder(WORD, WORD, HWND, bool&) {
    if (!m_view) return 0;
    bool made = false;
    ComRef<IContextMenu> menu;
    if (SUCCEEDED(m_view->GetItemObject(SVGIO_BACKGROUND, IID_IContextMenu, menu.PutVoid())) && menu) {
        HMENU popup = ::CreatePopupMenu();
        menu->QueryContextMenu(popup, 0, 1, 256, CMF_NORMAL);
        ComRef<IObjectWithSite> site;
        if (SUCCEEDED(menu->QueryInterface(IID_IObjectWithSite, site.PutVoid())) && site) site->SetSite(m_view.Get());
        CMINVOKECOMMANDINFO invoke{};
        invoke.cbSize = sizeof(invoke);
        invoke.hwnd = m_hWnd;
        invoke.lpVerb = CMDSTR_NEWFOLDERA;
        invoke.nShow = SW_SHOWNORMAL;
        made = SUCCEEDED(menu->InvokeCommand(&invoke));
        if (site) site->SetSite(nullptr);
        ::DestroyMenu(popup);
    }
    // Where the view's menu has no such verb, a folder of our own.
    if (!made && MakeNewFolder()) m_view->Refresh();
    return 0;
}

UINT CExplorerPane::ViewMode() const {
    ComRef<IFolderView> folderView;
    UINT mode = 0;
    if (m_view && SUCCEEDED(m_view->QueryInterface(IID_IFolderView, folderView.PutVoid())) && folderView)
        folderView->GetCurrentViewMode(&mode);
    return mode;
}

void CExplorerPane::SetViewMode(UINT mode) {
    EnsureContent();
    ComRef<IFolderView> folderView;
    if (m_view && SUCCEEDED(m_view->QueryInterface(IID_IFolderView, folderView.PutVoid())) && folderView)
        folderView->SetCurrentViewMode(mode);
}

LRESULT CExplorerPane::OnViewMode(WORD, WORD id, HWND, bool&) {
    for (const auto& mode : kViewModes)
        if (mode.id == id) SetViewMode(mode.mode);
    return 0;
}

void CExplorerPane::TellUser(UINT textId, const char* argument, UINT flags) {
    ::ShowMessage(m_hWnd, argument ? FormatText(textId, {argument}) : LoadText(textId), MB_OK | flags);
}

LRESULT CExplorerPane::OnAddFavorite(WORD, WORD, HWND, bool&) {
    EnsureContent();
    const std::string name =
        m_currentList ? GetDisplayName(m_desktop.Get(), m_currentList.get(), SHGDN_FORPARSING) : std::string();
    switch (FavoriteStore::FromSettings().Add(name)) {
    case FavoriteStore::AddResult::Invalid: TellUser(IDS_FAVORITE_INVALID, nullptr, MB_ICONERROR); break;
    case FavoriteStore::AddResult::Duplicate:
        TellUser(IDS_FAVORITE_EXISTS, GetItemPath(m_currentList.get()).c_str(), MB_ICONWARNING);
        break;
    default: break;
    }
    return 0;
}

LRESULT CExplorerPane::OnOrganize(WORD, WORD, HWND, bool&) {
    m_host.OrganizeFavorites();
    return 0;
}

LRESULT CExplorerPane::OnFavorite(WORD, WORD id, HWND, bool&) {
    EnsureContent();
    const std::string stored = FavoriteStore::FromSettings().At(id - (ID_EXPLORER_FAVORITE_FIRST - 1));
    if (!stored.empty()) BrowseTo(ParseStoredPath(stored), true);
    return 0;
}

void CExplorerPane::ShowMenuUnder(int buttonId, HMENU menu) {
    RECT rect{};
    ::SendMessageA(m_toolbar, TB_GETRECT, buttonId, (LPARAM)&rect);
    ::MapWindowPoints(m_toolbar, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    ::TrackPopupMenu(menu, TPM_LEFTBUTTON, rect.left, rect.bottom, 0, m_hWnd, nullptr);
}

LRESULT CExplorerPane::OnToolbarDropDown(int, NMHDR* header, bool& handled) {
    if (header->hwndFrom != m_toolbar) {
        handled = false;
        return 0;
    }
    const int button = reinterpret_cast<NMTOOLBARA*>(header)->iItem;
    HMENU menu = ::CreatePopupMenu();
    if (button == ID_EXPLORER_BACK || button == ID_EXPLORER_FORWARD) {
        const bool back = button == ID_EXPLORER_BACK;
        (back ? m_back : m_forward).Walk([&](LPCITEMIDLIST list, int slot) {
            const std::string path = GetItemPath(list);
            ::AppendMenuA(menu, MF_STRING, (back ? ID_EXPLORER_BACK_FIRST : ID_EXPLORER_FORWARD_FIRST) + slot,
                          path.c_str());
        });
    } else if (button == ID_EXPLORER_VIEW) {
        const UINT current = ViewMode();
        for (const auto& mode : kViewModes)
            ::AppendMenuA(menu, MF_STRING | (mode.mode == current ? MF_CHECKED : 0), mode.id,
                          LoadText(mode.text).c_str());
    } else if (button == ID_EXPLORER_FAVORITES) {
        const std::vector<std::string> favorites = FavoriteStore::FromSettings().List();
        for (size_t i = 0; i < favorites.size(); ++i) {
            ItemIdList list = ParseStoredPath(favorites[i]);
            char text[MAX_PATH + 16];
            std::snprintf(text, sizeof(text), "&%d %s", (int)i + 1, GetItemPath(list.get()).c_str());
            ::AppendMenuA(menu, MF_STRING, ID_EXPLORER_FAVORITE_FIRST - 1 + i + 1, text);
        }
        if (!favorites.empty()) ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(menu, MF_STRING, ID_EXPLORER_ORGANIZE, LoadText(IDS_ORGANIZE_FAVORITES).c_str());
    }
    if (::GetMenuItemCount(menu) > 0) ShowMenuUnder(button, menu);
    ::DestroyMenu(menu);
    return TBDDRET_DEFAULT;
}

LRESULT CExplorerPane::OnToolbarCustomDraw(int, NMHDR* header, bool&) {
    // The toolbar is transparent and the pane erases nothing (its children
    // cover it), so the band behind the buttons is filled here before every
    // paint, erased or not; else old pixels of whatever lay there stay.
    auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(header);
    if (draw->dwDrawStage == CDDS_PREPAINT) {
        RECT band{};
        ::GetClipBox(draw->hdc, &band);
        ::FillRect(draw->hdc, &band, ::GetSysColorBrush(COLOR_BTNFACE));
    }
    return CDRF_DODEFAULT;
}

LRESULT CExplorerPane::OnToolTip(int, NMHDR* header, bool& handled) {
    auto* tip = reinterpret_cast<NMTTDISPINFOA*>(header);
    for (const TipSpec& spec : kTips) {
        if ((UINT_PTR)spec.id == header->idFrom) {
            tip->hinst = g_instance ? g_instance : ::GetModuleHandleA(nullptr);
            tip->lpszText = MAKEINTRESOURCEA(spec.text);
            return 0;
        }
    }
    handled = false;
    return 0;
}
