#include "DockingMetrics.h"

namespace {

BOOL SystemDragFullWindows(BOOL* on) { return ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, on, 0); }
HFONT SystemGuiFont() { return (HFONT)::GetStockObject(DEFAULT_GUI_FONT); }

int Channel(int t, int g) { return (t + 2 * ((g - t) / 3)) & 0xFF; }

}  // namespace

COLORREF BarTextColour(COLORREF text, COLORREF grey) {
    return RGB(Channel(GetRValue(text), GetRValue(grey)), Channel(GetGValue(text), GetGValue(grey)),
               Channel(GetBValue(text), GetBValue(grey)));
}

DWORD RefreshedDragMode(DWORD mode, bool queried, bool fullWindows) {
    if ((mode & kDragKeepMode) || !queried) return mode;
    return (mode & ~(kDragOutline | kDragFullWindow)) | (fullWindows ? kDragFullWindow : kDragOutline);
}

DockingMetricsSystem& CDockingMetrics::System() {
    static DockingMetricsSystem system{SystemDragFullWindows, SystemGuiFont};
    return system;
}

CDockingMetrics& CDockingMetrics::Get() {
    static CDockingMetrics metrics;
    return metrics;
}

CDockingMetrics::CDockingMetrics() { Refresh(); }

CDockingMetrics::~CDockingMetrics() {
    if (m_verticalFont) ::DeleteObject(m_verticalFont);
}

void CDockingMetrics::Refresh() {
    BOOL full = FALSE;
    bool queried = System().getDragFullWindows(&full) != FALSE;
    m_dragMode = RefreshedDragMode(m_dragMode, queried, full != FALSE);

    HFONT stock = System().stockGuiFont();
    if (stock != m_guiFont || !m_verticalFont) {
        LOGFONTA lf{};
        if (stock && ::GetObjectA(stock, sizeof lf, &lf)) {
            lf.lfEscapement = lf.lfOrientation = 2700;
            lf.lfOutPrecision = OUT_TT_ONLY_PRECIS;
            if (HFONT vertical = ::CreateFontIndirectA(&lf)) {
                if (m_verticalFont) ::DeleteObject(m_verticalFont);
                m_verticalFont = vertical;
            }
        }
        m_guiFont = stock;
    }
    m_sizeNs = ::LoadCursorA(nullptr, IDC_SIZENS);
    m_sizeWe = ::LoadCursorA(nullptr, IDC_SIZEWE);
    m_face = ::GetSysColor(COLOR_BTNFACE) & 0x00FFFFFF;
    m_barText = ::BarTextColour(::GetSysColor(COLOR_BTNTEXT), ::GetSysColor(COLOR_GRAYTEXT));
}
