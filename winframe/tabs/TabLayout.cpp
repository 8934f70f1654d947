#include "TabLayout.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "TabStripDefs.h"

namespace tabs {

namespace {

int Width(const RECT& r) { return r.right - r.left; }

// Cuts a 15x15 button off the right of area, centred vertically.
RECT TakeButton(RECT& area, const RECT& vertical) {
    int top = (vertical.top + vertical.bottom - kButtonSize) / 2;
    RECT button{area.right - kButtonSize, top, area.right, top + kButtonSize};
    area.right = std::max(area.left, button.left);
    return button;
}

// The strip's vertical band for buttons, and the right edge inset.
RECT ButtonBand(const RECT& area, DWORD style, bool insetRight) {
    RECT band = area;
    if (style & TSS_TABSATTOP) {
        band.top += 3;
        if (insetRight) band.right -= 3;
    } else {
        band.top += 1;
        band.bottom -= 2;
        if (insetRight) band.right -= 2;
    }
    return band;
}

void LayNatural(const LayoutInput& in, StripLayout& out) {
    int x = in.metrics.margin;
    for (int w : in.widths) {
        out.tabs.push_back(RECT{x, out.tabArea.top, x + w, out.tabArea.bottom});
        x += w;
    }
}

void Squeeze(const LayoutInput& in, StripLayout& out) {
    const int count = (int)out.tabs.size();
    const int margin = in.metrics.margin;
    const int naturalEnd = count ? out.tabs.back().right : margin;
    const int total = naturalEnd + margin;
    const int width = Width(out.tabArea);
    if (width >= total || count == 0 || in.selected < 0 || in.selected >= count) return;

    const int sel = in.widths[in.selected];
    const int room = width - 2 * margin - sel;
    const int divisor = total - 2 * margin - sel;
    const double ratio = divisor ? (double)room / divisor : 0.0;
    const int minimum = in.metrics.minTextWidth + 2 * in.metrics.edgeInset + in.metrics.textInset;

    std::vector<int> widths(count);
    if (minimum * (count - 1) < room) {
        int smallest = INT_MAX;
        for (int i = 0; i < count; ++i)
            if (i != in.selected) smallest = std::min(smallest, in.widths[i]);
        bool even = count != 1 && minimum > ratio * smallest;
        for (int i = 0; i < count; ++i) {
            if (i == in.selected) widths[i] = sel;
            else if (even) widths[i] = room / (count - 1);
            else widths[i] = (int)std::floor(in.widths[i] * ratio + 0.5);
        }
    } else {
        std::fill(widths.begin(), widths.end(), (width - 2 * margin) / count);
    }
    int x = margin;
    for (int i = 0; i < count; ++i) {
        out.tabs[i].left = x;
        x += widths[i];
        out.tabs[i].right = x;
    }
}

void Scroll(const LayoutInput& in, StripLayout& out) {
    const int margin = in.metrics.margin;
    const int lastRight = out.tabs.empty() ? margin : out.tabs.back().right;
    int offset = in.scrollOffset;
    if (lastRight + margin + offset < out.tabArea.right) offset = out.tabArea.right - (lastRight + margin);
    if (offset < 0) {
        out.canScrollLeft = true;
    } else {
        out.canScrollLeft = false;
        offset = 0;
    }
    out.scrollOffset = offset;
    out.canScrollRight = lastRight + offset > out.tabArea.right;
}

}  // namespace

RECT StripLayout::Shifted(int index) const {
    RECT r = tabs[index];
    ::OffsetRect(&r, scrollOffset, 0);
    return r;
}

int NaturalWidth(const StripMetrics& m, int imageWidth, int labelWidth, bool hasLabel) {
    int width = 2 * m.edgeInset + imageWidth;
    if (hasLabel) width += 2 * m.textInset + labelWidth;
    return width;
}

StripLayout LayOut(const LayoutInput& in) {
    StripLayout out;
    out.tabArea = in.client;
    if (!(in.style & TSS_TABSATTOP)) {
        out.tabArea.left += 2;
        out.tabArea.right -= 2;
    }
    const bool roomForButtons = Width(out.tabArea) >= kButtonSize;
    bool hasClose = false;
    if ((in.style & TSS_CLOSEBUTTON) && in.selected >= 0 && in.selectedClosable && roomForButtons) {
        RECT band = ButtonBand(out.tabArea, in.style, true);
        out.tabArea.right = band.right;
        out.closeButton = TakeButton(out.tabArea, band);
        hasClose = true;
    }
    if ((in.style & TSS_SCROLLMODE) && roomForButtons) {
        RECT band = ButtonBand(out.tabArea, in.style, !hasClose);
        out.tabArea.right = band.right;
        out.scrollRight = TakeButton(out.tabArea, band);
        out.scrollLeft = TakeButton(out.tabArea, band);
    }

    LayNatural(in, out);
    if (in.style & TSS_SCROLLMODE) Scroll(in, out);
    else Squeeze(in, out);
    return out;
}

int HitTest(const StripLayout& layout, POINT pt, UINT* flags) {
    UINT result = TSHT_NOWHERE;
    int index = -1;
    if (::PtInRect(&layout.tabArea, pt)) {
        for (int i = 0; i < (int)layout.tabs.size(); ++i) {
            RECT r = layout.Shifted(i);
            if (::PtInRect(&r, pt)) {
                index = i;
                result = TSHT_ONITEM;
                break;
            }
        }
    } else if (::PtInRect(&layout.closeButton, pt)) {
        result = TSHT_CLOSE;
    } else if (::PtInRect(&layout.scrollRight, pt)) {
        result = TSHT_SCROLLRIGHT;
    } else if (::PtInRect(&layout.scrollLeft, pt)) {
        result = TSHT_SCROLLLEFT;
    }
    if (flags) *flags = result;
    return index;
}

bool EnsureVisibleOffset(const StripLayout& layout, int index, bool partialOk, int* offset) {
    if (index < 0 || index >= (int)layout.tabs.size()) return false;
    if (!layout.canScrollLeft && !layout.canScrollRight) return true;
    const RECT tab = layout.Shifted(index);
    const RECT& area = layout.tabArea;
    if (tab.left < area.left) {
        if (!(partialOk && tab.right > area.left)) *offset += area.left - tab.left + kEnsureVisibleSlack;
    } else if (tab.right > area.right) {
        if (!(partialOk && area.right > tab.left)) *offset += area.right - tab.right - kEnsureVisibleSlack;
    }
    return true;
}

int FlyingStripHeight(int ascent) {
    double h = (ascent * 24.0 / 11.0 - 24.0) * 0.5 + 24.0;
    return (int)h;
}

DepthColours ColoursForDepth(int bitsPerPixel) {
    if (bitsPerPixel < 9) return {true, COLOR_BTNTEXT};
    return {false, COLOR_GRAYTEXT};
}

}  // namespace tabs
