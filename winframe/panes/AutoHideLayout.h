#pragma once
// The geometry of the auto-hide bars as plain functions: how long the tabs
// may be, where a bar goes, which tab lies under a point, and where the
// slid-out pane's window goes.
#include <windows.h>

#include <vector>

// Gap between two tabs of a bar.
constexpr int kAutoHideTabGap = 5;
// The resize edge of the slid-out window.
constexpr int kAutoHideEdge = 5;

// Left and right bars run vertically (side 1 right, 3 left; 0 bottom, 2 top).
inline bool IsVerticalBar(DWORD side) { return (side & 1) != 0; }

// The common cap that water-filling gives tabs of these preferred lengths
// on a bar `length` long (its length less 1), or -1 when every tab fits.
int AutoHideTabCap(const std::vector<int>& preferred, int length);

// Cuts the bar's strip of `thickness` from `remaining` on its side and
// returns the bar's rectangle, indented along its length at both ends.
RECT PlaceAutoHideBar(RECT& remaining, DWORD side, int thickness, int indentStart, int indentEnd);

// The tab under a coordinate measured along the bar from its start, with
// tabs `lengths` long and kAutoHideTabGap apart; -1 in a gap or past the end.
// `within` gets the coordinate inside that tab.
int AutoHideTabAt(const std::vector<int>& lengths, int along, int* within = nullptr);

// The slid-out window: the area with its inner side moved so that it is
// size + edge deep, but never deeper than the room less 5 (and at least 5).
RECT AutoHideWindowRect(const RECT& area, DWORD side, int size);
