#pragma once
// Where the hex view draws: the offset column, the hex area and the
// character area, in units of the character width c and line height h.
#include <optional>

namespace hexgeo {

enum Side : int { kCharSide = 0, kHexSide = 1 };

struct Hit {
    Side side;
    int row;     // shown row, 0 = the first row under the header
    int column;  // 0..15
    int half;    // 0 high digit, 1 low digit; 0 on the character side
};

struct Geometry {
    int charWidth = 0;
    int lineHeight = 0;
    int left = 0;
    int top = 0;

    bool Valid() const { return charWidth > 0 && lineHeight > 0; }
    int HexLeft() const { return left + 10 * charWidth; }
    int HexRight() const { return left + 60 * charWidth; }
    int CharLeft() const { return left + 61 * charWidth; }
    int CharRight() const { return left + 77 * charWidth; }
    int AreaTop() const { return top + lineHeight; }
    int AreaBottom(int shownRows) const { return top + lineHeight + shownRows * lineHeight; }
    int RowY(int row) const { return top + lineHeight * (row + 1); }

    // Rows that fit under the header; never negative.
    int VisibleRows(int clientHeight) const;
    // The caret's x for a column and digit half on a side.
    int CaretX(Side side, int column, int half) const;
    // The cell under a client point among the shown rows, if any.
    std::optional<Hit> HitTest(int x, int y, int shownRows) const;
};

}  // namespace hexgeo
