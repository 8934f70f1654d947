#pragma once
// The non-client side of a window that draws its own pane caption (a docked
// pane, a docked tab docking box, the auto-hide manager): laying the caption
// out, hit testing, painting, pressing its buttons, and window texts that
// must not bring the system caption back.
#include <windows.h>

#include "PaneCaption.h"
#include "Window.h"

bool HasCaptionStyle(HWND window);
// WM_NCCALCSIZE: the proposed window rectangle becomes the client rectangle.
void FitCaption(CPaneCaption& caption, HWND window, RECT& proposed);
// WM_NCHITTEST at a screen point (the message's lParam).
int CaptionHitAt(const CPaneCaption& caption, HWND window, LPARAM screen);
// WM_NCPAINT: the caption with the window's text, when it has WS_CAPTION.
void PaintCaption(const CPaneCaption& caption, HWND window);
// A press on button `hit` (kHitPin or kHitClose), tracked until released:
// true when released on the same button.
bool PressCaptionButton(CPaneCaption& caption, HWND window, int hit);
// WM_SETTEXT and WM_SETICON: the default handling without WS_CAPTION, then
// the frame recomputed, so that only the own caption shows the change.
LRESULT DefWithoutSystemCaption(CMsgWindow& window, UINT msg, WPARAM w, LPARAM l);
// SWP_FRAMECHANGED in place.
void RecomputeFrame(HWND window);
