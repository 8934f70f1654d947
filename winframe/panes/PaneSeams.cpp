#include "PaneSeams.h"

#include "DragOutline.h"
#include "TabDockingBox.h"

namespace {

void PlatformGhostFrame(const RECT& r) { DragOutline(OutlineShape::Frame).Toggle(r); }

constexpr PaneSeams kPlatform{PlatformGhostFrame, CTabDockingBox::Make};

}  // namespace

PaneSeams& PaneSeam() {
    static PaneSeams seams = kPlatform;
    return seams;
}

void ResetPaneSeams() { PaneSeam() = kPlatform; }
