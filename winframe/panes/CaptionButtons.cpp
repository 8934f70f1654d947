#include "CaptionButtons.h"

#include "PinIcons.h"

void CCaptionButton::DrawFace(HDC dc) const { ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_BTNFACE)); }

void CCaptionButton::DrawStateEdge(HDC dc) const {
    RECT r = rect;
    if (state & kButtonPressed)
        ::DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (state & kButtonHot)
        ::DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
}

void CCaptionCloseButton::Draw(HDC dc) const {
    DrawFace(dc);
    if (HPEN pen = ::CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNTEXT))) {
        HGDIOBJ old = ::SelectObject(dc, pen);
        const RECT& r = rect;
        // Two diagonals, each two pixels wide.
        const POINT lines[4][2] = {{{r.left + 5, r.top + 5}, {r.right - 5, r.bottom - 5}},
                                   {{r.left + 6, r.top + 5}, {r.right - 4, r.bottom - 5}},
                                   {{r.left + 5, r.bottom - 6}, {r.right - 5, r.top + 4}},
                                   {{r.left + 6, r.bottom - 6}, {r.right - 4, r.top + 4}}};
        for (const auto& line : lines) {
            ::MoveToEx(dc, line[0].x, line[0].y, nullptr);
            ::LineTo(dc, line[1].x, line[1].y);
        }
        ::SelectObject(dc, old);
        ::DeleteObject(pen);
    }
    DrawStateEdge(dc);
}

RECT PinIconRect(const RECT& b) {
    int w = b.right - b.left, h = b.bottom - b.top;
    RECT r{};
    r.left = w > kPinIconSize ? b.left + (w - kPinIconSize) / 2 : b.left;
    r.top = h > kPinIconSize ? b.top + (h - kPinIconSize) / 2 : b.top;
    r.right = r.left + (w > kPinIconSize ? kPinIconSize : w);
    r.bottom = r.top + (h > kPinIconSize ? kPinIconSize : h);
    return r;
}

void CCaptionPinButton::Draw(HDC dc) const {
    DrawFace(dc);
    if (HICON icon = CPinIcons::Get().Icon(iconIndex)) {
        RECT r = PinIconRect(rect);
        ::DrawIconEx(dc, r.left, r.top, icon, r.right - r.left, r.bottom - r.top, 0, nullptr, DI_NORMAL);
    }
    DrawStateEdge(dc);
}
