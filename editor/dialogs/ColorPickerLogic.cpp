#include "ColorPickerLogic.h"

#include <algorithm>

const PaletteColor kPalette[kPaletteCount] = {
    {"Black", 0x000000},          {"Brown", 0x002AA5},         {"Dark Olive Green", 0x404000},
    {"Dark Green", 0x005500},     {"Dark Teal", 0x5E0000},     {"Dark blue", 0x8B0000},
    {"Indigo", 0x82004B},         {"Dark grey", 0x282828},     {"Dark red", 0x00008B},
    {"Orange", 0x2068FF},         {"Dark yellow", 0x008B8B},   {"Green", 0x009300},
    {"Teal", 0x8E8E38},           {"Blue", 0xFF0000},          {"Blue-grey", 0xC07B7B},
    {"Grey - 40", 0x666666},      {"Red", 0x0000FF},           {"Light orange", 0x5BADFF},
    {"Lime", 0x32CD32},           {"Sea green", 0x71B33C},     {"Aqua", 0xD4FF7F},
    {"Light blue", 0xC09E7D},     {"Violet", 0x800080},        {"Grey - 50", 0x7F7F7F},
    {"Pink", 0xCBC0FF},           {"Gold", 0x00D7FF},          {"Yellow", 0x00FFFF},
    {"Bright green", 0x00FF00},   {"Turquoise", 0xD0E040},     {"Skyblue", 0xFFFFC0},
    {"Plum", 0x480048},           {"Light grey", 0xC0C0C0},    {"Rose", 0xE1E4FF},
    {"Tan", 0x8CB4D2},            {"Light yellow", 0xE0FFFF},  {"Pale green ", 0x98FB98},
    {"Pale turquoise", 0xEEEEAF}, {"Pale blue", 0x8B8368},     {"Lavender", 0xFAE6E6},
    {"White", 0xFFFFFF},
};

int PaletteIndexOf(COLORREF color) {
    for (int i = 0; i < kPaletteCount; ++i)
        if (kPalette[i].value == color) return i;
    return kItemNone;
}

int InitialCaretItem(COLORREF color, const PickerItems& items) {
    if (color == kColorAutomatic && items.automatic) return kItemAutomatic;
    const int cell = PaletteIndexOf(color);
    if (cell != kItemNone) return cell;
    return items.more ? kItemMore : kItemNone;
}

namespace {

// One step from an item: by `step` cells within the grid, else the ring
// none/automatic -> cells -> more -> automatic.
int Step(int item, bool forward, int step) {
    switch (item) {
    case kItemNone:
        return forward ? kItemAutomatic : kItemMore;
    case kItemAutomatic:
        return forward ? 0 : kItemMore;
    case kItemMore:
        return forward ? kItemAutomatic : kPaletteCount - 1;
    default: {
        const int next = forward ? item + step : item - step;
        if (next < 0) return kItemAutomatic;
        if (next >= kPaletteCount) return kItemMore;
        return next;
    }
    }
}

bool Exists(int item, const PickerItems& items) {
    if (item == kItemAutomatic) return items.automatic;
    if (item == kItemMore) return items.more;
    return true;
}

}  // namespace

int MoveCaret(int item, PickerMove move, const PickerItems& items) {
    const bool forward = move == PickerMove::Right || move == PickerMove::Down;
    const int step = (move == PickerMove::Up || move == PickerMove::Down) ? kPaletteColumns : 1;
    int next = Step(item, forward, step);
    // A missing text item is passed over in the same direction; two steps
    // past both reach a cell.
    for (int guard = 0; guard < 2 && !Exists(next, items); ++guard) next = Step(next, forward, step);
    return next;
}

PopupLayout LayoutPopup(SIZE autoText, SIZE moreText, SIZE edge) {
    PopupLayout layout;
    const bool hasAuto = autoText.cx > 0;
    const bool hasMore = moreText.cx > 0;
    const int gridWidth = kPaletteColumns * kCellSize;
    const int gridHeight = kPaletteRows * kCellSize;
    int textWidth = 0;
    if (hasAuto || hasMore) textWidth = std::max(autoText.cx, moreText.cx) + kTextItemPadding;
    const int inner = std::max(gridWidth, textWidth);

    int y = edge.cy;
    if (hasAuto) {
        layout.automatic = {edge.cx, y, edge.cx + inner, y + autoText.cy + kTextItemPadding};
        y = layout.automatic.bottom;
    }
    const int gridLeft = edge.cx + (inner - gridWidth) / 2;
    layout.grid = {gridLeft, y, gridLeft + gridWidth, y + gridHeight};
    y = layout.grid.bottom;
    if (hasMore) {
        layout.more = {edge.cx, y, edge.cx + inner, y + moreText.cy + kTextItemPadding};
        y = layout.more.bottom;
    }
    layout.window = {inner + 2 * edge.cx, y + edge.cy};
    return layout;
}

RECT CellRect(const PopupLayout& layout, int index) {
    const int x = layout.grid.left + (index % kPaletteColumns) * kCellSize;
    const int y = layout.grid.top + (index / kPaletteColumns) * kCellSize;
    return {x, y, x + kCellSize, y + kCellSize};
}

RECT ItemRect(const PopupLayout& layout, int item) {
    if (item == kItemAutomatic) return layout.automatic;
    if (item == kItemMore) return layout.more;
    if (item >= 0 && item < kPaletteCount) return CellRect(layout, item);
    return RECT{};
}

int ItemAt(const PopupLayout& layout, POINT point) {
    if (::PtInRect(&layout.automatic, point)) return kItemAutomatic;
    if (::PtInRect(&layout.more, point)) return kItemMore;
    if (!::PtInRect(&layout.grid, point)) return kItemNone;
    const int column = (point.x - layout.grid.left) / kCellSize;
    const int row = (point.y - layout.grid.top) / kCellSize;
    return row * kPaletteColumns + column;
}

POINT PlacePopup(const RECT& button, SIZE popup, const RECT& area) {
    POINT at{button.left, button.bottom};
    if (at.x + popup.cx > area.right) at.x = area.right - popup.cx;
    if (at.x < area.left) at.x = area.left;
    if (at.y + popup.cy > area.bottom) at.y = button.top - popup.cy;
    return at;
}

COLORREF BlendMenuHighlight(COLORREF highlight, COLORREF menu) {
    auto mix = [](int h, int m) { return (BYTE)((h * 48 + m * 207) / 256); };
    return RGB(mix(GetRValue(highlight), GetRValue(menu)), mix(GetGValue(highlight), GetGValue(menu)),
               mix(GetBValue(highlight), GetBValue(menu)));
}
