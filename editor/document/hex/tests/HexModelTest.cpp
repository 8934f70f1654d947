// The hex view's model over a fake page source: pages, selection, keys,
// typing, undo and mouse hits.
#include <gtest/gtest.h>

#include <windows.h>

#include "FakeHex.h"
#include "HexModel.h"

namespace {

constexpr int kCharWidth = 8;
constexpr int kLineHeight = 16;

class HexModelTest : public ::testing::Test {
protected:
    FakeHost host;
    FakePageSource source;
    HexModel model{host};

    // A file of `size` counting bytes in a view of `rows` visible rows.
    void Open(size_t size, int rows = 4) {
        source.bytes = CountingBytes(size);
        model.SetGeometry({kCharWidth, kLineHeight, 0, 0});
        model.SetClientHeight(kLineHeight * (rows + 1));
        model.Open(&source, size);
    }
    void Type(const std::string& text) {
        for (char ch : text) model.Char((unsigned char)ch);
    }
    void Select(int64_t anchor, int64_t caret) { model.SetSelection(anchor, caret, false); }
    void Key(unsigned key, bool shift = false, bool ctrl = false) { model.KeyDown(key, shift, ctrl); }
    // The middle of a cell on a side, in client coordinates.
    int HexX(int column, int half = 0) const {
        return model.Geometry().CaretX(hexgeo::kHexSide, column, half) + kCharWidth / 2;
    }
    int CharX(int column) const { return model.Geometry().CaretX(hexgeo::kCharSide, column, 0) + kCharWidth / 2; }
    int RowY(int row) const { return model.Geometry().RowY(row) + kLineHeight / 2; }
};

TEST_F(HexModelTest, TwentyBytesShowTwoRows) {
    Open(20);
    EXPECT_EQ(model.Rows(), 2);
    EXPECT_EQ(model.ShownRows(), 2);
    ASSERT_EQ(model.Page().size(), 20u);
    EXPECT_EQ(model.Page()[19], 19);
}

TEST_F(HexModelTest, PageReadsAreVisibleRowsAtFirstShownOffset) {
    Open(1000, 4);
    source.reads.clear();
    model.LoadPage();
    ASSERT_EQ(source.reads.size(), 1u);
    EXPECT_EQ(source.reads[0].offset, 0u);
    EXPECT_EQ(source.reads[0].length, 64u);

    source.reads.clear();
    EXPECT_TRUE(model.ScrollTo(HexModel::Scroll::LineDown));
    ASSERT_EQ(source.reads.size(), 1u);
    EXPECT_EQ(source.reads[0].offset, 16u);
    EXPECT_EQ(model.Page()[0], 16);
}

TEST_F(HexModelTest, VanishedFileShowsZeros) {
    Open(100);
    source.gone = true;
    model.ScrollTo(HexModel::Scroll::LineDown);
    ASSERT_EQ(model.Page().size(), 64u);
    for (uint8_t value : model.Page()) EXPECT_EQ(value, 0);
}

TEST_F(HexModelTest, ScrollingHoldsTheLastFullPage) {
    Open(100, 4);  // 7 rows, the last page starts at row 3
    EXPECT_TRUE(model.ScrollTo(HexModel::Scroll::Bottom));
    EXPECT_EQ(model.FirstRow(), 3);
    EXPECT_EQ(model.ShownRows(), 4);
    EXPECT_FALSE(model.ScrollTo(HexModel::Scroll::PageDown));
    EXPECT_FALSE(model.ScrollTo(HexModel::Scroll::Track, 7));
    EXPECT_TRUE(model.ScrollTo(HexModel::Scroll::PageUp));
    EXPECT_EQ(model.FirstRow(), 0);
    // Ctrl+Page Down near the end lands on the last full page too.
    Key(VK_NEXT, false, true);
    EXPECT_EQ(model.FirstRow(), 3);
}

TEST_F(HexModelTest, ClientLowerThanOneLine) {
    Open(100, 4);
    source.reads.clear();
    model.SetClientHeight(kLineHeight - 3);
    EXPECT_EQ(model.VisibleRows(), 0);
    EXPECT_TRUE(model.Page().empty());
    EXPECT_TRUE(source.reads.empty());
    Key(VK_NEXT);
    Key(VK_DOWN);
    Type("4");
    EXPECT_EQ(model.Caret(), 16);  // Down moved a row; typing wrote through the overlay
    EXPECT_EQ(model.ByteAt(16), 0x40);
    model.SetClientHeight(0);
    EXPECT_EQ(model.VisibleRows(), 0);
}

TEST_F(HexModelTest, EmptyFile) {
    Open(0);
    EXPECT_EQ(model.Rows(), 0);
    EXPECT_EQ(model.Caret(), 0);
    EXPECT_EQ(model.Anchor(), 0);
    EXPECT_EQ(host.status, "Offset 0H 0  Sel 0");
    EXPECT_TRUE(model.Page().empty());
    EXPECT_FALSE(model.CaretPoint());
    Type("41x");
    Key(VK_DELETE);
    Key(VK_END, true, true);
    Key(VK_RIGHT);
    model.Undo();
    EXPECT_FALSE(model.CanUndo());
    EXPECT_TRUE(model.Edits().Empty());
    EXPECT_EQ(model.Caret(), 0);
    EXPECT_TRUE(host.tabStates.empty());
    EXPECT_FALSE(model.ScrollTo(HexModel::Scroll::Bottom));
}

TEST_F(HexModelTest, TypingHexDigits) {
    Open(40);
    Select(5, 5);
    Type("4");
    EXPECT_EQ(model.Caret(), 5);
    EXPECT_EQ(model.Half(), 1);
    Type("1");
    EXPECT_EQ(model.ByteAt(5), 0x41);
    EXPECT_EQ(model.Caret(), 6);
    EXPECT_EQ(model.Half(), 0);
    EXPECT_EQ(host.tabStates, std::vector<int>{1});
    EXPECT_TRUE(model.IsModified());

    Type("A\x1f G");  // upper case, control characters and others are ignored
    EXPECT_EQ(model.ByteAt(6), 6);
    EXPECT_EQ(model.Caret(), 6);
    EXPECT_EQ(host.tabStates, std::vector<int>{1});
}

TEST_F(HexModelTest, IgnoredCharacterDoesNotMarkModified) {
    Open(40);
    Type("AZ");
    EXPECT_TRUE(host.tabStates.empty());
    EXPECT_FALSE(model.IsModified());
}

TEST_F(HexModelTest, LastByteLowDigitKeepsTheCaret) {
    Open(20);
    Select(19, 19);
    Type("abc");
    EXPECT_EQ(model.ByteAt(19), 0xac);  // the third digit overwrote the low one again
    EXPECT_EQ(model.Caret(), 19);
    EXPECT_EQ(model.Half(), 1);
}

TEST_F(HexModelTest, TypingCharacters) {
    Open(20);
    model.SwitchSide();
    Select(18, 18);
    Type("x");
    EXPECT_EQ(model.ByteAt(18), 0x78);
    EXPECT_EQ(model.Caret(), 19);
    Type("yz");
    EXPECT_EQ(model.ByteAt(19), 'z');
    EXPECT_EQ(model.Caret(), 19);
    // A double-byte character arrives as one code, lead byte in the high half.
    Select(2, 2);
    model.Char(0xB0A1);
    EXPECT_EQ(model.ByteAt(2), 0xB0);
    EXPECT_EQ(model.ByteAt(3), 0xA1);
    EXPECT_EQ(model.Caret(), 4);
}

TEST_F(HexModelTest, TypingIntoASelectionStartsAtItsAnchor) {
    Open(40);
    Select(10, 3);
    Type("ff");
    EXPECT_EQ(model.ByteAt(10), 0xff);
    EXPECT_EQ(model.ByteAt(3), 3);
    EXPECT_EQ(model.Caret(), 11);
}

TEST_F(HexModelTest, UndoTakesBackDigitsThenCharacters) {
    Open(40);
    Select(5, 5);
    Type("41");
    model.Undo();
    EXPECT_EQ(model.ByteAt(5), 0x45);
    EXPECT_EQ(model.Caret(), 5);
    EXPECT_EQ(model.Half(), 1);
    EXPECT_TRUE(model.IsModified());
    model.Undo();
    EXPECT_EQ(model.ByteAt(5), 5);
    EXPECT_EQ(model.Half(), 0);
    EXPECT_FALSE(model.IsModified());
    EXPECT_EQ(host.tabStates, (std::vector<int>{1, 0}));

    model.SwitchSide();
    Select(7, 7);
    Type("q");
    model.Undo();
    EXPECT_EQ(model.ByteAt(7), 7);
    EXPECT_EQ(model.Anchor(), 7);
    EXPECT_EQ(model.Caret(), 8);
    EXPECT_FALSE(model.CanUndo());
}

TEST_F(HexModelTest, EditsAndUndoSurviveScrollingAndResizing) {
    Open(400, 4);
    Select(3, 3);
    Type("ee");
    model.ScrollTo(HexModel::Scroll::Bottom);
    model.SetClientHeight(kLineHeight * 2);  // the page shrinks to one row
    model.ScrollTo(HexModel::Scroll::Top);
    EXPECT_EQ(model.Page()[3], 0xee);
    model.ScrollTo(HexModel::Scroll::Bottom);
    model.Undo();
    model.Undo();
    EXPECT_EQ(model.ByteAt(3), 3);
    EXPECT_EQ(model.FirstRow(), 0);  // undo brought the byte back into view
    EXPECT_EQ(model.Page()[3], 3);
}

TEST_F(HexModelTest, TypingAfterTheCaretScrolledOffThePage) {
    Open(400, 4);
    Select(2, 2);
    model.ScrollTo(HexModel::Scroll::Bottom);
    Type("7");
    EXPECT_EQ(model.ByteAt(2), 0x72);
    EXPECT_EQ(model.FirstRow(), 0);
    EXPECT_EQ(model.Page()[2], 0x72);
    EXPECT_EQ(source.bytes[2], 2);  // the file is untouched until saved
}

TEST_F(HexModelTest, SavedStateAndUndoPastIt) {
    Open(40);
    Type("12");
    model.MarkSaved();
    EXPECT_FALSE(model.IsModified());
    EXPECT_EQ(host.tabStates, (std::vector<int>{1, 0}));
    model.Undo();
    EXPECT_TRUE(model.IsModified());
    Type("3");  // back at the same depth, but with other bytes than on disk
    EXPECT_TRUE(model.IsModified());
}

TEST_F(HexModelTest, LeftAndRightStepThroughDigitHalves) {
    Open(20);
    struct Step {
        unsigned key;
        int64_t caret;
        int half;
    };
    const Step steps[] = {
        {VK_LEFT, 0, 0}, {VK_RIGHT, 0, 1}, {VK_RIGHT, 1, 0}, {VK_LEFT, 0, 1}, {VK_LEFT, 0, 0},
    };
    for (const auto& step : steps) {
        Key(step.key);
        EXPECT_EQ(model.Caret(), step.caret);
        EXPECT_EQ(model.Half(), step.half);
    }
    Select(19, 19);
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    EXPECT_EQ(model.Caret(), 19);
    EXPECT_EQ(model.Half(), 1);
    Select(4, 9);
    Key(VK_LEFT);
    EXPECT_TRUE(model.SelectionEmpty());
}

TEST_F(HexModelTest, Keys) {
    struct Case {
        const char* name;
        int64_t anchor, caret;
        unsigned key;
        bool shift, ctrl;
        int64_t wantAnchor, wantCaret;
    };
    // A file of 100 bytes, 4 visible rows (a page of 64 bytes).
    const Case cases[] = {
        {"Home", 37, 37, VK_HOME, false, false, 32, 32},
        {"Shift+Home", 37, 37, VK_HOME, true, false, 37, 32},
        {"Ctrl+Home", 37, 37, VK_HOME, false, true, 0, 0},
        {"Shift+Ctrl+Home", 37, 37, VK_HOME, true, true, 37, 0},
        {"End", 37, 37, VK_END, false, false, 47, 47},
        {"Shift+End", 37, 37, VK_END, true, false, 37, 48},
        {"End on the last row", 97, 97, VK_END, false, false, 99, 99},
        {"Shift+End on the last row", 97, 97, VK_END, true, false, 97, 100},
        {"Ctrl+End", 37, 37, VK_END, false, true, 99, 99},
        {"Shift+Ctrl+End", 37, 37, VK_END, true, true, 37, 100},
        {"Up", 37, 37, VK_UP, false, false, 21, 21},
        {"Up in the first row", 5, 5, VK_UP, false, false, 5, 5},
        {"Shift+Up", 37, 37, VK_UP, true, false, 37, 21},
        {"Down", 37, 37, VK_DOWN, false, false, 53, 53},
        {"Down onto the last byte", 83, 83, VK_DOWN, false, false, 99, 99},
        {"Down past the end", 85, 85, VK_DOWN, false, false, 85, 85},
        {"Shift+Down tests the caret", 90, 70, VK_DOWN, true, false, 90, 86},
        {"Page Down", 10, 10, VK_NEXT, false, false, 74, 74},
        {"Page Down on the last page", 50, 50, VK_NEXT, false, false, 99, 99},
        {"Page Up", 74, 74, VK_PRIOR, false, false, 10, 10},
        {"Page Up near the start", 40, 40, VK_PRIOR, false, false, 0, 0},
        {"Shift+Page Up", 74, 74, VK_PRIOR, true, false, 74, 10},
    };
    for (const auto& c : cases) {
        Open(100, 4);
        Select(c.anchor, c.caret);
        Key(c.key, c.shift, c.ctrl);
        EXPECT_EQ(model.Anchor(), c.wantAnchor) << c.name;
        EXPECT_EQ(model.Caret(), c.wantCaret) << c.name;
    }
}

TEST_F(HexModelTest, CtrlArrowsScrollWithoutMovingTheCaret) {
    Open(400, 4);
    Select(5, 5);
    Key(VK_DOWN, false, true);
    EXPECT_EQ(model.FirstRow(), 1);
    EXPECT_EQ(model.Caret(), 5);
    EXPECT_FALSE(model.CaretPoint());  // its row is off the page
    Key(VK_UP, false, true);
    EXPECT_EQ(model.FirstRow(), 0);
    EXPECT_TRUE(model.CaretPoint());
}

TEST_F(HexModelTest, KeysScrollTheCaretIntoView) {
    Open(400, 4);
    Key(VK_END, false, true);
    EXPECT_EQ(model.FirstRow(), model.MaxFirstRow());
    EXPECT_EQ(model.Page().back(), (uint8_t)399);
    Key(VK_HOME, false, true);
    EXPECT_EQ(model.FirstRow(), 0);
}

TEST_F(HexModelTest, DeleteWritesZeroAndMovesOn) {
    Open(40);
    Select(6, 6);
    Key(VK_RIGHT);  // on the low digit: Delete still writes the whole byte
    Key(VK_DELETE);
    EXPECT_EQ(model.ByteAt(6), 0);
    EXPECT_EQ(model.Caret(), 7);
    model.SwitchSide();
    Key(VK_DELETE);
    EXPECT_EQ(model.ByteAt(7), 7);
}

TEST_F(HexModelTest, ReadOnlyDocument) {
    Open(40);
    host.readOnly = true;
    Select(3, 3);
    Type("4");
    Key(VK_DELETE);
    EXPECT_EQ(host.beeps, 1);  // typing beeps, Delete stays silent
    EXPECT_EQ(model.ByteAt(3), 3);
    EXPECT_FALSE(model.CanUndo());
    EXPECT_TRUE(host.tabStates.empty());
}

TEST_F(HexModelTest, MouseSelectionAndStatusText) {
    Open(100);
    ASSERT_TRUE(model.MouseDown(HexX(0), RowY(1)));
    model.MouseDrag(HexX(3), RowY(1), 1000);
    EXPECT_EQ(host.status, "Offset 10H 16  Sel 4");

    ASSERT_TRUE(model.MouseDown(HexX(3), RowY(1)));
    model.MouseDrag(HexX(0), RowY(1), 1000);
    EXPECT_EQ(host.status, "Offset 13H 19  Sel -2");

    ASSERT_TRUE(model.MouseDown(HexX(5), RowY(0)));
    model.MouseDrag(HexX(0), RowY(0), 1000);
    EXPECT_EQ(model.Caret(), 0);

    EXPECT_FALSE(model.MouseDown(kCharWidth, RowY(0)));  // the offset column
}

TEST_F(HexModelTest, MouseHitsSetSideAndDigit) {
    Open(100);
    ASSERT_TRUE(model.MouseDown(HexX(2, 1), RowY(0)));
    EXPECT_EQ(model.Caret(), 2);
    EXPECT_EQ(model.Half(), 1);
    ASSERT_TRUE(model.MouseDown(CharX(4), RowY(2)));
    EXPECT_EQ(model.Side(), hexgeo::kCharSide);
    EXPECT_EQ(model.Caret(), 36);
    // A drag over the other side selects nothing more.
    model.MouseDrag(HexX(8), RowY(2), 1000);
    EXPECT_EQ(model.Caret(), 36);

    model.DoubleClick(HexX(9), RowY(1));
    EXPECT_EQ(model.Side(), hexgeo::kHexSide);
    EXPECT_EQ(model.Anchor(), 25);
    EXPECT_EQ(model.Caret(), 26);
}

TEST_F(HexModelTest, DragBelowTheWindowScrolls) {
    Open(400, 4);
    ASSERT_TRUE(model.MouseDown(HexX(0), RowY(3)));
    model.MouseDrag(HexX(0), 10000, 5 * kLineHeight);
    EXPECT_EQ(model.FirstRow(), 1);
    model.MouseDrag(HexX(0), -5, 5 * kLineHeight);
    EXPECT_EQ(model.FirstRow(), 0);
    model.MouseDrag(HexX(0), -5, 5 * kLineHeight);
    EXPECT_EQ(model.FirstRow(), 0);
}

TEST_F(HexModelTest, CaretPoint) {
    Open(100);
    Select(17, 17);
    auto point = model.CaretPoint();
    ASSERT_TRUE(point);
    EXPECT_EQ(point->x, model.Geometry().HexLeft() + kCharWidth * (3 + 0 + 0 + 1));
    EXPECT_EQ(point->y, 2 * kLineHeight);
    model.SwitchSide();
    EXPECT_EQ(model.CaretPoint()->x, model.Geometry().CharLeft() + kCharWidth);
}

TEST(HexModelSize, RowsMustFitAScrollPosition) {
    EXPECT_TRUE(HexModel::CanShow(3ull << 30));
    EXPECT_TRUE(HexModel::CanShow(16ull * 0x7FFFFFF0));
    EXPECT_FALSE(HexModel::CanShow(16ull * 0x7FFFFFFF));
}

}  // namespace
