#pragma once
// Making the main frame's workspace panes: each is created with its title
// from the string table, then docked at its place.
#include <windows.h>

#include "DockPane.h"

// The style of a pane docked as soon as it is made: a hidden child of the
// frame, which docking turns into a child of its container. Made floating
// (a visible top-level window) it would cost an X window, a map and its
// icon's conversion under Wine, only to be reparented at once.
constexpr DWORD kDockedPaneStyle = (kDefaultPaneStyle & ~(WS_POPUP | WS_VISIBLE)) | WS_CHILD;

// Where a pane docks when it is made: its side, its position there (the
// order the layout store expects) and its ratio.
struct DockedPanePlace {
    DockSide side;
    LONG position;
    float ratio;
};

// Makes the pane with its title from the string table and docks it at place
// (sizes 100 by 100, as the layout store expects); it floats, when asked, at
// a tall rectangle for a side pane and a wide one for a bottom or top pane.
// False when the window could not be made.
bool CreateDockedPane(CDockPaneBase& pane, HWND frame, UINT titleId, const DockedPanePlace& place);

// Makes the pane as CreateDockedPane does, but puts it straight in among the
// tabs of `beside` (the box made in beside's place when it has none) at tab
// index: docked at its own place first, it would only leave that place again
// as a popup, several hundred Wine server requests for nothing. Without
// `beside`, or when it does not take the pane, the pane docks at place.
bool CreateTabbedPane(CDockPaneBase& pane, HWND frame, UINT titleId, const DockedPanePlace& place, HWND beside,
                      LONG index);
