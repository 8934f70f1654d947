#include "PaneSeams.h"

#include "DockSeams.h"
#include "GdiHandles.h"
#include "TabDockingBox.h"

namespace {

void PlatformGhostFrame(const RECT& r) {
    const CClientDc dc(nullptr);
    if (!dc) return;
    if (HBRUSH brush = CreateHalftoneBrush()) {
        HGDIOBJ old = ::SelectObject(dc, brush);
        PatInvertFrame(dc, r);
        ::SelectObject(dc, old);
        ::DeleteObject(brush);
    }
}

constexpr PaneSeams kPlatform{PlatformGhostFrame, CTabDockingBox::Make};

}  // namespace

PaneSeams& PaneSeam() {
    static PaneSeams seams = kPlatform;
    return seams;
}

void ResetPaneSeams() { PaneSeam() = kPlatform; }

void PatInvertFrame(HDC dc, const RECT& r) {
    int w = r.right - r.left, h = r.bottom - r.top;
    ::PatBlt(dc, r.left, r.top, w, 3, PATINVERT);
    ::PatBlt(dc, r.left, r.bottom - 3, w, 3, PATINVERT);
    ::PatBlt(dc, r.left, r.top + 3, 3, h - 6, PATINVERT);
    ::PatBlt(dc, r.right - 3, r.top + 3, 3, h - 6, PATINVERT);
}
