#include "StatusBar.h"

#include <commctrl.h>

#include <cstring>

#include "GdiHandles.h"

namespace {

const int kPositionEdge = 180;
const int kTextPadding = 9;
// The longest text each fixed part shows.
const char* const kWidestTexts[] = {"9'999'999 Bytes", "Unicode BE BOM", "OVR"};

int TextWidth(HDC dc, const char* text) {
    SIZE size{};
    ::GetTextExtentPoint32A(dc, text, (int)std::strlen(text), &size);
    return size.cx + kTextPadding;
}

}  // namespace

HWND CreateFrameStatusBar(HWND parent, int id) {
    HWND bar = ::CreateWindowExA(0, STATUSCLASSNAMEA, "",
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                 parent, (HMENU)(INT_PTR)id, ::GetModuleHandleA(nullptr), nullptr);
    if (!bar) return nullptr;
    int edges[kStatusPartCount];
    ComputeStatusEdges(bar, edges);
    ::SendMessageA(bar, SB_SETPARTS, kStatusPartCount, (LPARAM)edges);
    return bar;
}

void ComputeStatusEdges(HWND statusBar, int edges[kStatusPartCount]) {
    const CClientDc dc(statusBar);
    HFONT font = (HFONT)::SendMessageA(statusBar, WM_GETFONT, 0, 0);
    HGDIOBJ previous = font ? ::SelectObject(dc, font) : nullptr;
    edges[0] = kPositionEdge;
    for (int i = 0; i < 3; ++i) edges[i + 1] = edges[i] + TextWidth(dc, kWidestTexts[i]);
    edges[kStatusMessage] = -1;
    if (previous) ::SelectObject(dc, previous);
}

void SetStatusText(HWND statusBar, StatusPart part, const char* text) {
    ::SendMessageA(statusBar, SB_SETTEXTA, part, (LPARAM)(text ? text : ""));
}
