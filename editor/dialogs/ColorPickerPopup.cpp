#include "ColorPickerPopup.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "ColorPickerButton.h"

namespace {

SIZE TextExtent(HDC dc, const std::string& text) {
    SIZE size{};
    if (!text.empty()) ::GetTextExtentPoint32A(dc, text.c_str(), (int)text.size(), &size);
    return size;
}

bool DropShadowsOn() {
    BOOL on = FALSE;
    ::SystemParametersInfoA(SPI_GETDROPSHADOW, 0, &on, 0);
    return on != FALSE;
}

bool IsMouseDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_MBUTTONDOWN || message == WM_NCLBUTTONDOWN ||
           message == WM_NCMBUTTONDOWN;
}

}  // namespace

CColorPickerPopup::CColorPickerPopup(CColorPickerButton& button) : m_button(button) {}

CColorPickerPopup::~CColorPickerPopup() {
    if (m_tooltip) ::DestroyWindow(m_tooltip);
}

WindowClassInfo CColorPickerPopup::GetWindowClassInfo() const {
    WindowClassInfo info;
    info.name = "ColorPicker";
    // The save-bits and shadow styles show nothing under Wine; they are asked
    // for as the platform offers them.
    info.style = CS_HREDRAW | CS_VREDRAW | CS_CLASSDC | CS_SAVEBITS | (DropShadowsOn() ? CS_DROPSHADOW : 0);
    info.background = (HBRUSH)(COLOR_MENU + 1);
    info.cursor = IDC_ARROW;
    return info;
}

void CColorPickerPopup::ReadMenuSettings() {
    // Flat menus came with version 5.1 of the platform.
    OSVERSIONINFOA version{sizeof(version)};
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ::GetVersionExA(&version);
#pragma GCC diagnostic pop
    BOOL flat = FALSE;
    if (version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion >= 1))
        ::SystemParametersInfoA(SPI_GETFLATMENU, 0, &flat, 0);
    m_flatMenus = flat != FALSE;
    m_menuColor = ::GetSysColor(COLOR_MENU);
    m_highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    m_menuHighlight = ::GetSysColor(m_flatMenus ? COLOR_MENUHILIGHT : COLOR_HIGHLIGHT);
    m_highlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_menuText = ::GetSysColor(COLOR_MENUTEXT);
    m_blend = BlendMenuHighlight(m_highlight, m_menuColor);
    m_edge = {::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CYEDGE)};

    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        m_font.Reset(::CreateFontIndirectA(&metrics.lfMenuFont));
    if (!m_font) m_font.Reset((HFONT)::GetStockObject(DEFAULT_GUI_FONT), false);

    std::vector<BYTE> storage(sizeof(LOGPALETTE) + kPaletteCount * sizeof(PALETTEENTRY));
    LOGPALETTE* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = kPaletteCount;
    for (int i = 0; i < kPaletteCount; ++i) {
        palette->palPalEntry[i] = {GetRValue(kPalette[i].value), GetGValue(kPalette[i].value),
                                   GetBValue(kPalette[i].value), 0};
    }
    m_palette.Reset(::CreatePalette(palette));
}

void CColorPickerPopup::CreateTooltip() {
    m_tooltip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                  m_hWnd, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (!m_tooltip) return;
    for (int i = 0; i < kPaletteCount; ++i) {
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.hwnd = m_hWnd;
        tool.uId = (UINT_PTR)i + 1;
        tool.rect = CellRect(m_layout, i);
        tool.lpszText = const_cast<char*>(kPalette[i].name);
        ::SendMessageA(m_tooltip, TTM_ADDTOOLA, 0, (LPARAM)&tool);
    }
}

CColorPickerPopup::Outcome CColorPickerPopup::Run() {
    ReadMenuSettings();
    m_items.automatic = !m_button.automaticText.empty();
    m_items.more = !m_button.moreText.empty();

    RECT button{};
    ::GetWindowRect(m_button, &button);
    if (!Create(m_button.GetParent(), &button, nullptr, WS_POPUP, WS_EX_TOOLWINDOW)) return m_outcome;
    {
        CClientDc dc(m_hWnd);
        CSelectObject font(dc, m_font);
        m_layout = LayoutPopup(TextExtent(dc, m_button.automaticText), TextExtent(dc, m_button.moreText), m_edge);
    }
    RECT area{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    MONITORINFO monitor{sizeof(monitor)};
    if (::GetMonitorInfoA(::MonitorFromWindow(m_button, MONITOR_DEFAULTTONEAREST), &monitor)) area = monitor.rcMonitor;
    const POINT at = PlacePopup(button, m_layout.window, area);
    ::SetWindowPos(m_hWnd, nullptr, at.x, at.y, m_layout.window.cx, m_layout.window.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    CreateTooltip();
    m_button.m_popup = m_hWnd;

    m_chosen = m_caret = InitialCaretItem(m_button.color, m_items);
    ::ShowWindow(m_hWnd, SW_SHOWNA);
    ::UpdateWindow(m_hWnd);
    ::SetCapture(m_hWnd);

    MSG msg;
    while (!m_ended && ::GetCapture() == m_hWnd) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The quit belongs to the loop outside ours.
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (got < 0) break;
        if (m_tooltip) ::SendMessageA(m_tooltip, TTM_RELAYEVENT, 0, (LPARAM)&msg);
        if (HandleLoopMessage(msg)) m_ended = true;
    }
    m_ended = true;
    m_button.m_popup = nullptr;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (m_tooltip) ::DestroyWindow(m_tooltip);
    m_tooltip = nullptr;
    ::DestroyWindow(m_hWnd);
    m_font.Reset();
    m_palette.Reset();
    return m_outcome;
}

POINT CColorPickerPopup::PopupPoint(const MSG& msg) const {
    POINT point{(short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)};
    if (msg.hwnd != m_hWnd) ::MapWindowPoints(msg.hwnd, m_hWnd, &point, 1);
    return point;
}

bool CColorPickerPopup::HandleLoopMessage(const MSG& msg) {
    switch (msg.message) {
    case WM_KEYDOWN:
        switch (msg.wParam) {
        case VK_RETURN:
        case VK_SPACE:
            // With nothing under the caret the colour stays as it was.
            m_outcome = {m_caret != kItemNone, m_caret};
            return true;
        case VK_ESCAPE:
            m_outcome = {};
            return true;
        case VK_LEFT: SelectItem(MoveCaret(m_caret, PickerMove::Left, m_items)); return false;
        case VK_RIGHT: SelectItem(MoveCaret(m_caret, PickerMove::Right, m_items)); return false;
        case VK_UP: SelectItem(MoveCaret(m_caret, PickerMove::Up, m_items)); return false;
        case VK_DOWN: SelectItem(MoveCaret(m_caret, PickerMove::Down, m_items)); return false;
        default: return false;
        }
    case WM_SYSKEYDOWN:
        // Alt ends the pick, as it closes a menu: dispatched, Alt+F4 could
        // close the dialog under the running popup.
        m_outcome = {};
        return true;
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
        return false;
    case WM_MOUSEMOVE:
        SelectItem(ItemAt(m_layout, PopupPoint(msg)));
        return false;
    case WM_LBUTTONUP: {
        const int item = ItemAt(m_layout, PopupPoint(msg));
        if (item == kItemNone) return false;
        m_outcome = {true, item};
        return true;
    }
    case WM_RBUTTONDOWN:
        m_outcome = {};
        return true;
    default:
        break;
    }
    if (IsMouseDown(msg.message)) {
        // A press outside closes the popup, as a menu does; inside it waits
        // for the release.
        RECT client{};
        ::GetClientRect(m_hWnd, &client);
        const POINT point = PopupPoint(msg);
        if (msg.message == WM_NCLBUTTONDOWN || msg.message == WM_NCMBUTTONDOWN || !::PtInRect(&client, point)) {
            m_outcome = {};
            return true;
        }
        return false;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
    return false;
}

LRESULT CColorPickerPopup::OnCaptureChanged(UINT, WPARAM, LPARAM l, bool&) {
    // Another window took the mouse: the pick is over, without a choice.
    if ((HWND)l != m_hWnd && !m_ended) {
        m_ended = true;
        m_outcome = {};
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
    }
    return 0;
}

void CColorPickerPopup::InvalidateItem(int item) {
    const RECT rect = ItemRect(m_layout, item);
    if (!::IsRectEmpty(&rect)) ::InvalidateRect(m_hWnd, &rect, TRUE);
}

void CColorPickerPopup::SelectItem(int item) {
    if (item == m_caret) return;
    InvalidateItem(m_caret);
    InvalidateItem(item);
    m_caret = item;
    if (m_button.trackSelection) m_button.TrackItem(item);
}

void CColorPickerPopup::DrawItem(HDC dc, int item) {
    RECT rect = ItemRect(m_layout, item);
    if (::IsRectEmpty(&rect)) return;
    const bool hot = item == m_caret;
    const bool chosen = item == m_chosen;
    if (hot || chosen) {
        if (m_flatMenus) {
            CBrushHandle fill(::CreateSolidBrush(hot ? m_blend : m_menuColor));
            ::FillRect(dc, &rect, fill);
            CBrushHandle frame(::CreateSolidBrush(m_menuHighlight));
            ::FrameRect(dc, &rect, frame);
        } else if (hot) {
            CBrushHandle fill(::CreateSolidBrush(m_highlight));
            ::FillRect(dc, &rect, fill);
        } else {
            ::DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
        }
    }
    if (item >= 0) {
        RECT swatch = rect;
        ::InflateRect(&swatch, -2, -2);
        // Matched to the popup's palette on displays that have one.
        CBrushHandle fill(::CreateSolidBrush(0x02000000 | kPalette[item].value));
        ::FillRect(dc, &swatch, fill);
        CBrushHandle frame(::CreateSolidBrush(::GetSysColor(COLOR_BTNSHADOW)));
        ::FrameRect(dc, &swatch, frame);
        return;
    }
    const std::string& text = item == kItemAutomatic ? m_button.automaticText : m_button.moreText;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, hot && !m_flatMenus ? m_highlightText : m_menuText);
    ::DrawTextA(dc, text.c_str(), (int)text.size(), &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

LRESULT CColorPickerPopup::OnPaint(UINT, WPARAM, LPARAM, bool&) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    {
        CSaveDc saved(dc);
        if (m_palette) {
            ::SelectPalette(dc, m_palette, FALSE);
            ::RealizePalette(dc);
        }
        ::SelectObject(dc, m_font.Get());
        RECT client{};
        ::GetClientRect(m_hWnd, &client);
        if (m_flatMenus) {
            CBrushHandle frame(::CreateSolidBrush(::GetSysColor(COLOR_BTNSHADOW)));
            ::FrameRect(dc, &client, frame);
        } else {
            ::DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);
        }
        if (m_items.automatic) DrawItem(dc, kItemAutomatic);
        for (int i = 0; i < kPaletteCount; ++i) DrawItem(dc, i);
        if (m_items.more) DrawItem(dc, kItemMore);
    }
    ::EndPaint(m_hWnd, &ps);
    return 0;
}
