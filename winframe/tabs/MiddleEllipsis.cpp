#include "MiddleEllipsis.h"

#include <vector>

namespace {

// Byte offsets of every character start, and the end.
std::vector<size_t> CharStarts(const std::string& text, UINT codePage) {
    std::vector<size_t> starts;
    const char* begin = text.c_str();
    const char* p = begin;
    while (*p) {
        starts.push_back(p - begin);
        const char* next = ::CharNextExA((WORD)codePage, p, 0);
        p = next > p ? next : p + 1;
    }
    starts.push_back(text.size());
    return starts;
}

}  // namespace

std::string MiddleEllipsis(const std::string& text, int maxWidth, const TextMeasure& measure, UINT codePage) {
    if (measure(text) <= maxWidth) return text;
    const std::vector<size_t> starts = CharStarts(text, codePage);
    const int chars = (int)starts.size() - 1;
    auto shortened = [&](int keep) {
        int head = (keep + 1) / 2, tail = keep / 2;
        return text.substr(0, starts[head]) + "..." + text.substr(starts[chars - tail]);
    };
    // The longest kept count that fits; fitting shrinks with the count.
    int lo = 0, hi = chars - 1;
    while (lo < hi) {
        int mid = (lo + hi + 1) / 2;
        if (measure(shortened(mid)) <= maxWidth) lo = mid;
        else hi = mid - 1;
    }
    return shortened(lo);
}

TextMeasure DcTextMeasure(HDC dc) {
    return [dc](const std::string& s) {
        SIZE size{};
        ::GetTextExtentPoint32A(dc, s.c_str(), (int)s.size(), &size);
        return (int)size.cx;
    };
}
