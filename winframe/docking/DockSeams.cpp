#include "DockSeams.h"

#include "DragOutline.h"
#include "PackageWindowFrame.h"

namespace {

BOOL PlatformDragDetect(HWND window, POINT point) { return ::DragDetect(window, point); }

void PlatformGhostBar(const RECT& r) { DragOutline(OutlineShape::Bar).Toggle(r); }

constexpr DockSeams kPlatform{PlatformDragDetect, PlatformGhostBar, CPackageWindowFrame::Create};

}  // namespace

DockSeams& Seams() {
    static DockSeams seams = kPlatform;
    return seams;
}

void ResetSeams() { Seams() = kPlatform; }

HBRUSH CreateHalftoneBrush() {
    WORD rows[8];
    for (int i = 0; i < 8; ++i) rows[i] = (i % 2) ? 0xAAAA : 0x5555;
    HBITMAP pattern = ::CreateBitmap(8, 8, 1, 1, rows);
    if (!pattern) return nullptr;
    HBRUSH brush = ::CreatePatternBrush(pattern);
    ::DeleteObject(pattern);  // the brush keeps its own copy
    return brush;
}
