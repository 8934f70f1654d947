#include "LayoutCodec.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {

template <size_t N>
void Put(std::array<uint8_t, N>& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = (uint8_t)(v >> (8 * i));
}

template <size_t N>
uint32_t Get(const std::array<uint8_t, N>& in, size_t at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= (uint32_t)in[at + i] << (8 * i);
    return v;
}

}  // namespace

std::string FormatLayoutHex(const uint8_t* bytes, size_t count) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(count * 3);
    for (size_t i = 0; i < count; ++i) {
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 15];
        text += ' ';
    }
    return text;
}

std::vector<uint8_t> ParseLayoutHex(const char* text) {
    std::vector<uint8_t> bytes;
    const char* p = text;
    for (;;) {
        while (*p && std::isspace((unsigned char)*p)) ++p;
        if (!*p) break;
        const char* start = p;
        while (*p && !std::isspace((unsigned char)*p)) ++p;
        std::string token(start, p);
        char* end = nullptr;
        unsigned long value = std::strtoul(token.c_str(), &end, 16);
        // A token with other characters, a sign, or above one byte ends the value.
        if (!std::isxdigit((unsigned char)token[0]) || *end || value > 0xff) break;
        bytes.push_back((uint8_t)value);
    }
    return bytes;
}

std::string LayoutChildKey(int id) {
    char key[32];
    std::snprintf(key, sizeof key, "Wnd-0x%x", (unsigned)id);
    return key;
}

std::string LayoutBandKey(int index) { return "band" + std::to_string(index); }

LayoutRatio WorkAreaRatio(const std::vector<uint8_t>* stored, int current) {
    if (!stored || stored->size() != 4) return {};
    int32_t value = (int32_t)((uint32_t)(*stored)[0] | (uint32_t)(*stored)[1] << 8 | (uint32_t)(*stored)[2] << 16 |
                              (uint32_t)(*stored)[3] << 24);
    // A stored 0 would make MulDiv answer -1 for every coordinate.
    if (value <= 0 || value == current) return {};
    return {current, value};
}

std::array<uint8_t, 4> LayoutInt32(int32_t value) {
    std::array<uint8_t, 4> out{};
    Put(out, 0, (uint32_t)value);
    return out;
}

WINDOWPLACEMENT PlacementForStore(const WINDOWPLACEMENT& current) {
    WINDOWPLACEMENT p = current;
    p.length = sizeof(WINDOWPLACEMENT);
    p.flags &= WPF_RESTORETOMAXIMIZED;
    // Wine keeps the flag after a maximized window is restored to normal, so
    // it is read only for a minimized window, where it says where it returns.
    if (p.showCmd == SW_SHOWMINIMIZED) {
        p.showCmd = (p.flags & WPF_RESTORETOMAXIMIZED) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    }
    if (p.showCmd != SW_SHOWMAXIMIZED) p.flags = 0;
    return p;
}

PlacementRecordBytes SerialiseWindowPlacement(const WINDOWPLACEMENT& w) {
    PlacementRecordBytes out{};
    const uint32_t fields[11] = {(uint32_t)kPlacementRecordBytes, w.flags, w.showCmd,
                                 (uint32_t)w.ptMinPosition.x, (uint32_t)w.ptMinPosition.y,
                                 (uint32_t)w.ptMaxPosition.x, (uint32_t)w.ptMaxPosition.y,
                                 (uint32_t)w.rcNormalPosition.left, (uint32_t)w.rcNormalPosition.top,
                                 (uint32_t)w.rcNormalPosition.right, (uint32_t)w.rcNormalPosition.bottom};
    for (int i = 0; i < 11; ++i) Put(out, i * 4, fields[i]);
    return out;
}

WINDOWPLACEMENT DeserialiseWindowPlacement(const PlacementRecordBytes& in) {
    WINDOWPLACEMENT w{};
    w.length = sizeof(WINDOWPLACEMENT);
    w.flags = Get(in, 4);
    w.showCmd = Get(in, 8);
    w.ptMinPosition = {(LONG)Get(in, 12), (LONG)Get(in, 16)};
    w.ptMaxPosition = {(LONG)Get(in, 20), (LONG)Get(in, 24)};
    w.rcNormalPosition = {(LONG)Get(in, 28), (LONG)Get(in, 32), (LONG)Get(in, 36), (LONG)Get(in, 40)};
    return w;
}

void ScalePlacement(WINDOWPLACEMENT& w, const LayoutRatio& x, const LayoutRatio& y) {
    w.ptMinPosition = {x.Scale(w.ptMinPosition.x), y.Scale(w.ptMinPosition.y)};
    w.ptMaxPosition = {x.Scale(w.ptMaxPosition.x), y.Scale(w.ptMaxPosition.y)};
    RECT& r = w.rcNormalPosition;
    r = {x.Scale(r.left), y.Scale(r.top), x.Scale(r.right), y.Scale(r.bottom)};
}

BandRecordBytes SerialiseBand(const REBARBANDINFOA& b) {
    const uint32_t fields[20] = {(uint32_t)kBandRecordBytes, kBandRecordMask, b.fStyle, b.clrFore, b.clrBack,
                                 0, 0, 0, 0,  // text, its length, image, child window
                                 b.cxMinChild, b.cyMinChild, b.cx,
                                 0,  // background bitmap
                                 b.wID, b.cyChild, b.cyMaxChild, b.cyIntegral, b.cxIdeal,
                                 0,  // lParam
                                 b.cxHeader};
    BandRecordBytes out{};
    for (int i = 0; i < 20; ++i) Put(out, i * 4, fields[i]);
    return out;
}

REBARBANDINFOA DeserialiseBand(const BandRecordBytes& in) {
    REBARBANDINFOA b{};
    b.cbSize = sizeof b;
    b.fMask = kBandRecordMask;
    b.fStyle = Get(in, 8);
    b.clrFore = Get(in, 12);
    b.clrBack = Get(in, 16);
    b.cxMinChild = Get(in, 36);
    b.cyMinChild = Get(in, 40);
    b.cx = Get(in, 44);
    b.wID = Get(in, 52);
    b.cyChild = Get(in, 56);
    b.cyMaxChild = Get(in, 60);
    b.cyIntegral = Get(in, 64);
    b.cxIdeal = Get(in, 68);
    b.cxHeader = Get(in, 76);
    return b;
}
