#pragma once
// What the colour picker decides without windows: its palette, where the
// caret starts and where the arrow keys take it, the popup's layout and its
// place on the monitor.
#include <windows.h>

#include <cstddef>

// The "automatic" colour value: not a COLORREF, it means "use the default".
constexpr COLORREF kColorAutomatic = 0xFF000000;

struct PaletteColor {
    const char* name;  // the cell's tooltip
    COLORREF value;
};
constexpr int kPaletteColumns = 8;
constexpr int kPaletteRows = 5;
constexpr int kPaletteCount = kPaletteColumns * kPaletteRows;
extern const PaletteColor kPalette[kPaletteCount];

// Items of the popup: 0 to 39 are palette cells.
enum PickerItem : int {
    kItemAutomatic = -3,
    kItemMore = -2,
    kItemNone = -1,
};

// The palette cell of a colour, or kItemNone.
int PaletteIndexOf(COLORREF color);

// Which text items the popup has (an empty text leaves its item out).
struct PickerItems {
    bool automatic = true;
    bool more = true;
};

// The item under the caret when the popup opens on a colour.
int InitialCaretItem(COLORREF color, const PickerItems& items);

enum class PickerMove { Left, Right, Up, Down };
// The item a key moves the caret to.
int MoveCaret(int item, PickerMove move, const PickerItems& items);

// Cells are a 14-pixel swatch with 2 pixels on each side.
constexpr int kCellSize = 18;
constexpr int kTextItemPadding = 10;

struct PopupLayout {
    SIZE window{};       // the popup's size, edges included
    RECT automatic{};    // empty when the item is left out
    RECT grid{};
    RECT more{};         // empty when the item is left out
};
// autoText and moreText are the extents of the two texts ({0, 0} for an
// empty one); edge is the system's edge size.
PopupLayout LayoutPopup(SIZE autoText, SIZE moreText, SIZE edge);
RECT CellRect(const PopupLayout& layout, int index);
// The item at a client point, or kItemNone.
int ItemAt(const PopupLayout& layout, POINT point);
RECT ItemRect(const PopupLayout& layout, int item);

// The popup's top-left corner: below the button's bottom-left corner, kept
// inside the area (the monitor's rectangle), above the button when there is
// no room below it.
POINT PlacePopup(const RECT& button, SIZE popup, const RECT& area);

// The flat-menu highlight: per channel (highlight * 48 + menu * 207) / 256.
COLORREF BlendMenuHighlight(COLORREF highlight, COLORREF menu);
