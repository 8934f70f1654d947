#pragma once
// What the dock site frame needs of the auto-hide bars. Until they exist a
// frame runs without them, as with four empty bars.
#include <windows.h>

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
};
