#pragma once
// The two 11x11 pin pictures of the caption pin buttons: 0 lying, 1 upright.
#include <windows.h>

#include <array>
#include <cstdint>

constexpr int kPinIconSize = 11;
constexpr size_t kPinImageBytes = 236;

// The icon image (16-colour DIB plus AND mask) of picture 0 or 1.
std::array<uint8_t, kPinImageBytes> PinIconImage(int index);

class CPinIcons {
public:
    static CPinIcons& Get();
    CPinIcons(const CPinIcons&) = delete;
    CPinIcons& operator=(const CPinIcons&) = delete;
    ~CPinIcons();
    HICON Icon(int index) const { return index == 0 || index == 1 ? m_icons[index] : nullptr; }

private:
    CPinIcons();
    HICON m_icons[2] = {};
};
