// The texts and the geometry of the hex view.
#include <gtest/gtest.h>

#include "HexFormat.h"
#include "HexGeometry.h"
#include "FakeHex.h"

TEST(HexFormat, RowOfBytesZeroToFifteen) {
    auto bytes = CountingBytes(16);
    std::string hex = hexfmt::RowHex(bytes.data(), 16);
    EXPECT_EQ(hex, " 00 01 02 03 04 05 06 07  08 09 0A 0B 0C 0D 0E 0F ");
    EXPECT_EQ(hex.size(), 50u);
    EXPECT_EQ(hexfmt::RowChars(bytes.data(), 16), "................");
}

TEST(HexFormat, HeaderAndOffsets) {
    EXPECT_EQ(hexfmt::ColumnLabel(0), " 0");
    EXPECT_EQ(hexfmt::ColumnLabel(15), " F");
    EXPECT_EQ(hexfmt::ByteDigits(0x0A), "0A");
    EXPECT_EQ(std::string(hexfmt::OffsetHeader()), "Offset");
    EXPECT_EQ(hexfmt::RowOffset(0x10), "00000010");
    EXPECT_EQ(hexfmt::RowOffset(0xBFFFFFFF0ull), "BFFFFFFF0");  // past 4 GiB the digits grow
}

TEST(HexFormat, CharacterColumn) {
    struct Case {
        uint8_t value;
        char shown;
    };
    const Case cases[] = {{0x00, '.'}, {0x1F, '.'}, {0x20, '.'}, {0x21, '!'}, {0x41, 'A'},
                          {0x7D, '}'}, {0x7E, '.'}, {0x7F, '.'}, {0x80, '.'}, {0xFF, '.'}};
    for (const auto& c : cases) EXPECT_EQ(hexfmt::ByteChar(c.value), c.shown) << (int)c.value;
}

TEST(HexFormat, StatusText) {
    EXPECT_EQ(hexfmt::StatusText(0x10, 0x14), "Offset 10H 16  Sel 4");
    EXPECT_EQ(hexfmt::StatusText(0x13, 0x11), "Offset 13H 19  Sel -2");
    EXPECT_EQ(hexfmt::StatusText(0, 0), "Offset 0H 0  Sel 0");
    EXPECT_EQ(hexfmt::StatusText(0xC0000000ull, 0xC0000000ull), "Offset C0000000H 3221225472  Sel 0");
}

class HexGeometryTest : public ::testing::Test {
protected:
    hexgeo::Geometry g{7, 15, 0, 0};
    int RowMiddle(int row) const { return g.RowY(row) + g.lineHeight / 2; }
};

TEST_F(HexGeometryTest, CaretRoundTripsThroughHitTest) {
    for (int column = 0; column < 16; ++column) {
        for (int half = 0; half < 2; ++half) {
            auto hit = g.HitTest(g.CaretX(hexgeo::kHexSide, column, half), RowMiddle(2), 3);
            ASSERT_TRUE(hit);
            EXPECT_EQ(hit->side, hexgeo::kHexSide);
            EXPECT_EQ(hit->column, column);
            EXPECT_EQ(hit->half, half);
            EXPECT_EQ(hit->row, 2);
        }
    }
}

TEST_F(HexGeometryTest, HexSideInCharacterUnits) {
    struct Case {
        int units;
        int column;
        int half;
    };
    const Case cases[] = {{1, 0, 0}, {2, 0, 1}, {26, 8, 0}, {27, 8, 1}, {48, 15, 1}};
    for (const auto& c : cases) {
        auto hit = g.HitTest(g.HexLeft() + c.units * g.charWidth, RowMiddle(0), 1);
        ASSERT_TRUE(hit) << c.units;
        EXPECT_EQ(hit->column, c.column) << c.units;
        EXPECT_EQ(hit->half, c.half) << c.units;
    }
}

TEST_F(HexGeometryTest, CharacterSideAndMisses) {
    for (int column = 0; column < 16; ++column) {
        auto hit = g.HitTest(g.CharLeft() + column * g.charWidth + 1, RowMiddle(0), 1);
        ASSERT_TRUE(hit);
        EXPECT_EQ(hit->side, hexgeo::kCharSide);
        EXPECT_EQ(hit->column, column);
    }
    EXPECT_FALSE(g.HitTest(g.charWidth, RowMiddle(0), 1));                 // offset column
    EXPECT_FALSE(g.HitTest(g.HexRight() + 2, RowMiddle(0), 1));            // between the areas
    EXPECT_FALSE(g.HitTest(g.HexLeft() + 3, g.lineHeight / 2, 1));         // header
    EXPECT_FALSE(g.HitTest(g.HexLeft() + 3, RowMiddle(1), 1));             // below the shown rows
}

TEST_F(HexGeometryTest, VisibleRowsNeverNegative) {
    EXPECT_EQ(g.VisibleRows(0), 0);
    EXPECT_EQ(g.VisibleRows(g.lineHeight - 1), 0);
    EXPECT_EQ(g.VisibleRows(g.lineHeight * 4 + 3), 3);
    EXPECT_EQ(hexgeo::Geometry{}.VisibleRows(100), 0);
}

// The header label of a column and the column's cells stand on one grid,
// whatever the character width: the label's two characters over the digits.
TEST(HexGeometry, HeaderLabelsStandOverTheirColumnsAtEveryWidth) {
    for (int width : {7, 8, 9, 11}) {
        hexgeo::Geometry g{width, 15, 0, 0};
        for (int column = 0; column < 16; ++column) {
            EXPECT_EQ(g.DigitX(column, 1) - g.DigitX(column, 0), width) << width;
            EXPECT_EQ(g.CaretX(hexgeo::kHexSide, column, 0), g.DigitX(column, 0));
            EXPECT_EQ(g.CellRight(column) - g.CellLeft(column), (int)hexfmt::ByteCell(column, 0).size() * width);
            if (column > 0) EXPECT_EQ(g.CellLeft(column), g.CellRight(column - 1)) << column;
        }
        EXPECT_EQ(g.CellLeft(0), g.HexLeft());
        EXPECT_EQ(g.CellRight(15), g.HexRight());
    }
}

TEST(HexGeometry, SidewaysScrollMovesEveryColumnAndTheHits) {
    hexgeo::Geometry g{8, 16, 0, 0};
    g.scrollX = 200;
    EXPECT_EQ(g.HexLeft(), 80 - 200);
    EXPECT_EQ(g.CharX(15), 61 * 8 + 15 * 8 - 200);
    auto hit = g.HitTest(g.CharX(15) + 2, 16 + 3, 1);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->side, hexgeo::kCharSide);
    EXPECT_EQ(hit->column, 15);
    EXPECT_EQ(g.RowWidth(), 77 * 8);
}
