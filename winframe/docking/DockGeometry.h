#pragma once
// Axis helpers shared by the docking areas and the slot windows. Areas and
// slot windows lay their slots out along one axis; naming it avoids the two
// opposite "orientation" senses.
#include <windows.h>

enum class Axis : BYTE { Y = 0, X = 1 };

// Splitter bar thickness; every slot owns the bar before it.
constexpr int kBarSize = 5;

inline Axis Across(Axis a) { return a == Axis::X ? Axis::Y : Axis::X; }
inline int StartOf(const RECT& r, Axis a) { return a == Axis::X ? r.left : r.top; }
inline int EndOf(const RECT& r, Axis a) { return a == Axis::X ? r.right : r.bottom; }
inline int LengthOf(const RECT& r, Axis a) { return EndOf(r, a) - StartOf(r, a); }
inline int Along(POINT p, Axis a) { return a == Axis::X ? p.x : p.y; }

// The rectangle [start, end) along the axis and [crossStart, crossEnd) across it.
inline RECT MakeRect(Axis a, int start, int end, int crossStart, int crossEnd) {
    return a == Axis::X ? RECT{start, crossStart, end, crossEnd} : RECT{crossStart, start, crossEnd, end};
}

// A bar across `area` at `position`.
inline RECT SplitterBarRect(const RECT& area, Axis a, int position) {
    return MakeRect(a, position, position + kBarSize, StartOf(area, Across(a)), EndOf(area, Across(a)));
}

// The minimum tracking size along an axis of a MINMAXINFO.
inline int MinTrackAlong(const MINMAXINFO& mmi, Axis a) {
    return a == Axis::X ? mmi.ptMinTrackSize.x : mmi.ptMinTrackSize.y;
}

// A window's minimum tracking size, asked with a zeroed record.
inline MINMAXINFO QueryMinMax(HWND window) {
    MINMAXINFO mmi{};
    if (window) ::SendMessageA(window, WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    return mmi;
}
