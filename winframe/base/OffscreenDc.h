#pragma once
// A memory DC and bitmap over a rectangle of a target DC, copied to the
// target when it goes, so owner-painted windows never flicker. Drawing uses
// the target's coordinates.
#include <windows.h>

#include "GdiHandles.h"

class OffscreenDc {
public:
    OffscreenDc(HDC target, const RECT& area);
    OffscreenDc(const OffscreenDc&) = delete;
    OffscreenDc& operator=(const OffscreenDc&) = delete;
    ~OffscreenDc();

    // The memory DC, or the target itself when no memory DC could be made.
    HDC Dc() const { return m_memory ? m_memory : m_target; }
    const RECT& Area() const { return m_area; }

private:
    HDC m_target;
    RECT m_area;
    HDC m_memory = nullptr;
    CBitmapHandle m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
};
