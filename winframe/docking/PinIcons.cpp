#include "PinIcons.h"

#include <cstring>

namespace {

// '#' black, '.' white, ' ' transparent.
const char* const kPictures[2][kPinIconSize] = {
    {
        "           ",
        "     #     ",
        "     ##### ",
        "     #..## ",
        "######..## ",
        "     #..## ",
        "     ##### ",
        "     #     ",
        "           ",
        "           ",
        "           ",
    },
    {
        "  #######  ",
        "  #..#..#  ",
        "  #..#..#  ",
        "  #..#..#  ",
        " ######### ",
        "     #     ",
        "     #     ",
        "     #     ",
        "     #     ",
        "           ",
        "           ",
    },
};

constexpr int kXorStride = 8;  // 11 pixels at 4 bits, padded to 4 bytes
constexpr int kAndStride = 4;  // 11 pixels at 1 bit, padded to 4 bytes

}  // namespace

std::array<uint8_t, kPinImageBytes> PinIconImage(int index) {
    std::array<uint8_t, kPinImageBytes> image{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = kPinIconSize;
    header.biHeight = 2 * kPinIconSize;  // colour bits and mask
    header.biPlanes = 1;
    header.biBitCount = 4;
    std::memcpy(image.data(), &header, sizeof header);
    uint8_t* palette = image.data() + sizeof header;
    const uint8_t white[4] = {0xFF, 0xFF, 0xFF, 0};
    std::memcpy(palette + 15 * 4, white, 4);  // colour 0 black, 15 white
    uint8_t* xorBits = palette + 16 * 4;
    uint8_t* andBits = xorBits + kXorStride * kPinIconSize;
    for (int row = 0; row < kPinIconSize; ++row) {
        const char* line = kPictures[index & 1][row];
        int dibRow = kPinIconSize - 1 - row;  // bottom-up
        for (int x = 0; x < kPinIconSize; ++x) {
            char c = line[x];
            uint8_t colour = c == '.' ? 15 : 0;
            if (x % 2 == 0)
                xorBits[dibRow * kXorStride + x / 2] |= (uint8_t)(colour << 4);
            else
                xorBits[dibRow * kXorStride + x / 2] |= colour;
            if (c == ' ') andBits[dibRow * kAndStride + x / 8] |= (uint8_t)(0x80 >> (x % 8));
        }
    }
    return image;
}

CPinIcons& CPinIcons::Get() {
    static CPinIcons icons;
    return icons;
}

CPinIcons::CPinIcons() {
    for (int i = 0; i < 2; ++i) {
        auto image = PinIconImage(i);
        m_icons[i] = ::CreateIconFromResourceEx(image.data(), (DWORD)image.size(), TRUE, 0x30000, kPinIconSize,
                                                kPinIconSize, 0);
    }
}

CPinIcons::~CPinIcons() {
    for (HICON icon : m_icons)
        if (icon) ::DestroyIcon(icon);
}
