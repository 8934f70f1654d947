#include "ConsoleView.h"

#include <string>
#include <vector>

#include "ConsoleInput.h"
#include "GdiHandles.h"
#include "OffscreenDc.h"

namespace {

// The console's sixteen colours as it starts: attribute bits 0-3 are the
// text's, bits 4-7 the background's.
const COLORREF kConsoleColours[16] = {
    RGB(0, 0, 0),     RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
    RGB(128, 0, 0),   RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 255), RGB(0, 255, 0),   RGB(0, 255, 255),
    RGB(255, 0, 0),   RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255),
};

COLORREF TextColour(WORD attributes) { return kConsoleColours[attributes & 0x0F]; }
COLORREF BackColour(WORD attributes) { return kConsoleColours[(attributes >> 4) & 0x0F]; }

constexpr WORD kColourBits = 0xFF;

}  // namespace

CConsoleView::CConsoleView(const CConsoleScreen& screen, IConsoleViewHost& host) : m_screen(screen), m_host(host) {}

WindowClassInfo CConsoleView::GetWindowClassInfo() const {
    WindowClassInfo info;
    info.name = kClassName;
    info.cursor = IDC_IBEAM;
    info.background = nullptr;
    return info;
}

HWND CConsoleView::CreateView(HWND parent, HFONT font) {
    m_font = font ? font : static_cast<HFONT>(::GetStockObject(ANSI_FIXED_FONT));
    RECT rect{};
    ::GetClientRect(parent, &rect);
    return Create(parent, &rect, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
}

LRESULT CConsoleView::OnCreate(UINT, WPARAM, LPARAM, bool&) {
    const CClientDc dc(m_hWnd);
    {
        CSelectObject font(dc, m_font);
        TEXTMETRICA metrics{};
        if (::GetTextMetricsA(dc, &metrics)) m_cell = SIZE{metrics.tmAveCharWidth, metrics.tmHeight};
    }
    if (m_cell.cx <= 0) m_cell.cx = 8;
    if (m_cell.cy <= 0) m_cell.cy = 16;
    ::SetTimer(m_hWnd, kPollTimer, kPollMs, nullptr);
    return 0;
}

LRESULT CConsoleView::OnDestroy(UINT, WPARAM, LPARAM, bool&) {
    ::KillTimer(m_hWnd, kPollTimer);
    return 0;
}

LRESULT CConsoleView::OnTimer(UINT, WPARAM wParam, LPARAM, bool& handled) {
    if (wParam != kPollTimer) {
        handled = false;
        return 0;
    }
    m_host.PollConsole();
    return 0;
}

void CConsoleView::ScreenChanged() {
    if (m_hWnd) Invalidate(FALSE);
}

LRESULT CConsoleView::OnPaint(UINT, WPARAM, LPARAM, bool&) {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(m_hWnd, &paint);
    RECT client{};
    GetClientRect(&client);
    {
        OffscreenDc offscreen(dc, client);
        PaintCells(offscreen.Dc(), client);
    }
    ::EndPaint(m_hWnd, &paint);
    return 0;
}

void CConsoleView::PaintCells(HDC dc, const RECT& client) {
    // Where the console has no cells, its background colour.
    const WORD blankAttributes = m_screen.Width() > 0 ? m_screen.Cell(0, 0).Attributes : 0xF0;
    CBrushHandle blank(::CreateSolidBrush(BackColour(blankAttributes)));
    ::FillRect(dc, &client, blank);
    CSelectObject font(dc, m_font);
    std::wstring run;
    std::vector<INT> advances;
    for (int y = 0; y < m_screen.Height(); ++y) {
        const int top = y * m_cell.cy;
        if (top >= client.bottom) break;
        for (int x = 0; x < m_screen.Width();) {
            // A run of cells with the same colours, drawn in one call.
            const WORD colours = m_screen.Cell(x, y).Attributes & kColourBits;
            const int start = x;
            run.clear();
            advances.clear();
            for (; x < m_screen.Width() && (m_screen.Cell(x, y).Attributes & kColourBits) == colours; ++x) {
                const CHAR_INFO& cell = m_screen.Cell(x, y);
                if (cell.Attributes & COMMON_LVB_TRAILING_BYTE) {
                    if (!advances.empty()) advances.back() += m_cell.cx;
                    continue;
                }
                run += cell.Char.UnicodeChar ? cell.Char.UnicodeChar : L' ';
                advances.push_back(m_cell.cx);
            }
            const RECT cells{start * m_cell.cx, top, x * m_cell.cx, top + m_cell.cy};
            ::SetTextColor(dc, TextColour(colours));
            ::SetBkColor(dc, BackColour(colours));
            ::ExtTextOutW(dc, cells.left, cells.top, ETO_OPAQUE | ETO_CLIPPED, &cells, run.c_str(), (UINT)run.size(),
                          advances.data());
        }
    }
    const COORD cursor = m_screen.Cursor();
    if (m_screen.CursorVisible() && cursor.X >= 0 && cursor.Y >= 0 && cursor.X < m_screen.Width() &&
        cursor.Y < m_screen.Height()) {
        // An underline while the view has the focus, a frame otherwise.
        RECT caret{cursor.X * m_cell.cx, cursor.Y * m_cell.cy, (cursor.X + 1) * m_cell.cx, (cursor.Y + 1) * m_cell.cy};
        if (::GetFocus() == m_hWnd) {
            caret.top = caret.bottom - 2;
            ::InvertRect(dc, &caret);
        } else {
            CBrushHandle frame(::CreateSolidBrush(TextColour(m_screen.Cell(cursor.X, cursor.Y).Attributes)));
            ::FrameRect(dc, &caret, frame);
        }
    }
}

LRESULT CConsoleView::OnChar(UINT, WPARAM wParam, LPARAM, bool&) {
    // The window is ANSI: a double-byte character arrives as its bytes, one
    // message each, and is whole only with its second byte.
    const char byte = static_cast<char>(wParam & 0xFF);
    char bytes[2] = {byte, 0};
    int count = 1;
    if (m_leadByte) {
        bytes[0] = m_leadByte;
        bytes[1] = byte;
        count = 2;
        m_leadByte = 0;
    } else if (::IsDBCSLeadByte(static_cast<BYTE>(byte))) {
        m_leadByte = byte;
        return 0;
    }
    wchar_t wide[2] = {};
    const int units = ::MultiByteToWideChar(CP_ACP, 0, bytes, count, wide, 2);
    for (int i = 0; i < units; ++i) {
        const INPUT_RECORD record = CharRecord(wide[i]);
        m_host.TypeRecords(&record, 1);
    }
    return 0;
}

LRESULT CConsoleView::OnKeyDown(UINT, WPARAM wParam, LPARAM lParam, bool& handled) {
    INPUT_RECORD record{};
    if (!NavigationKeyRecord(static_cast<UINT>(wParam), lParam, record)) {
        handled = false;
        return 0;
    }
    m_host.TypeRecords(&record, 1);
    return 0;
}

LRESULT CConsoleView::OnButtonDown(UINT, WPARAM, LPARAM, bool&) {
    ::SetFocus(m_hWnd);
    return 0;
}

LRESULT CConsoleView::OnFocusChange(UINT, WPARAM, LPARAM, bool& handled) {
    Invalidate(FALSE);
    handled = false;
    return 0;
}
