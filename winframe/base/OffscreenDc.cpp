#include "OffscreenDc.h"

OffscreenDc::OffscreenDc(HDC target, const RECT& area) : m_target(target), m_area(area) {
    const int cx = area.right - area.left, cy = area.bottom - area.top;
    if (cx <= 0 || cy <= 0) return;
    m_bitmap.Reset(::CreateCompatibleBitmap(target, cx, cy));
    if (!m_bitmap) return;
    m_memory = ::CreateCompatibleDC(target);
    if (!m_memory) return;
    m_oldBitmap = ::SelectObject(m_memory, m_bitmap);
    ::SetViewportOrgEx(m_memory, -area.left, -area.top, nullptr);
}

OffscreenDc::~OffscreenDc() {
    if (!m_memory) return;
    ::SetViewportOrgEx(m_memory, 0, 0, nullptr);
    ::BitBlt(m_target, m_area.left, m_area.top, m_area.right - m_area.left, m_area.bottom - m_area.top, m_memory,
             0, 0, SRCCOPY);
    ::SelectObject(m_memory, m_oldBitmap);
    ::DeleteDC(m_memory);
}
