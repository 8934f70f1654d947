#include "DockSplitter.h"
#include "SlotObject.h"

int CCentreWindowCell::MinExtent(Axis along) const {
    MINMAXINFO mmi{};
    FillMinMax(mmi);
    return MinTrackAlong(mmi, along);
}

void CCentreWindowCell::FillMinMax(MINMAXINFO& mmi) const {
    if (HWND w = Window()) ::SendMessageA(w, WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
}

HDWP CCentreWindowCell::Place(HDWP batch, const RECT& r) {
    HWND w = Window();
    if (!w) return batch;
    return ::DeferWindowPos(batch, w, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                            SWP_NOZORDER | SWP_NOACTIVATE);
}

int CCentreAreaCell::MinExtent(Axis along) const {
    MINMAXINFO mmi{};
    FillMinMax(mmi);
    return MinTrackAlong(mmi, along);
}

void CCentreAreaCell::FillMinMax(MINMAXINFO& mmi) const { m_area.FillMinMax(mmi); }

HDWP CCentreAreaCell::Place(HDWP batch, const RECT& r) {
    m_area.SetRect(r);
    return batch;
}
