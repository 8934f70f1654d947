#include "HexGeometry.h"

#include <algorithm>

namespace hexgeo {

int Geometry::VisibleRows(int clientHeight) const {
    if (!Valid()) return 0;
    // A client lower than the header shows no rows at all.
    return std::max(0, (clientHeight - lineHeight) / lineHeight);
}

int Geometry::DigitX(int column, int half) const {
    return HexLeft() + charWidth * (3 * column + column / 8 + half + 1);
}

int Geometry::CellLeft(int column) const {
    return DigitX(column, 0) - (column % 8 == 0 ? charWidth : 0);
}

int Geometry::CaretX(Side side, int column, int half) const {
    return side == kHexSide ? DigitX(column, half) : CharX(column);
}

std::optional<Hit> Geometry::HitTest(int x, int y, int shownRows) const {
    if (!Valid() || y < AreaTop() || y >= AreaBottom(shownRows)) return std::nullopt;
    int row = (y - AreaTop()) / lineHeight;
    if (x >= HexLeft() && x < HexRight()) {
        int dx = x - HexLeft();
        dx -= charWidth * (dx / (25 * charWidth));  // the gap between the two groups of 8
        int half = (dx / charWidth) % 3 == 2 ? 1 : 0;
        int column = std::clamp(dx / (3 * charWidth), 0, 15);
        return Hit{kHexSide, row, column, half};
    }
    if (x >= CharLeft() && x < CharRight()) {
        int column = std::clamp((x - CharLeft()) / charWidth, 0, 15);
        return Hit{kCharSide, row, column, 0};
    }
    return std::nullopt;
}

}  // namespace hexgeo
