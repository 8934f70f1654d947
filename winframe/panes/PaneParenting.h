#pragma once
// How a container takes a pane in as its child and lets it go again as a
// hidden popup, shared by the tab docking box and the auto-hide manager.
#include <windows.h>

// Hidden, a child without its caption and popup bits, re-parented, told by
// WM_DOCKNOTICE with `notice` that it entered `container`.
void AdoptPane(HWND pane, HWND container, WPARAM notice);
// Hidden, a popup with a caption, without parent, told it left `container`.
void ReleasePane(HWND pane, HWND container);
