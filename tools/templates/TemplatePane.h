#pragma once
// The template pane: a category combo over the template database's tables
// and the list of the chosen category's template names. Picking a name
// (double click or Enter) puts the expanded template into the active
// document at the caret; the list's context menu adds, edits and deletes
// templates. The database is opened for each operation and closed again.
#include <windows.h>

#include <string>
#include <vector>

#include "DockPane.h"
#include "TemplateHost.h"
#include "Window.h"
#include "resource.h"

class CAppSettings;
class CTemplatePane;

// The name list: a list box that selects the item under a right click and
// shows the template menu there, its commands going to the pane.
class CTemplateNameList : public CMsgWindow {
public:
    void SetPane(CTemplatePane* pane) { m_pane = pane; }

    TW_BEGIN_MSG_MAP(CTemplateNameList)
        TW_MESSAGE_HANDLER(WM_RBUTTONDOWN, OnRightButtonDown)
    TW_END_MSG_MAP()

private:
    LRESULT OnRightButtonDown(UINT, WPARAM, LPARAM, bool&);

    CTemplatePane* m_pane = nullptr;
};

class CTemplatePane : public CDockPaneImpl<CTemplatePane> {
public:
    static constexpr const char* kClassName = "CTemplatePane";
    static constexpr int kComboId = 100;
    static constexpr int kListId = 101;

    // databasePath: the template database file; settings: the remembered
    // category and the pane's colours.
    CTemplatePane(ITemplateHost& host, CAppSettings& settings, std::string databasePath);
    ~CTemplatePane() override;

    HWND Combo() const { return m_combo; }
    HWND List() const { return m_list.m_hWnd; }
    const std::string& DatabasePath() const { return m_path; }

    // Refills the combo with the categories and the list with the chosen one's names.
    void FillTables();
    // Refills the list with the names of a category.
    void ReportUnreadable() const;
    void FillNames(const std::string& table);
    // Inserts the template at list index into the active document.
    void InsertTemplate(int index);
    // The enabled state of the context menu's commands now.
    bool CanAdd() const { return !CurrentTable().empty(); }
    bool CanEditOrDelete() const { return CanAdd() && SelectedIndex() >= 0; }

    TW_BEGIN_MSG_MAP(CTemplatePane)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_MESSAGE_HANDLER(WM_GETMINMAXINFO, OnGetMinMaxInfo)
        TW_MESSAGE_HANDLER(WM_VKEYTOITEM, OnVKeyToItem)
        TW_COMMAND_HANDLER(kComboId, CBN_SELCHANGE, OnCategoryChange)
        TW_COMMAND_HANDLER(kListId, LBN_DBLCLK, OnDoubleClick)
        TW_COMMAND_ID_HANDLER(ID_TEMPLATE_EDIT, OnEditOrAdd)
        TW_COMMAND_ID_HANDLER(ID_TEMPLATE_ADD, OnEditOrAdd)
        TW_COMMAND_ID_HANDLER(ID_TEMPLATE_DELETE, OnDelete)
        TW_MESSAGE_HANDLER(WM_CTLCOLORLISTBOX, OnCtlColorListBox)
        TW_CHAIN_MSG_MAP(CDockPaneImpl<CTemplatePane>)
    TW_END_MSG_MAP()

private:
    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnGetMinMaxInfo(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnVKeyToItem(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnCategoryChange(WORD, WORD, HWND, bool&);
    LRESULT OnDoubleClick(WORD, WORD, HWND, bool&);
    LRESULT OnEditOrAdd(WORD, WORD, HWND, bool&);
    LRESULT OnDelete(WORD, WORD, HWND, bool&);
    LRESULT OnCtlColorListBox(UINT, WPARAM, LPARAM, bool&);

    std::string CurrentTable() const;
    int SelectedIndex() const;
    std::string NameAt(int index) const;
    void SetNames(const std::vector<std::string>& names);

    ITemplateHost& m_host;
    CAppSettings& m_settings;
    std::string m_path;
    HWND m_combo = nullptr;
    CTemplateNameList m_list;
    int m_comboHeight = 0;    // closed, for the layout
    int m_droppedHeight = 0;  // with its list dropped
    HICON m_icon = nullptr;
};
