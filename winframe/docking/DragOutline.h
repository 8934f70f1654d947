#pragma once
// The outline a pane, box or splitter bar drag shows: a top-most popup
// filled with the half-tone pattern, hollow for a frame and solid for a
// bar. Under Wine every window is an X window of its own above the root, so
// drawing on the screen's DC shows only over the bare desktop; a window of
// its own shows over the editor too. It never takes the activation, the
// focus or the mouse, so the drag loop keeps its capture and the drop target
// under the pointer is still found.
#include "Window.h"

enum class OutlineShape {
    Frame,  // a frame 3 pixels thick round the rectangle
    Bar,    // the whole rectangle
};

class CDragOutline : public CMsgWindow {
public:
    static constexpr const char* kClassName = "TwDragOutline";
    static constexpr int kThickness = 3;

    explicit CDragOutline(OutlineShape shape) : m_shape(shape) {}

    // Draws the rectangle or, drawn again, erases it, as the half-tone XOR
    // ghost did. An erase leaves the window up for the draw that follows it
    // in a move, so the outline moves without flicker; End takes it away.
    void Toggle(const RECT& screen);
    // Destroys the window; the next Toggle makes it anew.
    void End();
    bool Drawn() const { return m_drawn; }

    TW_BEGIN_MSG_MAP(CDragOutline)
        TW_MESSAGE_HANDLER(WM_NCHITTEST, OnNcHitTest)
        TW_MESSAGE_HANDLER(WM_MOUSEACTIVATE, OnMouseActivate)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override;

private:
    void Show(const RECT& screen);
    LRESULT OnNcHitTest(UINT, WPARAM, LPARAM, bool&) { return HTTRANSPARENT; }
    LRESULT OnMouseActivate(UINT, WPARAM, LPARAM, bool&) { return MA_NOACTIVATE; }

    OutlineShape m_shape;
    RECT m_shown{};
    bool m_drawn = false;
};

// The process's outline of each shape, shared by the drags (one runs at a time).
CDragOutline& DragOutline(OutlineShape shape);
// Takes away whatever outline a drag left up.
void EndDragOutlines();
