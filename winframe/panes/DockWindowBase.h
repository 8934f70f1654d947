#pragma once
// What every dockable window shares (a pane and the tab docking box): its
// host frame, its container and its float rectangle, the four docking
// operations a container-independent caller uses, and the caption drag.
#include <windows.h>

#include "DockMessage.h"
#include "Window.h"

class CDockWindowBase : public CMsgWindow {
public:
    HWND HostFrame() const { return m_hostFrame; }
    // 0 while floating.
    HWND Container() const { return m_container; }
    bool IsFloating() const { return m_container == nullptr; }
    // Screen coordinates; empty until the window has floated visibly.
    const RECT& FloatRect() const { return m_floatRect; }

    virtual bool Undock() = 0;
    virtual bool Dock(DockMessage& record) = 0;
    virtual bool Hide() = 0;
    virtual bool Show() = 0;

    // Code 5 to the record's target when it speaks the protocol; else at the
    // float rectangle when the record says floating; else through the host frame.
    bool RestoreDockPlacement(DockMessage& record);
    // Undocks when docked, then restores the record with this window as its pane.
    bool DockAtPlacement(DockMessage& record);
    // False when floating; true when the container keeps the window.
    bool UndockAndPlace(const RECT& rect, UINT flags, HWND insertAfter = nullptr);
    // Floats at the float rectangle; false while that is empty.
    bool Float();

protected:
    // The drag from a caption press (screen point): brought to the top, the
    // ghost loop run with code-1 hit tests. True when the drop should happen:
    // a target was found or the cursor moved; the record then holds the drop.
    bool TrackCaptionDrag(POINT press, DockMessage& record);

    HWND m_hostFrame = nullptr;
    HWND m_container = nullptr;
    RECT m_floatRect{};
};
