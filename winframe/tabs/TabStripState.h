#pragma once
// The strip's packed state word: flags, scroll step and speed, and the
// hover, pressed and under-the-mouse elements.
#include <windows.h>

enum TabElement : int { kElemNone = 0, kElemClose = 1, kElemScrollRight = 2, kElemScrollLeft = 3, kElemTab = 4 };

class TabStripState {
public:
    static constexpr DWORD kLeaveTracked = 0x1;
    static constexpr DWORD kCanScrollLeft = 0x2;
    static constexpr DWORD kCanScrollRight = 0x4;
    static constexpr DWORD kRedraw = 0x8;
    static constexpr DWORD kDragging = 0x10;

    DWORD Word() const { return m_word; }
    bool Has(DWORD flag) const { return (m_word & flag) != 0; }
    void Set(DWORD flag, bool on) { m_word = on ? (m_word | flag) : (m_word & ~flag); }

    int ScrollStep() const { return Field(8, 0x3F); }
    void SetScrollStep(int px) { SetField(8, 0x3F, px); }
    // 0 no repeat, 1 every 100 ms, 2 every 25 ms, 3 every 10 ms.
    int RepeatSpeed() const { return Field(14, 0x3); }
    void SetRepeatSpeed(int speed) { SetField(14, 0x3, speed); }
    UINT RepeatPeriod() const {
        static const UINT periods[] = {0, 100, 25, 10};
        return periods[RepeatSpeed()];
    }

    int Hover() const { return Field(16, 0xF); }
    void SetHover(int e) { SetField(16, 0xF, e); }
    int Pressed() const { return Field(20, 0xF); }
    void SetPressed(int e) { SetField(20, 0xF, e); }
    int Under() const { return Field(24, 0xF); }
    void SetUnder(int e) { SetField(24, 0xF, e); }

private:
    int Field(int shift, DWORD mask) const { return (int)((m_word >> shift) & mask); }
    void SetField(int shift, DWORD mask, int value) {
        m_word = (m_word & ~(mask << shift)) | (((DWORD)value & mask) << shift);
    }
    DWORD m_word = 0xA808;  // redraw on, step 40, speed 2
};
