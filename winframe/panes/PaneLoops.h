#pragma once
// The two modal capture loops of a pane: pressing a caption button and
// dragging the pane. Both end when the pane loses the capture; a WM_QUIT
// met inside goes back to the queue so the main loop still ends.
#include <windows.h>

#include <functional>

// Returns true when released; `release` gets the release point (client coordinates).
bool TrackButtonPress(HWND pane, POINT& release);

// Runs `move` at each mouse move and CTRL change (client coordinates of the
// pane; CTRL changes at the last position). True = commit (button released).
bool TrackDockDrag(HWND pane, POINT start, const std::function<void(POINT)>& move);

// Sends a message to every descendant window, depth first.
void SendToDescendants(HWND window, UINT msg, WPARAM w, LPARAM l);
