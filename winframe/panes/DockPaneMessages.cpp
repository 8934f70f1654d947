// The pane's own window messages: its caption buttons, closing, double
// clicks, colour and setting changes, the start of a caption drag.
#include "DockPane.h"
#include "DockingMetrics.h"
#include "OwnCaption.h"
#include "PaneLoops.h"

LRESULT CDockPaneBase::OnClose(UINT, WPARAM, LPARAM, bool&) {
    Hide();
    return 0;
}

LRESULT CDockPaneBase::OnNcDoubleClick(UINT, WPARAM w, LPARAM, bool&) {
    if (w == HTCAPTION) {
        if (!IsFloating()) {
            Float();
        } else if (m_placement.target) {
            DockMessage record = m_placement;
            DockAtPlacement(record);
        }
    }
    return 0;
}

LRESULT CDockPaneBase::OnNcButtonPress(UINT, WPARAM w, LPARAM, bool& handled) {
    CCaptionButton* button = IsFloating() ? nullptr : m_caption.ButtonOf((int)w);
    if (!button) {
        handled = false;
        return 0;
    }
    if (PressCaptionButton(m_caption, m_hWnd, (int)w)) {
        if (button == &m_caption.pin)
            TogglePin();
        else
            PostMessage(WM_CLOSE);
    }
    return 1;
}

LRESULT CDockPaneBase::OnSettingChange(UINT msg, WPARAM w, LPARAM l, bool&) {
    if (IsFloating()) {
        CDockingMetrics::Get().Refresh();
        SendToDescendants(m_hWnd, msg, w, l);
    }
    m_caption.MeasureHeight();
    RecomputeFrame(m_hWnd);
    return 0;
}

LRESULT CDockPaneBase::OnNcDragStart(UINT, WPARAM w, LPARAM l, bool& handled) {
    if (w != HTCAPTION) {
        handled = false;
        return 0;
    }
    DragPane({(short)LOWORD(l), (short)HIWORD(l)});
    return 0;
}

