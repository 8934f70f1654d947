#pragma once
// The small child window of the frame that holds the document tab strip,
// directly above (or below) the MDI client. It turns the strip's clicks into
// document activation and closing, and right clicks into WM_DOC_TABMENU.
#include "DotNetTabCtrl.h"
#include "Window.h"

// (MulDiv(24, h, 11) - 24) / 2 + 24 for a font height h.
int MdiTabHeightForFont(int fontHeight);

class CMdiTabOwner : public CMsgWindow {
public:
    static constexpr DWORD kWindowStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    // The strip hangs from its top edge when it sits under the client.
    static constexpr DWORD kTabsAtBottom = TSS_TABSATTOP;

    // A hidden child of the frame; does nothing when it exists already.
    bool CreateOwner(HWND frame, HWND mdiClient);

    void SetTabsHidden(bool hide);
    void UpdateTabHeight();
    void SetTabHeight(int height);
    void ShowTabs();
    void HideTabs();
    // Before the owner is created: it takes effect when the strip is made.
    void ModifyStripStyle(DWORD remove, DWORD add) { m_stripStyle = (m_stripStyle & ~remove) | add; }
    DWORD GetStripStyle() const { return m_stripStyle; }
    int GetTabHeight() const { return m_strip.stripHeight; }
    bool AreTabsHidden() const { return m_strip.hidden; }
    bool TabsAtBottom() const { return (m_stripStyle & kTabsAtBottom) != 0; }

    CDotNetTabCtrl& Strip() { return m_strip; }
    const CDotNetTabCtrl& Strip() const { return m_strip; }
    // Where the frame puts the state images (0 normal, 1 modified, 2 read-only).
    HIMAGELIST GetImageList() const { return m_strip.GetOwnImageList(); }

    // Tabs by their document window; -1 when it has none.
    int FindTab(HWND document) const;
    // Selects the window's tab, adding it with the window text first when missing.
    void ActivateTab(HWND document);
    void RemoveTab(HWND document);
    // False when nothing changed (no tab, or the same value).
    bool SetTabText(HWND document, const char* text);
    bool SetTabToolTip(HWND document, const char* text);
    bool SetTabUserValue(HWND document, LPARAM value);
    bool SetTabImage(HWND document, int image);

    TW_BEGIN_MSG_MAP(CMdiTabOwner)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_MESSAGE_HANDLER(WM_ERASEBKGND, OnEraseBackground)
        TW_MESSAGE_HANDLER(WM_CONTEXTMENU, OnContextMenu)
        TW_MESSAGE_HANDLER(WM_NOTIFY, OnNotify)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override {
        return {"MdiTabOwner", CS_DBLCLKS, (HBRUSH)(COLOR_BTNFACE + 1)};
    }

private:
    LRESULT OnCreate(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnSize(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnEraseBackground(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnContextMenu(UINT msg, WPARAM w, LPARAM l, bool& handled);
    LRESULT OnNotify(UINT msg, WPARAM w, LPARAM l, bool& handled);

    void CreateStrip();
    HWND TabWindow(int index) const;
    void FocusTab(int index) const;
    void ActivateSelected();
    void Repaint();
    bool OwnerVisible() const { return m_hWnd && (::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VISIBLE); }
    // Re-places the client from its current rectangle, growing it by `extra` on the strip's side.
    void ReplaceClient(int extra) const;

    CDotNetTabCtrl m_strip;
    HWND m_mdiClient = nullptr;
    DWORD m_stripStyle = CDotNetTabCtrl::kInitialStripStyle;
};
