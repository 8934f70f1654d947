#pragma once
// Caption and tab text that does not fit its room ends in "..."; the cut is
// made on a character boundary so a double-byte character is never halved.
#include <windows.h>

#include <functional>

// What the cut needs of a font: the extent of a string, and how many of its
// leading bytes fit a room (never splitting a character).
struct TextMeasure {
    std::function<int(const char* text, int length)> width;
    std::function<int(const char* text, int length, int room)> fit;
};

// The number of leading text bytes to show before "...", or `length` when
// the whole text fits and no ellipsis is needed. At least one whole
// character is kept.
int EllipsisCut(const char* text, int length, int room, UINT codePage, const TextMeasure& measure);

// Draws the text clipped to the rectangle; horizontal runs left to right,
// otherwise downward with the vertical font selected by the caller.
void DrawTextEllipsis(HDC dc, const char* text, int length, const RECT& rect, bool horizontal);
