#pragma once
// What the dock site frame needs of the auto-hide bars, which live above it
// (with the panes). A frame without them runs as with four empty bars.
#include <windows.h>

#include <functional>

struct DockMessage;

class IAutoHideBars {
public:
    virtual ~IAutoHideBars() = default;
    virtual bool Create(HWND frame) = 0;
    // The manager window that holds a shown auto-hidden pane.
    virtual HWND Window() const = 0;
    virtual void UpdateMetrics() = 0;
    // Occupied bars take their strips; the rest is returned.
    virtual RECT Place(const RECT& available) = 0;
    virtual void DrawBars(HDC dc) = 0;
    // cx: the occupied left and right bars; cy: top and bottom.
    virtual SIZE OccupiedThickness() const = 0;
    // Code 4 for an auto-hidden pane: nonzero when a bar holds it.
    virtual LRESULT QueryPlacement(DockMessage& record) = 0;
    // Code 12; barWasEmpty tells the frame to lay out again.
    virtual LRESULT Pin(DockMessage& record, bool& barWasEmpty) = 0;
    // The frame's own layout, for the bars to run when one of them empties.
    virtual void SetFrameLayout(std::function<void()>) {}
    // The mouse over the frame's client (client point, MK_ flags): hovering
    // over a bar's tab slides its pane out.
    virtual void MouseMove(POINT, WPARAM) {}
    virtual void MouseHover(POINT, WPARAM) {}
};
