#include "AutoHideLayout.h"

#include <algorithm>

int AutoHideTabCap(const std::vector<int>& preferred, int length) {
    if (preferred.empty()) return -1;
    std::vector<int> sizes;
    int sum = 0;
    for (int p : preferred) {
        sizes.push_back(p + kAutoHideTabGap);
        sum += p + kAutoHideTabGap;
    }
    if (length >= sum) return -1;
    std::sort(sizes.begin(), sizes.end());
    const int count = (int)sizes.size();
    int share = length / count, pool = length % count, sharing = count;
    // Tabs shorter than the share keep their length and give the rest to the pool.
    size_t next = 0;
    while (next < sizes.size()) {
        int s = sizes[next];
        if (s < share) {
            pool += share - s;
            --sharing;
            ++next;
        } else if (sharing > 0 && pool >= sharing) {
            share += pool / sharing;
            pool %= sharing;
        } else {
            break;
        }
    }
    int cap = share - kAutoHideTabGap;
    return cap < 5 ? 0 : cap;
}

RECT PlaceAutoHideBar(RECT& r, DWORD side, int t, int indentStart, int indentEnd) {
    RECT bar = r;
    switch (side & 3) {
    case 3: bar.right = r.left = r.left + t; break;      // left
    case 1: bar.left = r.right = r.right - t; break;     // right
    case 2: bar.bottom = r.top = r.top + t; break;       // top
    default: bar.top = r.bottom = r.bottom - t; break;   // bottom
    }
    if (IsVerticalBar(side)) {
        bar.top += indentStart;
        bar.bottom -= indentEnd;
    } else {
        bar.left += indentStart;
        bar.right -= indentEnd;
    }
    return bar;
}

int AutoHideTabAt(const std::vector<int>& lengths, int along, int* within) {
    int start = 0;
    for (size_t i = 0; i < lengths.size(); ++i) {
        if (along < start) return -1;
        int end = start + lengths[i];
        if (along < end) {
            if (within) *within = along - start;
            return (int)i;
        }
        start = end + kAutoHideTabGap;
    }
    return -1;
}

RECT AutoHideWindowRect(const RECT& a, DWORD side, int size) {
    int t = size + kAutoHideEdge;
    int room = IsVerticalBar(side) ? a.right - a.left : a.bottom - a.top;
    int cap = room > 4 ? room - 5 : 5;
    t = std::min(t, cap);
    RECT w = a;
    switch (side & 3) {
    case 3: w.right = a.left + t; break;
    case 1: w.left = a.right - t; break;
    case 2: w.bottom = a.top + t; break;
    default: w.top = a.bottom - t; break;
    }
    return w;
}
