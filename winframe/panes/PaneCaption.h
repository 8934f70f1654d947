#pragma once
// The caption a docked pane draws in its non-client area: a strip along the
// top (horizontal) or down the left side, with a pin and a close button.
#include <windows.h>

#include <string>

#include "CaptionButtons.h"

constexpr int kHitPin = 19;
constexpr int kHitClose = 20;
// The height when the font cannot be measured.
constexpr int kFallbackCaptionHeight = 23;

struct CaptionLayout {
    RECT caption{};
    RECT close{};
    RECT pin{};
    RECT text{};
    RECT client{};
};

// Lays a caption out in a window rectangle (window coordinates).
CaptionLayout ComputeCaptionLayout(const RECT& window, int height, bool horizontal, bool hasCaption);

class CPaneCaption {
public:
    CPaneCaption();

    bool Horizontal() const { return m_horizontal; }
    // Re-measures when the direction changes; returns whether it changed.
    bool SetHorizontal(bool horizontal);
    int Height() const { return m_height; }
    void MeasureHeight();

    // Lays out in a window rectangle at the origin; returns the client rectangle.
    RECT Layout(const RECT& window, bool hasCaption);
    const RECT& Rect() const { return m_rect; }
    RECT TextRect() const;
    // 19 pin, 20 close, HTCAPTION, or HTCLIENT outside the caption; window coordinates.
    int HitTest(POINT point) const;
    void Paint(HDC dc, const std::string& text) const;

    CCaptionButton* ButtonOf(int hit);
    // Hot tracking with a timer per button on the pane window.
    void SetHot(HWND window, CCaptionButton& button, bool hot);
    void TrackHot(HWND window, int hit);
    // Handles the hot-tracking timers; false for other ids.
    bool OnTimer(HWND window, UINT_PTR id);
    void SetPressed(HWND window, CCaptionButton& button, bool pressed);
    void DrawButton(HWND window, const CCaptionButton& button) const;

    CCaptionPinButton pin;
    CCaptionCloseButton close;

private:
    UINT_PTR TimerOf(const CCaptionButton& button) const;

    RECT m_rect{};
    bool m_horizontal = true;
    int m_height = kFallbackCaptionHeight;
};
