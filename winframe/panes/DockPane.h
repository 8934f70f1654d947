#pragma once
// The dockable pane: one window that floats as an owned popup tool window
// or is docked as a child of a container (slot window, tab docking box,
// auto-hide manager), drawing its own caption while in a slot window.
//
// A workspace pane derives from CDockPaneImpl and chains the base first, so
// that the docking messages are seen before its own:
//   class CSymbolPane : public CDockPaneImpl<CSymbolPane> {
//   public:
//       static constexpr const char* kClassName = "CSymbolPane";
//       TW_BEGIN_MSG_MAP(CSymbolPane)
//           TW_CHAIN_MSG_MAP(CDockPaneImpl<CSymbolPane>)
//           TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
//       TW_END_MSG_MAP()
//   };
// The main frame creates it floating, then docks it at a placement:
//   pane.Create(frame, rect, title);
//   DockMessage r(nullptr, nullptr, kDockAtPlacement);
//   r.place = {kSideLeft, 0, 0.0f, 100, 100, 0};
//   pane.DockAtPlacement(r);
#include <windows.h>

#include <string>

#include "DockWindowBase.h"
#include "PaneLayoutRecord.h"
#include "PaneCaption.h"

// Style 0 at Create: WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW.
constexpr DWORD kDefaultPaneStyle = 0x96CF0000;

class CDockPaneBase : public CDockWindowBase {
public:
    CDockPaneBase();

    // A new pane floats, owned by the host frame. One made as a child (to be
    // docked at once) floats, when asked to, at rect.
    HWND Create(HWND hostFrame, const RECT& rect, const char* title, DWORD style = 0, DWORD exStyle = 0);

    bool Undock() override;
    bool Dock(DockMessage& record) override;
    bool Hide() override;
    bool Show() override;

    bool ShowInContainer();
    bool QueryPlacement(DockMessage& record);
    bool TogglePin();
    bool PinToAutoHide(DWORD flags, int size, bool showNow);
    bool IsAutoHidden();
    bool IsPaneVisible();
    bool IsPaneOrBoxVisible();
    // The new box in this pane's place, or 0; a docked pane is left in it as
    // a hidden child, for the caller to take in as a tab at once.
    HWND MakeTabBoxInPlace();

    // The place the pane returns to; written by Undock and Hide, read by the layout store too.
    const DockMessage& StoredPlacement() const { return m_placement; }
    void SetStoredPlacement(const DockMessage& record) { m_placement = record; }
    // The layout store's view of the pane (DockPaneLayout.cpp): where it is
    // now, and putting it back there.
    bool GetLayoutState(PaneLayoutRecord& record);
    bool SetLayoutState(PaneLayoutRecord& record);

    TW_BEGIN_MSG_MAP(CDockPaneBase)
        TW_MESSAGE_HANDLER(WM_DOCKMESSAGE, OnDockMessage)
        TW_REGISTERED_MESSAGE_HANDLER(m_boxMessage, OnDockMessage)
        TW_MESSAGE_HANDLER(WM_CLOSE, OnClose)
        TW_MESSAGE_HANDLER(WM_NCLBUTTONDBLCLK, OnNcDoubleClick)
        TW_MESSAGE_HANDLER(WM_NCLBUTTONDOWN, OnNcButtonPress)
        TW_MESSAGE_HANDLER(WM_SYSCOLORCHANGE, OnSettingChange)
        TW_MESSAGE_HANDLER(WM_SETTINGCHANGE, OnSettingChange)
        TW_MESSAGE_HANDLER(WM_ERASEBKGND, OnEraseBackground)
        TW_MESSAGE_HANDLER(WM_NCLBUTTONDOWN, OnNcDragStart)
        TW_CHAIN_MSG_MAP(CDockWindowBase)
    TW_END_MSG_MAP()

private:
    LRESULT OnDockMessage(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnClose(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnNcDoubleClick(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnNcButtonPress(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSettingChange(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnEraseBackground(UINT, WPARAM, LPARAM, bool&) { return 1; }
    LRESULT OnNcDragStart(UINT, WPARAM, LPARAM, bool&);

    // The dock codes at a pane.
    LRESULT HitTest(DockMessage& record);
    LRESULT TabTogether(DockMessage& record, bool atPlacement);
    LRESULT AnswerPlacement(DockMessage& record);
    LRESULT ForwardShow();

    // The drag: a press on the caption, the ghost loop, then the drop.
    void DragPane(POINT screenPress);
    void Drop(DockMessage& record);

    HWND StableTarget(HWND target, class CTabDockingBox* box);

    DockMessage m_placement;
    UINT m_boxMessage;
};

// The base of each pane class; the pane class names its window class with kClassName.
template <class T>
class CDockPaneImpl : public CDockPaneBase {
protected:
    WindowClassInfo GetWindowClassInfo() const override {
        WindowClassInfo info;
        info.name = T::kClassName;
        return info;
    }
};
