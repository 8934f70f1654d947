#include "TextEllipsis.h"

#include <string>

namespace {

constexpr char kDots[] = "...";
constexpr int kDotsLength = 3;

// Bytes of the character starting at text[i].
int CharBytes(const char* text, int length, int i, UINT codePage) {
    return (i + 1 < length && ::IsDBCSLeadByteEx(codePage, (BYTE)text[i])) ? 2 : 1;
}

// The largest character boundary at most `limit`, but never below the end of the first character.
int BoundaryAtMost(const char* text, int length, int limit, UINT codePage) {
    int first = CharBytes(text, length, 0, codePage);
    int i = 0;
    while (i < length) {
        int next = i + CharBytes(text, length, i, codePage);
        if (next > limit) break;
        i = next;
    }
    return i < first ? first : i;
}

TextMeasure DcMeasure(HDC dc) {
    return {[dc](const char* text, int length) {
                SIZE size{};
                ::GetTextExtentPoint32A(dc, text, length, &size);
                return (int)size.cx;
            },
            [dc](const char* text, int length, int room) {
                int fit = 0;
                SIZE size{};
                ::GetTextExtentExPointA(dc, text, length, room, &fit, nullptr, &size);
                return fit;
            }};
}

}  // namespace

int EllipsisCut(const char* text, int length, int room, UINT codePage, const TextMeasure& measure) {
    if (length <= 0 || measure.width(text, length) <= room) return length;
    std::string dotted(kDots, kDotsLength);
    dotted.append(text, (size_t)length);
    int fit = measure.fit(dotted.data(), (int)dotted.size(), room);
    return BoundaryAtMost(text, length, fit - kDotsLength, codePage);
}

void DrawTextEllipsis(HDC dc, const char* text, int length, const RECT& rect, bool horizontal) {
    int room = horizontal ? rect.right - rect.left : rect.bottom - rect.top;
    int cut = EllipsisCut(text, length, room, CP_ACP, DcMeasure(dc));
    std::string shown(text, (size_t)cut);
    if (cut < length) shown.append(kDots, kDotsLength);
    SIZE extent{};
    ::GetTextExtentPoint32A(dc, shown.data(), (int)shown.size(), &extent);
    int x, y;
    if (horizontal) {
        x = rect.left;
        y = rect.top + (rect.bottom - rect.top - extent.cy) / 2;
    } else {
        x = rect.right - (rect.right - rect.left - extent.cy) / 2;
        y = rect.top;
    }
    ::ExtTextOutA(dc, x, y, ETO_CLIPPED, &rect, shown.data(), (UINT)shown.size(), nullptr);
}
