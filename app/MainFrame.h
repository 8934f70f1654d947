#pragma once
// The editor's top-level window: an MDI frame with the menu bar, the
// toolbar in a rebar and the status bar. It receives every command, handles
// the application-wide ones and sends the rest to the active document.
#include <memory>
#include <string>
#include <vector>

#include <dovari.h>

#include "AppMessages.h"
#include "DockSiteFrame.h"
#include "FrameDocument.h"
#include "MessageLoop.h"
#include "RecentFiles.h"
#include "SchemeFont.h"
#include "SearchHost.h"
#include "TabbedMdiClient.h"
#include "TabbedMdiCommandBar.h"
#include "ToolbarBuilder.h"
#include "UpdateUI.h"
#include "Window.h"
#include "ToolEntry.h"
#include "resource.h"

struct PackBufFreer {
    void operator()(PackBuf* buf) const { ::PackBufFree(buf); }
};

class CAppSettings;
class CConsolePane;
struct ConsolePaneDeleter {
    void operator()(CConsolePane* pane) const;
};
class CDocumentFrame;
class CDockPaneBase;
class CFindInFilesParts;
class CFindInFilesRunner;
class CFindResultsPane;
struct FindInFilesPartsDeleter {
    void operator()(CFindInFilesParts* parts) const;
};
class CExplorerParts;
class CExplorerPane;
struct ExplorerPartsDeleter {
    void operator()(CExplorerParts* parts) const;
};
class CSymbolParts;
enum class DocumentEvent;
class CSymbolPane;
struct SymbolPartsDeleter {
    void operator()(CSymbolParts* parts) const;
};
class CMainFrameDocumentOwner;
class CMainFrameLayout;
struct CMainFrameLayoutDeleter {
    void operator()(CMainFrameLayout* layout) const;
};
class CTemplatePane;
class CTemplateParts;
struct TemplatePartsDeleter {
    void operator()(CTemplateParts* parts) const;
};

// Called once per document in tab order; returning 0 stops the walk.
using DocumentCallback = int (*)(IFrameDocument* document, void* argument, void* result);

class CMainFrame : public CDockSiteFrame, public IMessageLoopFilter, public IIdleHandler, public ISearchHost {
public:
    CMainFrame();
    ~CMainFrame() override;

    // No parent, default position and size, title string 1 and menu 1.
    bool CreateMainWindow();
    // Opens a file in a document window, or activates the one that shows it
    // already; null when it cannot.
    CDocumentFrame* OpenDocument(const char* path, EncodingCode openType, bool addToRecent);
    // The open document of a path, compared by short path; null for none.
    CDocumentFrame* FindDocumentFrame(const char* path) const;
    // Null path: an untitled document.
    CDocumentFrame* CreateDocumentFrame(const char* path, bool binary);
    // The start's own names (StartFiles), each failure told in one message.
    void OpenStartFiles();
    // The recent-file list, in the registry under recentRoot (HKEY_CURRENT_USER).
    void AddToRecent(const char* path);
    void ReadRecentFiles();
    void WriteRecentFiles();
    void SetRecentFileCount(int count);
    void OpenRecentFile(UINT id);
    const CRecentFiles& RecentFiles() const { return m_recentFiles; }
    void SetRecentFilesRoot(HKEY root) { m_recentRoot = root; }
    HWND MdiClientWindow() const { return m_mdiClient; }
    CMdiTabOwner& TabOwner() { return m_tabbedClient.TabOwner(); }
    const CMdiTabOwner& TabOwner() const { return m_tabbedClient.TabOwner(); }
    HWND StatusBar() const { return m_statusBar; }
    HWND Rebar() const { return m_rebar; }
    HWND Toolbar() const { return m_toolbar; }
    // The menu bar's menu: the command bar shows it, the frame has none of its own.
    HMENU Menu() const { return m_menu; }
    CTabbedMdiCommandBar& CommandBar() { return m_commandBar; }
    // Rebar band 0 (the command bar) and band 1 (the toolbar).
    bool IsMenuBarVisible() const;
    bool IsToolbarVisible() const;
    PackBuf* ToolBuffer() const { return m_packBuf.get(); }
    // True when any open document has unsaved changes.
    bool HasModifiedDocument() const;

    // The active MDI child, or null.
    HWND GetActiveMdiChild() const;
    // The document windows in tab order.
    std::vector<HWND> DocumentWindows() const;
    void EnumDocuments(DocumentCallback callback, void* argument, void* result) const;
    // Makes the pane of show command id (ID_PANE_EXPLORER to ID_PANE_FIND_RESULTS2) visible.
    void ShowPane(UINT id);
    // Find-results pane 2 when second is set, else pane 1; null before they exist.
    CFindResultsPane* GetFindResultsPane(bool second) const;
    CFindInFilesRunner* FindInFilesRunner() const;
    // Null before it exists (MainFrameSymbols.cpp, MainFrameExplorer.cpp).
    CSymbolPane* GetSymbolPane() const;
    CExplorerPane* GetExplorerPane() const;
    // The explorer pane shows the file's folder with the file selected.
    void LocateFile(const char* path);
    // A document frame's load, save, activation or end, for the panes.
    void DocumentChanged(CDocumentFrame& document, DocumentEvent event);
    // The pane colours of the settings, after the colours page changed them.
    void RecolourPanes(const CAppSettings& settings);
    // True until the start-up session has been restored.
    bool IsStarting() const { return m_starting; }
    // Null before it exists, or without settings.
    CTemplatePane* GetTemplatePane() const;
    // The command pane (ID_PANE_CONSOLE); null before it exists.
    CConsolePane* ConsolePane() const;
    // The user tools (MainFrameTools.cpp): the Tools menu's items 600 and
    // on from the "TOOL" section, with their shortcuts added to the entries
    // given (at most 80); the number of shortcuts added.
    int BuildToolsMenu(std::vector<ACCEL>* accelerators);
    // The items again, then the keyboard map with their shortcuts.
    void RebuildToolsMenu();
    void RunTool(UINT id);
    void EnableSearchButtons(bool enable) override;
    // The find and replace dialogs' view of the documents.
    CViewSearch* ActiveSearch() override;
    void ForEachSearch(const std::function<bool(CViewSearch&)>& call) override;
    uint32_t EditorMask() const override;
    // Part 4 of the status bar; null or "" for none.
    void SetStatusMessage(const char* text);
    // Parts 0-3 from the active document; all parts empty without one.
    void UpdateStatusBar();
    // Asks every document to close (WM_DOC_CLOSE first when markClosing).
    void CloseAllDocuments(bool markClosing);
    // Collects the modified documents and saves them, asking first when ask
    // is set; false when closing must stop (cancelled, or a save failed).
    bool SaveAllDocuments(bool ask);
    // The open documents, in tab order, into a session file; false when not written.
    bool SaveSession(const std::string& path);
    // Opens the documents of a session file and brings its active one to the top.
    void LoadSession(const std::string& path);
    // Saves what the user chooses, writes "session.xml" and closes every
    // document; false when the user cancelled.
    bool SaveDefaultSession();
    std::string DefaultSessionPath() const;
    // Escape in a document: leaves a screen mode when one is on; true when it did.
    bool HandleEscape();
    // Starts the updater when forced, on the first check ever, or once
    // "UpdateInterval" days have passed since "LastUpdate", and then writes
    // today into "LastUpdate" (MainFrameUpdate.cpp).
    void CheckForUpdate(bool force, bool silent);
    // Window layouts (MainFrameLayout.cpp): "default.ui" restored (or made)
    // at start and written at close; the "\ui" folder's files in the Window
    // menu's layouts submenu.
    void RestoreLayout();
    void SaveLayout();
    void RestoreLayoutFile(const std::string& path);
    void BuildLayoutMenu();
    std::string DefaultLayoutPath() const;
    const CMainFrameLayout* Layout() const { return m_layout.get(); }
    // Screen modes (MainFrameScreenModes.cpp): the hidden title bar (command
    // ID_VIEW_HIDE_TITLE) and the document area over the whole screen
    // (ID_VIEW_FULL_SCREEN); both left before the layout is saved.
    void ToggleFullScreen();
    void ToggleDocumentFullScreen();
    void LeaveScreenModes();
    bool IsTitleBarHidden() const { return m_hideTitleBar; }
    bool IsDocumentFullScreen() const;
    // Font schemes (MainFrameFontSchemes.cpp): the scheme's font for the
    // hex views; every open document restyled from the chosen scheme.
    void LoadStyleFont(int index);
    void RestyleDocuments();
    const SchemeFont& StyleFont() const { return m_schemeFont; }
    int FontScheme() const { return m_fontScheme; }
    // Tracks the first submenu of a menu resource at a screen point.
    static void ShowPopupMenu(HWND owner, UINT menuId, int x, int y);

    // The keyboard map (MainFrameKeymap.cpp): the accelerator table from
    // "keymap.key", or from the built-in shortcuts when the file is missing
    // or not valid, followed by the user tools' accelerators (at most 80),
    // and the menus' shortcut texts from it. Called at creation and after
    // every write of the key file.
    void LoadKeymap(const std::vector<ACCEL>& toolAccelerators = {});
    // Each entry's shortcut after a tab in its command's item; a command
    // with several entries shows the last one, one without an item is skipped.
    static void UpdateMenuShortcuts(HMENU menu, const ACCEL* entries, size_t count);
    std::string KeymapPath() const;
    HACCEL Accelerators() const { return m_accelerators; }
    const std::vector<ACCEL>& KeymapEntries() const { return m_keymapEntries; }

    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnIdle() override;

    TW_BEGIN_MSG_MAP(CMainFrame)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_ACTIVATE, OnActivate)
        TW_MESSAGE_HANDLER(WM_CLOSE, OnClose)
        TW_MESSAGE_HANDLER(WM_INITMENUPOPUP, OnInitMenuPopup)
        TW_MESSAGE_HANDLER(WM_MENUSELECT, OnMenuSelect)
        TW_MESSAGE_HANDLER(WM_LBUTTONDBLCLK, OnClientDoubleClick)
        TW_REGISTERED_MESSAGE_HANDLER(m_instanceMessage, OnInstanceMessage)
        TW_REGISTERED_MESSAGE_HANDLER(m_saveFlushMessage, OnSaveFlushMessage)
        TW_MESSAGE_HANDLER(WM_SYSCOLORCHANGE, OnSendToDescendants)
        TW_MESSAGE_HANDLER(WM_SETTINGCHANGE, OnSendToDescendants)
        TW_MESSAGE_HANDLER(WM_GETMINMAXINFO, OnGetMinMaxInfo)
        TW_MESSAGE_HANDLER(WM_CONTEXTMENU, OnToolbarContextMenu)
        TW_COMMAND_RANGE_HANDLER(ID_SEARCH_FIND, ID_SEARCH_REPLACE, OnFindReplace)
        TW_COMMAND_ID_HANDLER(ID_FILE_CLOSE_OTHERS, OnCloseOthers)
        TW_COMMAND_ID_HANDLER(ID_FILE_CLOSE_ALL, OnCloseAll)
        TW_COMMAND_ID_HANDLER(ID_FILE_LOAD_WORKSPACE, OnOpenSessionFile)
        TW_COMMAND_ID_HANDLER(ID_FILE_SAVE_WORKSPACE, OnSaveSessionAs)
        TW_COMMAND_ID_HANDLER(ID_APP_EXIT, OnExit)
        TW_COMMAND_RANGE_HANDLER(ID_EDIT_CUT, ID_EDIT_PASTE, OnClipboardCommand)
        TW_COMMAND_RANGE_HANDLER(ID_VIEW_MENUBAR, ID_VIEW_TOOLBAR, OnToggleBar)
        TW_COMMAND_ID_HANDLER(ID_VIEW_STATUS_BAR, OnToggleStatusBar)
        TW_COMMAND_ID_HANDLER(ID_SEARCH_HELP, OnContextHelp)
        TW_COMMAND_RANGE_HANDLER(ID_WINDOW_NEXT, ID_WINDOW_PREV, OnNextPreviousTab)
        TW_COMMAND_RANGE_HANDLER(ID_PANE_EXPLORER, ID_PANE_FIND_RESULTS2, OnTogglePane)
        TW_COMMAND_ID_HANDLER(ID_WINDOW_TOPMOST, OnTopmost)
        TW_COMMAND_RANGE_HANDLER(ID_WINDOW_CASCADE, ID_WINDOW_ARRANGE, OnArrangeWindows)
        TW_COMMAND_RANGE_HANDLER(ID_HELP_TOPICS, ID_HELP_HOME_PAGE, OnOpenWebLink)
        TW_COMMAND_RANGE_HANDLER(ID_HELP_FEEDBACK, ID_HELP_DONATE, OnOpenWebLink)
        TW_COMMAND_ID_HANDLER(ID_HELP_CHECK_UPDATE, OnCheckForUpdate)
        TW_COMMAND_ID_HANDLER(ID_APP_ABOUT, OnAbout)
        TW_COMMAND_RANGE_HANDLER(ID_WINDOW_LIST_FIRST, ID_WINDOW_LIST_LAST, OnWindowListItem)
        TW_COMMAND_RANGE_HANDLER(ID_LANGUAGE_FIRST, ID_LANGUAGE_LAST, OnLanguage)
        // Commands of later pieces: kept from the documents until they come.
        TW_COMMAND_ID_HANDLER(ID_FILE_NEW, OnFileNew)
        TW_COMMAND_ID_HANDLER(ID_FILE_OPEN, OnFileOpen)
        TW_COMMAND_ID_HANDLER(ID_FILE_SAVE_ALL, OnSaveAll)
        TW_COMMAND_RANGE_HANDLER(ID_FILE_MRU_FIRST, ID_FILE_MRU_LAST, OnRecentFile)
        TW_MESSAGE_HANDLER(WM_DROPFILES, OnDropFiles)
        TW_COMMAND_RANGE_HANDLER(ID_VIEW_HIDE_TITLE, ID_VIEW_FULL_SCREEN, OnScreenMode)
        TW_COMMAND_ID_HANDLER(ID_SEARCH_FIND_IN_FILES, OnFindInFiles)
        TW_COMMAND_RANGE_HANDLER(ID_FILE_EXPORT_HTML, ID_FILE_EXPORT_TEX, OnExport)
        TW_COMMAND_ID_HANDLER(ID_EDIT_COPY_RTF, OnCopyAsRtf)
        TW_COMMAND_ID_HANDLER(ID_TOOLS_FILE_PROPERTIES, OnFileStatistics)
        TW_COMMAND_RANGE_HANDLER(ID_TOOL_FIRST, ID_TOOL_LAST, OnTool)
        TW_COMMAND_RANGE_HANDLER(ID_OPTIONS_FIRST, ID_OPTIONS_LAST, OnOptions)
        TW_COMMAND_RANGE_HANDLER(ID_LAYOUT_LOAD, ID_LAYOUT_SAVE, OnLayoutFile)
        TW_COMMAND_RANGE_HANDLER(ID_LAYOUT_FIRST, ID_LAYOUT_LAST, OnLayoutFromMenu)
        TW_COMMAND_RANGE_HANDLER(ID_FONT_SCHEME_FIRST, ID_FONT_SCHEME_LAST, OnFontScheme)
        TW_MESSAGE_HANDLER(WM_COMMAND, OnForwardCommand)
        TW_MESSAGE_HANDLER(WM_RESTORESESSION, OnRestoreSession)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_NOTIFY_CODE_HANDLER(RBN_HEIGHTCHANGE, OnRebarHeightChange)
        TW_NOTIFY_CODE_HANDLER(TBN_DROPDOWN, OnToolbarDropDown)
        TW_MESSAGE_HANDLER(WM_ENDSESSION, OnEndSession)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
        TW_CHAIN_MSG_MAP_MEMBER(m_updateUI)
        TW_CHAIN_MSG_MAP(CDockSiteFrame)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override;
    // The client less the rebar and the status bar.
    RECT DockingRect() override;

private:
    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnActivate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnClose(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnInitMenuPopup(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnMenuSelect(UINT, WPARAM, LPARAM, bool&) { return 0; }
    LRESULT OnClientDoubleClick(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnInstanceMessage(UINT, WPARAM, LPARAM, bool&);
    // kLastSaveFlushMessageName: the last save's flush time, in microseconds.
    LRESULT OnSaveFlushMessage(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSendToDescendants(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnGetMinMaxInfo(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnToolbarContextMenu(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnRestoreSession(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnRebarHeightChange(int, NMHDR*, bool&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnEndSession(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnLayoutFile(WORD, WORD, HWND, bool&);
    LRESULT OnLayoutFromMenu(WORD, WORD, HWND, bool&);
    LRESULT OnScreenMode(WORD, WORD, HWND, bool&);
    LRESULT OnToolbarDropDown(int, NMHDR*, bool&);
    LRESULT OnFontScheme(WORD, WORD, HWND, bool&);

    LRESULT OnFindReplace(WORD, WORD, HWND, bool&);
    LRESULT OnFindInFiles(WORD, WORD, HWND, bool&);
    // Exports, copy as RTF and the file statistics of the active editor
    // document (MainFrameExport.cpp).
    LRESULT OnExport(WORD, WORD, HWND, bool&);
    LRESULT OnCopyAsRtf(WORD, WORD, HWND, bool&);
    LRESULT OnFileStatistics(WORD, WORD, HWND, bool&);
    LRESULT OnCloseOthers(WORD, WORD, HWND, bool&);
    LRESULT OnCloseAll(WORD, WORD, HWND, bool&);
    LRESULT OnOpenSessionFile(WORD, WORD, HWND, bool&);
    LRESULT OnSaveSessionAs(WORD, WORD, HWND, bool&);
    LRESULT OnExit(WORD, WORD, HWND, bool&);
    LRESULT OnClipboardCommand(WORD, WORD, HWND, bool&);
    LRESULT OnToggleBar(WORD, WORD, HWND, bool&);
    LRESULT OnToggleStatusBar(WORD, WORD, HWND, bool&);
    LRESULT OnContextHelp(WORD, WORD, HWND, bool&);
    LRESULT OnNextPreviousTab(WORD, WORD, HWND, bool&);
    LRESULT OnTogglePane(WORD, WORD, HWND, bool&);
    LRESULT OnTopmost(WORD, WORD, HWND, bool&);
    LRESULT OnArrangeWindows(WORD, WORD, HWND, bool&);
    // The Help menu's links, the update check and the about box (MainFrameUpdate.cpp).
    LRESULT OnOpenWebLink(WORD, WORD, HWND, bool&);
    LRESULT OnCheckForUpdate(WORD, WORD, HWND, bool&);
    LRESULT OnAbout(WORD, WORD, HWND, bool&);
    // Starts the updater from the program folder, silently (" /S") when the
    // low word of id is 0; not waited for.
    void LaunchUpdater(UINT id);
    LRESULT OnWindowListItem(WORD, WORD, HWND, bool&);
    // The Language menu (MainFrameLanguage.cpp).
    void FillLanguageMenu();
    LRESULT OnLanguage(WORD, WORD, HWND, bool&);
    // Commands not built yet, shown disabled: each range is in kPendingCommands.
    LRESULT OnPendingCommand(WORD, WORD, HWND, bool&) { return 0; }
    // The options dialog on the page of the command (MainFrameOptions.cpp).
    LRESULT OnOptions(WORD, WORD, HWND, bool&);
    LRESULT OnFileNew(WORD, WORD, HWND, bool&);
    LRESULT OnFileOpen(WORD, WORD, HWND, bool&);
    LRESULT OnSaveAll(WORD, WORD, HWND, bool&);
    LRESULT OnRecentFile(WORD, WORD, HWND, bool&);
    LRESULT OnDropFiles(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnForwardCommand(UINT, WPARAM, LPARAM, bool&);

    bool CreateBars();
    void UpdateLayout();
    void BringToFront();
    bool IsStatusBarVisible() const;
    void ShowStatusBar(bool show);
    void RebuildWindowList(HMENU windowMenu);
    void ActivateDocument(HWND document);
    void AddTabImages();
    // The document windows, topmost first.
    std::vector<HWND> DocumentWindowsInZOrder() const;
    static FrameDocumentState DescribeOrEmpty(IFrameDocument* document);
    HMENU RecentFilesMenu() const;
    void AttachRecentFiles();
    void CreateFindResultsPanes();
    void CreateSymbolPane();
    void CreateExplorerPane();
    // The template and explorer panes share the symbol pane's tab docking box.
    void GroupLeftPanes();
    // The active document's symbols, once the start-up session is restored.
    void ShowActiveSymbols();
    void CreateTemplatePane();
    void CreateConsolePane();
    // A keystroke for the command pane's view.
    bool IsConsoleKey(const MSG& msg) const;
    LRESULT OnTool(WORD, WORD, HWND, bool&);
    void UpdateToolItems(HMENU popup, const std::string& documentPath);
    void RunToolCommand(const std::string& text, const ToolEntry& tool, CDocumentFrame* document);
    // Stops every running search and waits for it; before the panes go.
    void StopFindInFiles();
    // The pane of a show command, when it exists.
    CDockPaneBase* PaneOfCommand(UINT id) const;
    bool IsPaneShown(UINT id) const;
    void UpdatePaneChecks();
    void RebuildRecentMenu();

    CUpdateUI m_updateUI;
    CTabbedMdiCommandBar m_commandBar;
    CTabbedMdiClient m_tabbedClient;
    HMENU m_menu = nullptr;                 // ours: taken from the window at creation
    HMENU m_menuPopups[MENU_POS_WINDOW + 1] = {};
    int m_windowMenuOwnItems = 0;
    HWND m_rebar = nullptr;
    HWND m_toolbar = nullptr;
    HWND m_statusBar = nullptr;
    HWND m_mdiClient = nullptr;
    UniqueImageList m_toolbarImages;
    UniqueImageList m_toolbarDisabledImages;
    UINT m_instanceMessage = 0;
    UINT m_saveFlushMessage = 0;
    HACCEL m_accelerators = nullptr;
    std::vector<ACCEL> m_keymapEntries;  // what m_accelerators was made from
    bool m_hideTitleBar = false;
    void ReportOpenFailure(const char* path, const std::string& reason);
    bool m_starting = true;
    // While the start's own names open: their failures, for one message.
    std::vector<std::string>* m_startFailures = nullptr;
    bool m_isXpOrLater = false;
    std::unique_ptr<PackBuf, PackBufFreer> m_packBuf;
    std::unique_ptr<CMainFrameDocumentOwner> m_documentOwner;
    std::unique_ptr<CMainFrameLayout, CMainFrameLayoutDeleter> m_layout;
    SchemeFont m_schemeFont;
    int m_fontScheme = 1;  // "FONT"/"CurSel"
    CRecentFiles m_recentFiles;
    CSearchButtonsGate m_searchGate;  // the open find, replace and find-in-files dialogs
    // Explorer, template, symbol, command, find results 1 and 2 (ID_PANE_EXPLORER to ID_PANE_FIND_RESULTS2).
    CDockPaneBase* m_paneOfCommand[6] = {};
    std::unique_ptr<CFindInFilesParts, FindInFilesPartsDeleter> m_findInFiles;
    std::unique_ptr<CSymbolParts, SymbolPartsDeleter> m_symbols;
    std::unique_ptr<CExplorerParts, ExplorerPartsDeleter> m_explorer;
    std::unique_ptr<CTemplateParts, TemplatePartsDeleter> m_templates;
    std::unique_ptr<CConsolePane, ConsolePaneDeleter> m_consolePane;
    std::vector<ToolLine> m_tools;  // the Tools menu's items 600 and on, as built
    HKEY m_recentRoot = HKEY_CURRENT_USER;
    HMENU m_recentMenu = nullptr;
    std::string m_recentEmptyText = "(empty)";
};
