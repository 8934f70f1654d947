#pragma once
// The modal loop that drags a splitter bar, shared by the dock site frame
// and the slot windows.
#include <windows.h>

#include <functional>

#include "DockGeometry.h"

struct BarTrack {
    HWND owner = nullptr;   // holds the capture; coordinates are its client's
    Axis axis = Axis::X;    // the axis the bar moves along
    RECT area{};            // the bar spans this across the axis
    int offset = 0;         // the bar's offset at the press
    int grab = 0;           // press point minus the offset
    int lo = 0;
    int hi = 0;
    bool outline = false;   // ghost bar until the release, else live
    std::function<void(int offset)> apply;
};

// Offset for a pointer position along the axis, kept in [lo, hi] (lo wins).
int ClampBarOffset(int pointer, int grab, int lo, int hi);

// Runs until the button is released, ESC or another button cancels, or the
// capture is lost (which cancels). A WM_QUIT met on the way ends the loop and
// goes back to the queue. True when a new offset was applied.
bool TrackSplitterBar(const BarTrack& track);
