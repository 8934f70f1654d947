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

// Docked on the left at position (sizes 100 by 100, as the layout store
// expects); false when the window could not be made.
bool CreateLeftPane(CDockPaneBase& pane, HWND frame, UINT titleId, LONG position);
