#pragma once
// The one process-wide set of docking resources: colours, drag mode, the GUI
// font and its downward-running copy, and the two sizing cursors.
#include <windows.h>

// Drag-mode bits.
constexpr DWORD kDragKeepMode = 0x1;   // bits 1-2 set by the program
constexpr DWORD kDragOutline = 0x2;
constexpr DWORD kDragFullWindow = 0x4;

// Platform calls the refresh makes, replaceable so that its rules can be tested.
struct DockingMetricsSystem {
    BOOL (*getDragFullWindows)(BOOL* on);
    HFONT (*stockGuiFont)();
};

// Per channel t + 2 * ((g - t) / 3), kept to 8 bits; t from text, g from grey.
COLORREF BarTextColour(COLORREF text, COLORREF grey);
// Drag-mode bits after a query of the system's full-window dragging.
DWORD RefreshedDragMode(DWORD mode, bool queried, bool fullWindows);

class CDockingMetrics {
public:
    static CDockingMetrics& Get();
    static DockingMetricsSystem& System();

    CDockingMetrics(const CDockingMetrics&) = delete;
    CDockingMetrics& operator=(const CDockingMetrics&) = delete;
    ~CDockingMetrics();

    // Re-reads the drag mode (unless bit 0), the fonts, cursors and colours.
    void Refresh();

    COLORREF FaceColour() const { return m_face; }
    COLORREF BarTextColour() const { return m_barText; }
    DWORD DragMode() const { return m_dragMode; }
    void SetDragMode(DWORD mode) { m_dragMode = mode; }
    HFONT GuiFont() const { return m_guiFont; }
    HFONT VerticalGuiFont() const { return m_verticalFont; }
    HCURSOR SizeNsCursor() const { return m_sizeNs; }
    HCURSOR SizeWeCursor() const { return m_sizeWe; }

private:
    CDockingMetrics();

    COLORREF m_face = 0;
    COLORREF m_barText = 0;
    DWORD m_dragMode = kDragOutline;
    HFONT m_verticalFont = nullptr;  // owned
    HFONT m_guiFont = nullptr;       // stock
    HCURSOR m_sizeNs = nullptr;
    HCURSOR m_sizeWe = nullptr;
};
