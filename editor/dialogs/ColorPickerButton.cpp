#include "ColorPickerButton.h"

#include <commdlg.h>
#include <vssym32.h>

#include "ColorPickerPopup.h"
#include "GdiHandles.h"
#include "ResourceText.h"
#include "resource.h"

namespace {

// The colour dialog's sixteen custom colours, kept for the session.
COLORREF g_customColors[16] = {
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
};

}  // namespace

CColorPickerButton::CColorPickerButton()
    : automaticColor(::GetSysColor(COLOR_APPWORKSPACE)),
      automaticText(LoadText(IDS_COLOR_AUTOMATIC)),
      moreText(LoadText(IDS_COLOR_MORE)) {}

CColorPickerButton::~CColorPickerButton() { CloseTheme(); }

bool CColorPickerButton::Attach(HWND button) {
    if (!SubclassWindow(button)) return false;
    const LONG_PTR style = ::GetWindowLongPtrA(button, GWL_STYLE);
    ::SetWindowLongPtrA(button, GWL_STYLE, (style & ~(LONG_PTR)BS_TYPEMASK) | BS_OWNERDRAW);
    OpenTheme();
    Redraw();
    return true;
}

void CColorPickerButton::SetDrawing(ColorButtonDrawing drawing) {
    m_drawing = drawing;
    OpenTheme();
    if (m_hWnd) Redraw();
}

void CColorPickerButton::OpenTheme() {
    CloseTheme();
    if (m_drawing == ColorButtonDrawing::Classic) return;
    if (m_drawing == ColorButtonDrawing::Automatic && !::IsThemeActive()) return;
    m_theme = ::OpenThemeData(m_hWnd, L"Button");
}

void CColorPickerButton::CloseTheme() {
    if (m_theme) ::CloseThemeData(m_theme);
    m_theme = nullptr;
}

bool CColorPickerButton::ReflectFromParent(UINT msg, WPARAM w, LPARAM l, LRESULT& result) {
    HWND child = nullptr;
    if (msg == WM_DRAWITEM && w)
        child = ((const DRAWITEMSTRUCT*)l)->hwndItem;
    else if (msg == WM_COMMAND && (HIWORD(w) == BN_CLICKED || HIWORD(w) == BN_DOUBLECLICKED))
        child = (HWND)l;
    if (!child || !dynamic_cast<CColorPickerButton*>(FromHandle(child))) return false;
    result = ::SendMessageA(child, OCM__BASE + msg, w, l);
    if (msg == WM_DRAWITEM) result = TRUE;
    return true;
}

LRESULT CColorPickerButton::OnMouseMove(UINT, WPARAM, LPARAM, bool& handled) {
    if (!m_hot) {
        m_hot = true;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&track);
        Redraw();
    }
    handled = false;
    return 0;
}

LRESULT CColorPickerButton::OnMouseLeave(UINT, WPARAM, LPARAM, bool& handled) {
    m_hot = false;
    Redraw();
    handled = false;
    return 0;
}

LRESULT CColorPickerButton::OnPaletteChange(UINT msg, WPARAM w, LPARAM, bool&) {
    if (msg == WM_PALETTECHANGED && (HWND)w == m_hWnd) return 0;
    Redraw();
    return msg == WM_QUERYNEWPALETTE ? TRUE : 0;
}

LRESULT CColorPickerButton::OnThemeChanged(UINT, WPARAM, LPARAM, bool& handled) {
    OpenTheme();
    Redraw();
    handled = false;
    return 0;
}

LRESULT CColorPickerButton::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
    CloseTheme();
    handled = false;
    return 0;
}

LRESULT CColorPickerButton::OnDrawItem(UINT, WPARAM, LPARAM l, bool&) {
    const DRAWITEMSTRUCT* item = (const DRAWITEMSTRUCT*)l;
    Draw(item->hDC, item->rcItem, item->itemState);
    return TRUE;
}

void CColorPickerButton::Draw(HDC dc, const RECT& rect, UINT state) {
    const bool disabled = (state & ODS_DISABLED) != 0;
    const bool pressed = m_pressed || (state & ODS_SELECTED);
    const bool focused = (state & ODS_FOCUS) != 0 || m_pressed;
    RECT face = rect;
    if (m_theme) {
        int part = PBS_NORMAL;
        if (disabled)
            part = PBS_DISABLED;
        else if (pressed)
            part = PBS_PRESSED;
        else if (m_hot)
            part = PBS_HOT;
        else if (state & ODS_DEFAULT)
            part = PBS_DEFAULTED;
        if (::IsThemeBackgroundPartiallyTransparent(m_theme, BP_PUSHBUTTON, part))
            ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
        ::DrawThemeBackground(m_theme, dc, BP_PUSHBUTTON, part, &rect, nullptr);
        ::GetThemeBackgroundContentRect(m_theme, dc, BP_PUSHBUTTON, part, &rect, &face);
    } else {
        ::DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
        ::InflateRect(&face, -::GetSystemMetrics(SM_CXEDGE), -::GetSystemMetrics(SM_CYEDGE));
    }
    if (focused) {
        RECT focus = face;
        ::InflateRect(&focus, -1, -1);
        ::DrawFocusRect(dc, &focus);
    }

    // The drop-down arrow at the right, an etched line before it.
    const int arrowWidth = 7;
    RECT arrowBox = face;
    arrowBox.left = face.right - arrowWidth - 6;
    const int cx = (arrowBox.left + arrowBox.right) / 2;
    const int cy = (face.top + face.bottom) / 2;
    {
        CPenHandle pen(::CreatePen(PS_SOLID, 1, disabled ? ::GetSysColor(COLOR_GRAYTEXT) : RGB(0, 0, 0)));
        CSelectObject selected(dc, pen);
        for (int row = 0; row < 4; ++row) {
            ::MoveToEx(dc, cx - 3 + row, cy - 1 + row, nullptr);
            ::LineTo(dc, cx + 4 - row, cy - 1 + row);
        }
    }
    RECT separator{arrowBox.left - 2, face.top + 3, arrowBox.left, face.bottom - 3};
    ::DrawEdge(dc, &separator, EDGE_ETCHED, BF_LEFT);

    if (!disabled) {
        RECT swatch{face.left + 4, face.top + 4, separator.left - 4, face.bottom - 4};
        if (swatch.right > swatch.left && swatch.bottom > swatch.top) {
            CBrushHandle fill(::CreateSolidBrush(ShownColor()));
            ::FillRect(dc, &swatch, fill);
            ::FrameRect(dc, &swatch, (HBRUSH)::GetStockObject(BLACK_BRUSH));
        }
    }
}

LRESULT CColorPickerButton::OnReflectedCommand(UINT, WPARAM w, LPARAM, bool& handled) {
    if (HIWORD(w) != BN_CLICKED && HIWORD(w) != BN_DOUBLECLICKED) {
        handled = false;
        return 0;
    }
    Pick();
    return 0;
}

void CColorPickerButton::Notify(UINT code, COLORREF value) {
    ColorPickerNotify record{};
    record.header.hwndFrom = m_hWnd;
    record.header.idFrom = (UINT_PTR)::GetDlgCtrlID(m_hWnd);
    record.header.code = code;
    record.color = value;
    record.automatic = value == kColorAutomatic;
    ::SendMessageA(GetParent(), WM_NOTIFY, record.header.idFrom, (LPARAM)&record);
}

void CColorPickerButton::TrackItem(int item) {
    if (item == kItemAutomatic)
        color = kColorAutomatic;
    else if (item >= 0 && item < kPaletteCount)
        color = kPalette[item].value;
    else
        return;  // the more-colours item has no colour of its own
    Redraw();
    Notify(kColorChanged, color);
}

bool CColorPickerButton::ChooseMoreColor(COLORREF& chosen) {
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = GetParent();
    // Automatic is no colour the dialog knows: it starts from the one shown.
    dialog.rgbResult = ShownColor();
    dialog.lpCustColors = g_customColors;
    dialog.Flags = CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT;
    if (!::ChooseColorA(&dialog)) return false;
    chosen = dialog.rgbResult;
    return true;
}

void CColorPickerButton::Pick() {
    if (m_pressed) return;
    m_pressed = true;
    Redraw();
    Notify(kColorPopupOpened, color);
    const COLORREF before = color;

    CColorPickerPopup popup(*this);
    const CColorPickerPopup::Outcome outcome = popup.Run();

    bool chosen = outcome.chosen;
    COLORREF result = color;
    if (chosen) {
        if (outcome.item == kItemMore)
            chosen = ChooseMoreColor(result);
        else if (outcome.item == kItemAutomatic)
            result = kColorAutomatic;
        else
            result = kPalette[outcome.item].value;
    }

    m_pressed = false;
    if (chosen) {
        color = result;
        // Compared with the colour before the pick: a tracked colour that is
        // then chosen is told once more.
        if (color != before) Notify(kColorChanged, color);
    } else if (color != before) {
        color = before;
        Notify(kColorChanged, color);
    }
    Notify(kColorPopupClosed, color);
    Notify(chosen ? kColorChosen : kColorAbandoned, color);
    Redraw();
}
