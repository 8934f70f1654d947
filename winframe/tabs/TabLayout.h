#pragma once
// The strip's geometry as plain functions of measured widths: tab area,
// buttons, squeeze and scroll layouts, hit tests and bringing a tab into view.
#include <windows.h>

#include <vector>

namespace tabs {

constexpr int kButtonSize = 15;
constexpr int kEnsureVisibleSlack = 20;

struct StripMetrics {
    int margin = 5;       // before the first tab and after the last
    int textInset = 4;    // each side of a label
    int edgeInset = 3;    // each end of a tab
    int minTextWidth = 12;
};

struct LayoutInput {
    RECT client{};
    DWORD style = 0;
    int selected = -1;
    bool selectedClosable = false;
    std::vector<int> widths;  // natural widths, see NaturalWidth
    int scrollOffset = 0;
    StripMetrics metrics;
};

struct StripLayout {
    RECT tabArea{};
    RECT closeButton{};
    RECT scrollRight{};
    RECT scrollLeft{};
    std::vector<RECT> tabs;  // before scrolling
    int scrollOffset = 0;    // never positive
    bool canScrollLeft = false;
    bool canScrollRight = false;

    // The tab as shown, shifted by the scroll offset.
    RECT Shifted(int index) const;
};

// Width of a tab from its image width (0 for none) and measured label width.
int NaturalWidth(const StripMetrics& m, int imageWidth, int labelWidth, bool hasLabel);

StripLayout LayOut(const LayoutInput& in);

// Index of the tab under pt or -1; flags get one of the TSHT_* values.
int HitTest(const StripLayout& layout, POINT pt, UINT* flags);

// The scroll offset that brings a tab into view; false for a bad index.
// The caller lays out again, which clamps the offset.
bool EnsureVisibleOffset(const StripLayout& layout, int index, bool partialOk, int* offset);

// Height of a flying strip for the font's ascent.
int FlyingStripHeight(int ascent);
// Vertical offset of images and labels for the icon-title font height.
inline int TextOffset(int lfHeight) { return (-lfHeight - 11) / 2; }

// Colours that depend on the screen depth.
struct DepthColours {
    bool windowBrush;   // the COLOR_WINDOW system brush, else a BTNFACE solid brush
    int inactiveText;   // a COLOR_* index
};
DepthColours ColoursForDepth(int bitsPerPixel);

}  // namespace tabs
