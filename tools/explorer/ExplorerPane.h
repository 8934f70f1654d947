#pragma once
// CExplorerPane: the dockable pane that browses the file system with the
// platform's folder view, hosted here with CExplorerBrowser as its shell
// browser. Above the view: the path combo and the toolbar (back, forward,
// up, delete, new folder, view type, favourites); below it: the filter.
// A double click on a file opens it in the editor.
//
// The content (the controls, the system image list, the folder view and its
// first browse) costs a good part of a start, and the pane usually starts as
// a tab behind another: so the window makes it when it is first seen (shown,
// or painted because its container was), or when a caller needs it; until
// then it has its icon and title only.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "DockPane.h"
#include "ExplorerBrowser.h"
#include "ExplorerLogic.h"
#include "HistoryRing.h"
#include "ShellItems.h"
#include "UniqueHandle.h"
#include "resource.h"

// What the pane asks of the main frame.
class IExplorerPaneHost {
public:
    virtual ~IExplorerPaneHost() = default;
    virtual void OpenDocument(const char* path) = 0;
    // The options dialog on its favourites page.
    virtual void OrganizeFavorites() = 0;
};

class CExplorerPane : public CDockPaneImpl<CExplorerPane>, public IExplorerBrowserOwner {
public:
    static constexpr const char* kClassName = "CExplorerPane";
    static constexpr int kPathComboId = 101;
    static constexpr int kFilterComboId = 102;
    static constexpr int kToolbarId = 108;
    // The documents folder in "USER"/"path".
    static constexpr const char* kDocumentsPath = "::{450d8fba-ad25-11d0-98a8-0800361b1103}";

    explicit CExplorerPane(IExplorerPaneHost& host);
    ~CExplorerPane() override;

    // Takes the list; history records the folder left behind.
    void BrowseTo(ItemIdList list, bool recordHistory);
    // A typed folder path; false (with the message IDS_FOLDER_NOT_FOUND) when it is no folder.
    bool BrowseToPath(const std::string& path);
    // Text as typed: the part between parentheses, when it has them.
    void ApplyFilter(const std::string& text);
    void ApplyPattern(const std::string& pattern);
    // Browses to the file's folder and selects it there.
    void SelectFile(const std::string& path);
    // Writes "USER" path and filter, and lets the view go; a pane never
    // built writes nothing.
    void SaveState();

    LPCITEMIDLIST CurrentList() const { return m_currentList.get(); }
    std::string CurrentPath() const { return GetItemPath(m_currentList.get()); }
    IShellView* View() const { return m_view.Get(); }
    HWND ViewWindow() const { return m_viewWindow; }
    HWND Toolbar() const { return m_toolbar; }
    HWND FilterCombo() const { return m_filterCombo; }
    HWND PathCombo() const { return m_pathCombo; }
    const std::string& Pattern() const { return m_pattern; }
    bool IsButtonEnabled(int id) const;
    // The view's mode (FVM_*), 0 without a view.
    UINT ViewMode() const;
    void SetViewMode(UINT mode);

    // IExplorerBrowserOwner
    HWND BrowserWindow() const override { return m_hWnd; }
    HWND BrowserToolbar() const override { return m_toolbar; }
    IShellView* ActiveView() const override { return m_view.Get(); }
    HRESULT DefaultCommand(IShellView* view) override;
    void StateChange(IShellView* view, ULONG change) override;
    bool Include(IShellView* view, LPCITEMIDLIST item) override;

    TW_BEGIN_MSG_MAP(CExplorerPane)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_MESSAGE_HANDLER(WM_WINDOWPOSCHANGED, OnPosChanged)
        TW_MESSAGE_HANDLER(WM_PAINT, OnPaint)
        TW_MESSAGE_HANDLER(kBuildContentMessage, OnBuildContent)
        TW_MESSAGE_HANDLER(WM_ERASEBKGND, OnEraseBackground)
        TW_MESSAGE_HANDLER(WM_GETMINMAXINFO, OnGetMinMaxInfo)
        TW_MESSAGE_HANDLER(WM_CTLCOLOREDIT, OnCtlColorEdit)
        TW_MESSAGE_HANDLER(kBrowseChosenMessage, OnBrowseChosen)
        TW_COMMAND_HANDLER(kFilterComboId, CBN_SELCHANGE, OnFilterChosen)
        TW_COMMAND_HANDLER(kPathComboId, CBN_DROPDOWN, OnPathDropDown)
        TW_COMMAND_HANDLER(kPathComboId, CBN_SELCHANGE, OnPathChosen)
        // A mouse pick confirms the item before the list closes, and its
        // selection change only follows the close, when the items are gone.
        TW_COMMAND_HANDLER(kPathComboId, CBN_SELENDOK, OnPathChosen)
        TW_COMMAND_HANDLER(kPathComboId, CBN_CLOSEUP, OnPathCloseUp)
        TW_COMMAND_ID_HANDLER(ID_EXPLORER_BACK, OnBack)
        TW_COMMAND_ID_HANDLER(ID_EXPLORER_FORWARD, OnForward)
        TW_COMMAND_ID_HANDLER(ID_EXPLORER_UP, OnUp)
        TW_COMMAND_ID_HANDLER(ID_EXPLORER_DELETE, OnDelete)
        TW_COMMAND_ID_HANDLER(ID_EXPLORER_NEW_FOLDER, OnNewFolder)
        TW_COMMAND_ID_HANDLER(ID_EXPLORER_ADD_FAVORITE, OnAddFavorite)
        TW_COMMAND_ID_HANDLER(ID_EXPLORER_ORGANIZE, OnOrganize)
        TW_COMMAND_RANGE_HANDLER(ID_EXPLORER_VIEW_ICONS, ID_EXPLORER_VIEW_DETAILS, OnViewMode)
        TW_COMMAND_RANGE_HANDLER(ID_EXPLORER_FAVORITE_FIRST, ID_EXPLORER_FAVORITE_LAST, OnFavorite)
        TW_COMMAND_RANGE_HANDLER(ID_EXPLORER_BACK_FIRST, ID_EXPLORER_FORWARD_FIRST + 49, OnHistoryItem)
        TW_NOTIFY_CODE_HANDLER(TBN_DROPDOWN, OnToolbarDropDown)
        TW_NOTIFY_HANDLER(kToolbarId, NM_CUSTOMDRAW, OnToolbarCustomDraw)
        TW_NOTIFY_CODE_HANDLER(TTN_GETDISPINFOA, OnToolTip)
        TW_NOTIFY_CODE_HANDLER(CBEN_ENDEDITA, OnEndEdit)
        TW_NOTIFY_CODE_HANDLER(CBEN_ENDEDITW, OnEndEdit)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
        TW_CHAIN_MSG_MAP(CDockPaneImpl<CExplorerPane>)
    TW_END_MSG_MAP()

private:
    static constexpr UINT kBrowseChosenMessage = WM_APP + 21;
    static constexpr UINT kBuildContentMessage = WM_APP + 22;
    enum class Content { Missing, Building, Built };
    struct PathItem {
        ItemIdList list;
        int indent;
    };

    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnPosChanged(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnPaint(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnBuildContent(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnEraseBackground(UINT, WPARAM, LPARAM, bool&) { return 0; }
    LRESULT OnGetMinMaxInfo(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnCtlColorEdit(UINT, WPARAM, LPARAM, bool&) { return (LRESULT)::GetSysColorBrush(COLOR_WINDOW); }
    LRESULT OnBrowseChosen(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnFilterChosen(WORD, WORD, HWND, bool&);
    LRESULT OnPathDropDown(WORD, WORD, HWND, bool&);
    LRESULT OnPathChosen(WORD, WORD, HWND, bool&);
    LRESULT OnPathCloseUp(WORD, WORD, HWND, bool&);
    LRESULT OnBack(WORD, WORD, HWND, bool&);
    LRESULT OnForward(WORD, WORD, HWND, bool&);
    LRESULT OnUp(WORD, WORD, HWND, bool&);
    LRESULT OnDelete(WORD, WORD, HWND, bool&);
    LRESULT OnNewFolder(WORD, WORD, HWND, bool&);
    LRESULT OnAddFavorite(WORD, WORD, HWND, bool&);
    LRESULT OnOrganize(WORD, WORD, HWND, bool&);
    LRESULT OnViewMode(WORD, WORD, HWND, bool&);
    LRESULT OnFavorite(WORD, WORD, HWND, bool&);
    LRESULT OnHistoryItem(WORD, WORD, HWND, bool&);
    LRESULT OnToolbarDropDown(int, NMHDR*, bool&);
    LRESULT OnToolTip(int, NMHDR*, bool&);
    LRESULT OnToolbarCustomDraw(int, NMHDR*, bool&);
    LRESULT OnEndEdit(int, NMHDR*, bool&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool&);

    // The content once: the calls made while it is being built go on without it.
    void EnsureContent();
    // Built from the message loop, if the pane is still visible then.
    void RequestContent();
    void BuildContent();
    // The combos, the filter, the image lists, the toolbar, and the stored folder browsed.
    void MakeContent();
    bool CreateToolbar();
    void FillFilterCombo();
    void Layout();
    void UpdateButtons(LPCITEMIDLIST list);
    bool CreateView(IShellFolder* folder);
    void ReleaseView();
    void ShowPathInCombo(LPCITEMIDLIST list);
    void AddPathItem(int index, LPCITEMIDLIST list, const std::string& text, int indent);
    // Frees every item's record and empties the list; the edit part shows the current folder.
    void ClearPathItems();
    void StepHistory(HistoryRing& from, HistoryRing& to);
    void ShowMenuUnder(int buttonId, HMENU menu);
    // A message box of string textId (with argument for its %s), product-captioned.
    void TellUser(UINT textId, const char* argument, UINT flags);
    // The stored path parsed, the desktop directory mapped to the desktop;
    // the documents folder when it cannot be had.
    ItemIdList ParseStoredPath(const std::string& path) const;
    // Makes a folder "新建文件夹" (numbered when taken) in the current folder.
    bool MakeNewFolder();

    IExplorerPaneHost& m_host;
    Content m_content = Content::Missing;
    bool m_buildRequested = false;
    CExplorerBrowser m_browser{*this};
    ComRef<IShellFolder> m_desktop;
    ComRef<IShellFolder> m_folder;
    ComRef<IShellView> m_view;
    HWND m_viewWindow = nullptr;
    RECT m_viewRect{};
    bool m_firstLayout = true;
    HWND m_pathCombo = nullptr;
    int m_pathHeight = 0;
    HWND m_toolbar = nullptr;
    HWND m_filterCombo = nullptr;
    UniqueImageList m_images;
    UniqueImageList m_disabledImages;
    UniqueIcon m_icon;
    std::string m_pattern;
    std::vector<FilterChoice> m_filterChoices;
    HistoryRing m_back, m_forward;
    ItemIdList m_documentsList;
    ItemIdList m_desktopList;
    ItemIdList m_currentList;
    ItemIdList m_chosenList;  // chosen last in the path combo
    UINT m_idListFormat = 0;
};
