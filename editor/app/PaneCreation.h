#pragma once
// Making the main frame's workspace panes: each is created floating with
// its title from the string table, then docked at its place.
#include <windows.h>

class CDockPaneBase;

// Docked on the left at position (sizes 100 by 100, as the layout store
// expects); false when the window could not be made.
bool CreateLeftPane(CDockPaneBase& pane, HWND frame, UINT titleId, LONG position);
