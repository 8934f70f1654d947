#pragma once
// The main frame's five-part status bar: position, size, encoding, typing
// mode and notices. Each fixed part is as wide as its longest text.
#include <windows.h>

enum StatusPart : int {
    kStatusPosition = 0,
    kStatusSize = 1,
    kStatusEncoding = 2,
    kStatusMode = 3,
    kStatusMessage = 4,
    kStatusPartCount = 5,
};

HWND CreateFrameStatusBar(HWND parent, int id);
// Right edges of the parts from the bar's font; the last runs to the end (-1).
void ComputeStatusEdges(HWND statusBar, int edges[kStatusPartCount]);
void SetStatusText(HWND statusBar, StatusPart part, const char* text);
