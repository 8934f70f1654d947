#pragma once
// The text forms of a layout file: binary values as lowercase hex bytes,
// the key and section names of child items and rebar bands, the ratios that
// rescale coordinates to the current work area, and the fixed file forms of
// the main window's placement and of a rebar band (the 32-bit layout, also
// on x64).
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Every byte as two lowercase hex digits and one space: n bytes, 3n characters.
std::string FormatLayoutHex(const uint8_t* bytes, size_t count);
// Whitespace-separated hex tokens, one byte each; stops at the first token
// that is not a hex number of at most 0xff.
std::vector<uint8_t> ParseLayoutHex(const char* text);

// "Wnd-0x" and the id's 32-bit two's complement in lowercase hex.
std::string LayoutChildKey(int id);
// "band" and the index in decimal.
std::string LayoutBandKey(int index);

// Applied as MulDiv(value, current, stored).
struct LayoutRatio {
    int current = 1;
    int stored = 1;
    int Scale(int value) const { return ::MulDiv(value, current, stored); }
};
// The ratio for one dimension of the work area: 1:1 when the stored value
// is missing, not 4 bytes, not above 0, or equal to the current size.
LayoutRatio WorkAreaRatio(const std::vector<uint8_t>* stored, int current);
std::array<uint8_t, 4> LayoutInt32(int32_t value);

// The placement as written: a minimized window is stored as it will come
// back (maximized when it was minimized from maximized, else normal); only
// the restore-to-maximized flag is kept, and only while it still means that.
WINDOWPLACEMENT PlacementForStore(const WINDOWPLACEMENT& current);
constexpr size_t kPlacementRecordBytes = 44;
using PlacementRecordBytes = std::array<uint8_t, kPlacementRecordBytes>;
PlacementRecordBytes SerialiseWindowPlacement(const WINDOWPLACEMENT& placement);
WINDOWPLACEMENT DeserialiseWindowPlacement(const PlacementRecordBytes& bytes);
void ScalePlacement(WINDOWPLACEMENT& placement, const LayoutRatio& x, const LayoutRatio& y);

// Style, colours, child size, size, id and ideal size.
constexpr UINT kBandRecordMask = 0x363;
constexpr size_t kBandRecordBytes = 80;
using BandRecordBytes = std::array<uint8_t, kBandRecordBytes>;
// The native band (any cbSize) in the 80-byte 32-bit form: pointers and
// handles as 0, cbSize 80, fMask kBandRecordMask.
BandRecordBytes SerialiseBand(const REBARBANDINFOA& band);
// A native band (cbSize = sizeof) with the stored fields and kBandRecordMask.
REBARBANDINFOA DeserialiseBand(const BandRecordBytes& bytes);
