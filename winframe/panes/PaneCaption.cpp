#include "PaneCaption.h"

#include "DockingMetrics.h"
#include "GdiHandles.h"
#include "TextEllipsis.h"

namespace {

// Timer ids on the pane window, one per button, away from a pane's own ids.
constexpr UINT_PTR kPinTimer = 0xC519;
constexpr UINT_PTR kCloseTimer = 0xC520;
constexpr UINT kHotCheckMs = 300;

// The square at the far end of r: the right end when horizontal, else the top end.
RECT EndSquare(const RECT& r, bool horizontal) {
    RECT s = r;
    if (horizontal)
        s.left = r.right - (r.bottom - r.top);
    else
        s.bottom = r.top + (r.right - r.left);
    return s;
}

HFONT CaptionFont(bool horizontal) {
    const CDockingMetrics& m = CDockingMetrics::Get();
    return horizontal ? m.GuiFont() : m.VerticalGuiFont();
}

POINT WindowRelative(HWND window, POINT screen) {
    RECT w{};
    ::GetWindowRect(window, &w);
    return {screen.x - w.left, screen.y - w.top};
}

}  // namespace

CaptionLayout ComputeCaptionLayout(const RECT& window, int height, bool horizontal, bool hasCaption) {
    CaptionLayout l;
    l.client = window;
    if (!hasCaption) return l;
    l.caption = window;
    if (horizontal) {
        l.caption.bottom = window.top + height;
        l.client.top = l.caption.bottom;
    } else {
        l.caption.right = window.left + height;
        l.client.left = l.caption.right;
    }
    RECT inner = l.caption;
    ::InflateRect(&inner, -3, -3);
    l.close = EndSquare(inner, horizontal);
    RECT rest = inner;
    if (horizontal)
        rest.right = l.close.left;
    else
        rest.top = l.close.bottom;
    l.pin = EndSquare(rest, horizontal);
    l.text = l.caption;
    if (horizontal) {
        l.text.left = l.caption.left + 12;
        l.text.right = l.pin.left - 3;
    } else {
        l.text.top = l.pin.bottom + 3;
        l.text.bottom = l.caption.bottom - 8;
    }
    return l;
}

CPaneCaption::CPaneCaption() { MeasureHeight(); }

bool CPaneCaption::SetHorizontal(bool horizontal) {
    if (horizontal == m_horizontal) return false;
    m_horizontal = horizontal;
    MeasureHeight();
    return true;
}

void CPaneCaption::MeasureHeight() {
    m_height = kFallbackCaptionHeight;
    const CClientDc dc(nullptr);
    if (!dc) return;
    if (HGDIOBJ old = ::SelectObject(dc, CaptionFont(m_horizontal))) {
        TEXTMETRICA tm{};
        if (::GetTextMetricsA(dc, &tm)) m_height = tm.tmHeight + 10;
        ::SelectObject(dc, old);
    }
}

RECT CPaneCaption::Layout(const RECT& window, bool hasCaption) {
    CaptionLayout l = ComputeCaptionLayout(window, m_height, m_horizontal, hasCaption);
    m_rect = l.caption;
    close.rect = l.close;
    pin.rect = l.pin;
    return l.client;
}

RECT CPaneCaption::TextRect() const {
    return ComputeCaptionLayout(m_rect, m_horizontal ? m_rect.bottom - m_rect.top : m_rect.right - m_rect.left,
                                m_horizontal, !::IsRectEmpty(&m_rect))
        .text;
}

int CPaneCaption::HitTest(POINT p) const {
    if (!::PtInRect(&m_rect, p)) return HTCLIENT;
    if (::PtInRect(&close.rect, p)) return kHitClose;
    if (::PtInRect(&pin.rect, p)) return kHitPin;
    return HTCAPTION;
}

void CPaneCaption::Paint(HDC dc, const std::string& text) const {
    ::FillRect(dc, &m_rect, ::GetSysColorBrush(COLOR_BTNFACE));
    RECT t = TextRect();
    if (!::IsRectEmpty(&t)) {
        HGDIOBJ oldFont = ::SelectObject(dc, CaptionFont(m_horizontal));
        COLORREF oldColour = ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
        int oldMode = ::SetBkMode(dc, TRANSPARENT);
        DrawTextEllipsis(dc, text.data(), (int)text.size(), t, m_horizontal);
        ::SetBkMode(dc, oldMode);
        ::SetTextColor(dc, oldColour);
        if (oldFont) ::SelectObject(dc, oldFont);
    }
    close.Draw(dc);
    pin.Draw(dc);
    RECT edge = m_rect;
    ::DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
}

CCaptionButton* CPaneCaption::ButtonOf(int hit) {
    if (hit == kHitPin) return &pin;
    if (hit == kHitClose) return &close;
    return nullptr;
}

UINT_PTR CPaneCaption::TimerOf(const CCaptionButton& button) const {
    return &button == &pin ? kPinTimer : kCloseTimer;
}

void CPaneCaption::SetHot(HWND window, CCaptionButton& button, bool hot) {
    if ((button.state & kButtonPressed) || ((button.state & kButtonHot) != 0) == hot) return;
    if (hot) {
        button.state |= kButtonHot;
        ::SetTimer(window, TimerOf(button), kHotCheckMs, nullptr);
    } else {
        button.state &= ~kButtonHot;
        ::KillTimer(window, TimerOf(button));
    }
    DrawButton(window, button);
}

void CPaneCaption::TrackHot(HWND window, int hit) {
    SetHot(window, pin, hit == kHitPin);
    SetHot(window, close, hit == kHitClose);
}

bool CPaneCaption::OnTimer(HWND window, UINT_PTR id) {
    CCaptionButton* button = id == kPinTimer ? (CCaptionButton*)&pin : id == kCloseTimer ? &close : nullptr;
    if (!button) return false;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    if (!::PtInRect(&button->rect, WindowRelative(window, cursor))) SetHot(window, *button, false);
    return true;
}

void CPaneCaption::SetPressed(HWND window, CCaptionButton& button, bool pressed) {
    if (pressed) {
        SetHot(window, button, false);
        button.state |= kButtonPressed;
    } else {
        button.state &= ~kButtonPressed;
    }
    DrawButton(window, button);
}

void CPaneCaption::DrawButton(HWND window, const CCaptionButton& button) const {
    if (const CWindowDc dc(window); dc) button.Draw(dc);
}
