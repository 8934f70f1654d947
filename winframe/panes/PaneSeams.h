#pragma once
// Calls of the pane base that a test replaces: the ghost frame a drag
// shows (the outline window by default), and the factory of tab docking boxes.
#include <windows.h>

struct PaneSeams {
    // Draws (or, drawn again, erases) the half-tone ghost frame of a screen rectangle.
    void (*drawGhostFrame)(const RECT& screen);
    // Makes a tab docking box under the host frame; 0 when none can be made.
    HWND (*makeTabBox)(HWND hostFrame);
};

PaneSeams& PaneSeam();
void ResetPaneSeams();
