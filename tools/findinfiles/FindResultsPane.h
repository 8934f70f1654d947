#pragma once
// A dockable pane listing what find in files found, one line per match; a
// picked line opens its file at that line. Searches write into it from
// their own threads by sending its window the lines (PaneResultSink.h),
// so the list and its measuring stay on the pane's thread.
#include <windows.h>

#include <string>

#include "DockPane.h"
#include "FindInFilesHost.h"
#include "PaneResultSink.h"
#include "UniqueHandle.h"

class CAppSettings;

// What the pane draws with, handed down by whoever makes it. The colours
// point at the settings' own fields, so new colours show at the next paint.
struct ResultPaneLook {
    HFONT font = nullptr;                  // the list's font; none keeps the system's
    HDC measureDc = nullptr;               // holds that font, for the lines' widths; none: the list's own DC
    const COLORREF* textColour = nullptr;  // none: the list's own colours
    const HBRUSH* backBrush = nullptr;
};

// The look of pane index (1 or 2) from the settings' colours of that pane.
ResultPaneLook ResultPaneLookOf(const CAppSettings& settings, int index, HFONT font, HDC measureDc);

class CFindResultsPane : public CDockPaneImpl<CFindResultsPane> {
public:
    static constexpr const char* kClassName = "CFindResultsPane";
    static constexpr int kListId = 100;

    // index 1 or 2: the first or the second pane.
    CFindResultsPane(int index, IResultFileOpener& opener, const ResultPaneLook& look);
    ~CFindResultsPane() override;

    int Index() const { return m_index; }
    HWND List() const { return m_list; }
    // Each is a send to the pane window: from any thread, it returns once done.
    void Clear();
    void AddText(const char* text);
    void AddResultLine(const char* path, int line, const char* text);
    // Opens the file of list item index at its line; nothing for a line
    // that names none.
    void OpenResultLine(int index);

    // The pane's own messages before the docking base's, so that its
    // minimum size is its own.
    TW_BEGIN_MSG_MAP(CFindResultsPane)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_MESSAGE_HANDLER(WM_GETMINMAXINFO, OnGetMinMaxInfo)
        TW_MESSAGE_HANDLER(WM_VKEYTOITEM, OnVKeyToItem)
        TW_COMMAND_HANDLER(kListId, LBN_DBLCLK, OnDoubleClick)
        TW_MESSAGE_HANDLER(WM_CTLCOLORLISTBOX, OnCtlColorListBox)
        TW_MESSAGE_HANDLER(WM_FINDRESULTS_ADDTEXT, OnAddText)
        TW_MESSAGE_HANDLER(kClearMessage, OnClear)
        TW_MESSAGE_HANDLER(WM_TIMER, OnRedrawTimer)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
        TW_CHAIN_MSG_MAP(CDockPaneImpl<CFindResultsPane>)
    TW_END_MSG_MAP()

private:
    static constexpr UINT kClearMessage = WM_APP + 3;
    static constexpr UINT_PTR kRedrawTimer = 0x4652;
    static constexpr UINT kRedrawDelayMs = 100;

    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnGetMinMaxInfo(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnVKeyToItem(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDoubleClick(WORD, WORD, HWND, bool&);
    LRESULT OnCtlColorListBox(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnAddText(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnClear(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnRedrawTimer(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool&);

    int SelectedIndex() const;
    // Pixel width of the text in the list's font.
    int MeasureText(const char* text) const;

    int m_index;
    IResultFileOpener& m_opener;
    ResultPaneLook m_look;
    HWND m_list = nullptr;
    UniqueIcon m_icon;
    int m_widest = 0;
    bool m_redrawPending = false;
};
