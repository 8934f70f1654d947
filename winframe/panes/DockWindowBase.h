#pragma once
// What every dockable window shares (a pane, and later the tab docking box):
// its host frame, its container and its float rectangle, and the four
// docking operations a container-independent caller uses.
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

protected:
    HWND m_hostFrame = nullptr;
    HWND m_container = nullptr;
    RECT m_floatRect{};
};
