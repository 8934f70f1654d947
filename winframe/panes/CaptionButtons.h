#pragma once
// The close and pin buttons of a docked pane's own caption.
#include <windows.h>

constexpr UINT kButtonHot = 0x1;
constexpr UINT kButtonPressed = 0x2;

class CCaptionButton {
public:
    virtual ~CCaptionButton() = default;
    // Draws into a window DC; the rectangle is in window coordinates.
    virtual void Draw(HDC dc) const = 0;

    RECT rect{};
    UINT state = 0;

protected:
    void DrawFace(HDC dc) const;
    void DrawStateEdge(HDC dc) const;
};

class CCaptionCloseButton : public CCaptionButton {
public:
    void Draw(HDC dc) const override;
};

class CCaptionPinButton : public CCaptionButton {
public:
    void Draw(HDC dc) const override;
    int iconIndex = 1;
};

// Where the 11x11 pin picture goes: centred where the button is larger,
// else at its edge with the button's own size.
RECT PinIconRect(const RECT& button);
