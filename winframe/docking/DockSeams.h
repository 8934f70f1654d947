#pragma once
// Calls of the docking windows that a test cannot drive for real under
// Wine: DragDetect needs the physical button down, a test records the ghost
// bars in place of showing the outline window, and window creation does not
// fail on request. The defaults are the real calls.
#include <windows.h>

#include <memory>

#include "DockGeometry.h"

class ISlotObject;

struct DockSeams {
    BOOL (*dragDetect)(HWND window, POINT screenPoint);
    // Draws (or, drawn again, erases) a half-tone ghost bar at a screen rectangle.
    void (*drawGhostBar)(const RECT& screen);
    // Makes the slot window of a new slot; a test makes it fail.
    std::unique_ptr<ISlotObject> (*createPackageFrame)(HWND parent, Axis panes);
};

DockSeams& Seams();
// Puts the platform calls back.
void ResetSeams();

// The 8x8 half-tone pattern brush, rows alternating 0x55 and 0xAA; the caller owns it.
HBRUSH CreateHalftoneBrush();
