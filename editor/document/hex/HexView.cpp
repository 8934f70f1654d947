#include "HexView.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

#include "GdiHandles.h"
#include "HexSave.h"

CHexView::CHexView(IHexHost& owner)
    : m_owner(owner),
      m_model(owner),
      m_font((HFONT)::GetStockObject(ANSI_FIXED_FONT)),
      m_background(::GetSysColor(COLOR_WINDOW)),
      m_dragDetector([](HWND hWnd, POINT screen) { return ::DragDetect(hWnd, screen) != FALSE; }) {}

CHexView::~CHexView() = default;

WindowClassInfo CHexView::GetWindowClassInfo() const {
    WindowClassInfo info;
    info.name = "CHexView";
    info.style = CS_DBLCLKS;
    info.background = nullptr;  // painted whole, off screen
    info.cursor = IDC_ARROW;
    return info;
}

void CHexView::SetStyle(HFONT font, COLORREF background) {
    if (font) m_font = font;
    m_background = background;
    if (IsWindow()) {
        MeasureFont();
        Layout();
    }
}

void CHexView::MeasureFont() {
    const CClientDc dc(m_hWnd);
    const CSelectObject selected(dc, m_font);
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc, &metrics);
    hexgeo::Geometry geometry;
    geometry.charWidth = metrics.tmAveCharWidth;
    geometry.lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    m_model.SetGeometry(geometry);
}

int CHexView::ClientHeight() const {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    return client.bottom - client.top;
}

int CHexView::ClientWidth() const {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    return client.right - client.left;
}

bool CHexView::OpenFile(const char* path) {
    auto size = FilePageSource::FileSize(path);
    if (!size || !HexModel::CanShow(*size)) return false;
    m_path = path;
    m_source = std::make_unique<FilePageSource>(m_path);
    m_model.Open(m_source.get(), *size);
    if (IsWindow()) Layout();
    return true;
}

bool CHexView::Save(const char* path) {
    if (!m_model.IsOpen() || !SaveHexEdits(m_path, path, FileSize(), m_model.Edits())) return false;
    m_path = path;
    m_source->SetPath(m_path);
    m_model.MarkSaved();
    return true;
}

void CHexView::Layout() {
    m_model.SetClientWidth(ClientWidth());
    m_model.SetClientHeight(ClientHeight());
    SyncScrollBar(true);
    Refresh();
}

void CHexView::SyncScrollBar(bool range) {
    SCROLLINFO info{sizeof(info)};
    info.fMask = SIF_POS | (range ? SIF_RANGE | SIF_PAGE : 0);
    info.nMin = 0;
    info.nMax = (int)m_model.Rows();
    info.nPage = (UINT)m_model.VisibleRows();
    info.nPos = (int)m_model.FirstRow();
    ::SetScrollInfo(m_hWnd, SB_VERT, &info, TRUE);
    // Last: showing or hiding this bar resizes the client, and the WM_SIZE
    // it sends lays everything out again with the new size.
    SCROLLINFO sideways{sizeof(sideways)};
    sideways.fMask = SIF_POS | (range ? SIF_RANGE | SIF_PAGE : 0);
    sideways.nMin = 0;
    sideways.nMax = m_model.Geometry().RowWidth() - 1;
    sideways.nPage = (UINT)m_model.ClientWidth();
    sideways.nPos = m_model.ScrollX();
    ::SetScrollInfo(m_hWnd, SB_HORZ, &sideways, TRUE);
}

void CHexView::UpdateCaret() {
    bool wanted = m_focused && m_model.IsOpen() && !m_model.Page().empty() && m_model.SelectionEmpty();
    if (!wanted) {
        DestroyCaret();
        return;
    }
    const auto& geometry = m_model.Geometry();
    if (!m_caretCreated) {
        m_caretCreated = ::CreateCaret(m_hWnd, nullptr, geometry.charWidth, geometry.lineHeight - 2) != FALSE;
        if (!m_caretCreated) return;
        ::ShowCaret(m_hWnd);
    }
    // A caret scrolled off the page waits out of sight.
    auto point = m_model.CaretPoint();
    if (point) ::SetCaretPos(point->x, point->y);
    else ::SetCaretPos(-2 * geometry.charWidth, -2 * geometry.lineHeight);
}

void CHexView::DestroyCaret() {
    if (!m_caretCreated) return;
    ::HideCaret(m_hWnd);
    ::DestroyCaret();
    m_caretCreated = false;
}

void CHexView::Refresh() {
    SyncScrollBar(false);
    UpdateCaret();
    Invalidate(FALSE);
}

LRESULT CHexView::OnCreate(UINT, WPARAM, LPARAM, bool&) {
    LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    if ((style & (WS_VSCROLL | WS_HSCROLL)) != (WS_VSCROLL | WS_HSCROLL)) {
        ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, style | WS_VSCROLL | WS_HSCROLL);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    ::SetScrollPos(m_hWnd, SB_VERT, 0, FALSE);
    MeasureFont();
    return 0;
}

LRESULT CHexView::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
    DestroyCaret();
    handled = false;
    return 0;
}

LRESULT CHexView::OnSize(UINT, WPARAM, LPARAM, bool&) {
    Layout();
    return 0;
}

LRESULT CHexView::OnSetFocus(UINT, WPARAM, LPARAM, bool&) {
    m_focused = true;
    UpdateCaret();
    return 0;
}

LRESULT CHexView::OnKillFocus(UINT, WPARAM, LPARAM, bool&) {
    m_focused = false;
    DestroyCaret();
    return 0;
}

LRESULT CHexView::OnSetCursor(UINT, WPARAM, LPARAM, bool& handled) {
    const auto& geometry = m_model.Geometry();
    if (!geometry.Valid()) {
        handled = false;
        return 0;
    }
    POINT point;
    ::GetCursorPos(&point);
    ::ScreenToClient(m_hWnd, &point);
    bool inRows = point.y >= geometry.AreaTop() && point.y < geometry.AreaBottom(m_model.ShownRows());
    bool inArea = inRows && ((point.x >= geometry.HexLeft() && point.x < geometry.HexRight()) ||
                             (point.x >= geometry.CharLeft() && point.x < geometry.CharRight()));
    ::SetCursor(::LoadCursor(nullptr, inArea ? IDC_IBEAM : IDC_ARROW));
    return TRUE;
}

LRESULT CHexView::OnKeyDown(UINT, WPARAM wParam, LPARAM, bool&) {
    if (Captured()) {
        ::ReleaseCapture();
        return 0;
    }
    if (wParam == VK_F6) {
        PostMessage(WM_COMMAND, kNextPaneCommand, 0);
        return 0;
    }
    m_model.KeyDown((unsigned)wParam, ::GetKeyState(VK_SHIFT) < 0, ::GetKeyState(VK_CONTROL) < 0);
    Refresh();
    return 0;
}

LRESULT CHexView::OnChar(UINT, WPARAM wParam, LPARAM, bool&) {
    m_model.Char((unsigned)wParam);
    Refresh();
    return 0;
}

HexModel::Scroll CHexView::ScrollCode(WPARAM wParam, int bar, int& track) const {
    using Scroll = HexModel::Scroll;
    switch (LOWORD(wParam)) {
    case SB_LINEUP: return Scroll::LineUp;
    case SB_LINEDOWN: return Scroll::LineDown;
    case SB_PAGEUP: return Scroll::PageUp;
    case SB_PAGEDOWN: return Scroll::PageDown;
    case SB_TOP: return Scroll::Top;
    case SB_BOTTOM: return Scroll::Bottom;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        // The 32-bit track position: HIWORD(wParam) wraps above 65535 rows.
        SCROLLINFO info{sizeof(info), SIF_TRACKPOS};
        ::GetScrollInfo(m_hWnd, bar, &info);
        track = info.nTrackPos;
        return Scroll::Track;
    }
    default: return Scroll::None;
    }
}

LRESULT CHexView::OnVScroll(UINT, WPARAM wParam, LPARAM, bool&) {
    int track = 0;
    HexModel::Scroll code = ScrollCode(wParam, SB_VERT, track);
    if (m_model.ScrollTo(code, track)) Refresh();
    return 0;
}

LRESULT CHexView::OnHScroll(UINT, WPARAM wParam, LPARAM, bool&) {
    int track = 0;
    HexModel::Scroll code = ScrollCode(wParam, SB_HORZ, track);
    if (m_model.ScrollSideways(code, track)) Refresh();
    return 0;
}

LRESULT CHexView::OnLButtonDown(UINT, WPARAM, LPARAM lParam, bool&) {
    ::SetFocus(m_hWnd);
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (!m_model.MouseDown(point.x, point.y)) return 0;
    Refresh();
    POINT screen = point;
    ::ClientToScreen(m_hWnd, &screen);
    if (m_dragDetector(m_hWnd, screen)) ::SetCapture(m_hWnd);
    return 0;
}

LRESULT CHexView::OnMouseMove(UINT, WPARAM, LPARAM lParam, bool&) {
    if (!Captured()) return 0;
    m_model.MouseDrag(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), ClientHeight());
    Refresh();
    return 0;
}

LRESULT CHexView::OnLButtonUp(UINT, WPARAM, LPARAM lParam, bool&) {
    if (!Captured()) return 0;
    m_model.MouseDrag(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), ClientHeight());
    ::ReleaseCapture();
    Refresh();
    return 0;
}

LRESULT CHexView::OnLButtonDblClk(UINT, WPARAM, LPARAM lParam, bool&) {
    m_model.DoubleClick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    Refresh();
    return 0;
}

LRESULT CHexView::OnMouseWheel(UINT, WPARAM wParam, LPARAM, bool&) {
    int delta = GET_WHEEL_DELTA_WPARAM(wParam);
    int lines = std::abs(delta / WHEEL_DELTA) * 2;  // per message, as designed
    for (int i = 0; i < lines; ++i) m_model.ScrollTo(delta > 0 ? HexModel::Scroll::LineUp : HexModel::Scroll::LineDown);
    Refresh();
    return 0;
}

LRESULT CHexView::OnMouseHWheel(UINT, WPARAM wParam, LPARAM, bool&) {
    // Tilted right is a positive delta; two cells a notch, as the wheel scrolls two rows.
    int delta = GET_WHEEL_DELTA_WPARAM(wParam);
    int cells = std::abs(delta / WHEEL_DELTA) * 2;
    bool moved = false;
    for (int i = 0; i < cells; ++i)
        moved |= m_model.ScrollSideways(delta > 0 ? HexModel::Scroll::LineDown : HexModel::Scroll::LineUp);
    if (moved) Refresh();
    return 0;
}

LRESULT CHexView::OnUndo(WORD, WORD, HWND, bool&) {
    m_model.Undo();
    Refresh();
    return 0;
}

LRESULT CHexView::OnCopy(WORD, WORD, HWND, bool&) { return 0; }

LRESULT CHexView::OnNextPane(WORD, WORD, HWND, bool&) {
    m_model.SwitchSide();
    Refresh();
    return 0;
}

LRESULT CHexView::OnPaint(UINT, WPARAM, LPARAM, bool&) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    Paint(dc);
    ::EndPaint(m_hWnd, &paint);
    return 0;
}

LRESULT CHexView::OnPrintClient(UINT, WPARAM wParam, LPARAM, bool&) {
    Paint((HDC)wParam);
    return 0;
}
