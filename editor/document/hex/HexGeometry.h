#pragma once
// Where the hex view draws: the offset column, the hex area and the
// character area, in units of the character width c and line height h.
// Every x the view paints, places the caret at or hit-tests comes from
// here, so the header, the cells and the mouse agree at any font.
#include <optional>

namespace hexgeo {

enum Side : int { kCharSide = 0, kHexSide = 1 };

struct Hit {
    Side side;
    int row;     // shown row, 0 = the first row under the header
    int column;  // 0..15
    int half;    // 0 high digit, 1 low digit; 0 on the character side
};

// A row from the offset column to the end of the character area, in characters.
constexpr int kRowChars = 77;

struct Geometry {
    int charWidth = 0;
    int lineHeight = 0;
    int left = 0;
    int top = 0;
    // How far the rows are scrolled sideways, in pixels; header, offsets
    // and cells move together.
    int scrollX = 0;

    bool Valid() const { return charWidth > 0 && lineHeight > 0; }
    // Where the row starts in the client, the offset column first.
    int Origin() const { return left - scrollX; }
    int OffsetRight() const { return Origin() + 10 * charWidth; }
    int HexLeft() const { return Origin() + 10 * charWidth; }
    int HexRight() const { return Origin() + 60 * charWidth; }
    int CharLeft() const { return Origin() + 61 * charWidth; }
    int CharRight() const { return Origin() + kRowChars * charWidth; }
    // The width of a whole row, the sideways scroll range.
    int RowWidth() const { return kRowChars * charWidth; }
    int AreaTop() const { return top + lineHeight; }
    int AreaBottom(int shownRows) const { return top + lineHeight + shownRows * lineHeight; }
    int RowY(int row) const { return top + lineHeight * (row + 1); }

    // Rows that fit under the header; never negative.
    int VisibleRows(int clientHeight) const;
    // The x of one hexadecimal digit of a column; the header's label of the
    // column stands over the same two digits.
    int DigitX(int column, int half) const;
    // The span a byte's hex cell fills, its spaces included: columns 0 and 8
    // carry the group gap in front.
    int CellLeft(int column) const;
    int CellRight(int column) const { return DigitX(column, 1) + 2 * charWidth; }
    int CharX(int column) const { return CharLeft() + charWidth * column; }
    // The caret's x for a column and digit half on a side.
    int CaretX(Side side, int column, int half) const;
    // The cell under a client point among the shown rows, if any.
    std::optional<Hit> HitTest(int x, int y, int shownRows) const;
};

}  // namespace hexgeo
