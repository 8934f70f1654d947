// The font of a font scheme and its drop-down text (GDI, no window).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "SchemeFont.h"

namespace {

TEST(SchemeFont, AnEmptySchemeIsFixedsysOnTheDefaultGreen) {
    SchemeFont font = MakeSchemeFont("", 96);
    EXPECT_STREQ(font.requested.lfFaceName, "fixedsys");
    EXPECT_EQ(font.requested.lfHeight, -::MulDiv(kDefaultSchemePoints, 96, 72));
    EXPECT_EQ(font.back, RGB(0xCC, 0xE8, 0xCF));
    EXPECT_NE(font.font, nullptr);
    EXPECT_GT(font.lineHeight, 0);
    EXPECT_GT(font.charWidth, 0);
}

TEST(SchemeFont, SizeWeightItalicsAndTheFaceCut) {
    struct Case {
        const char* text;
        int points;
        LONG weight;
        BYTE italic;
        size_t faceLength;
    } cases[] = {
        {"font:Courier New", 10, FW_NORMAL, FALSE, 11},
        {"font:Courier New,size:14,bold", 14, FW_BOLD, FALSE, 11},
        {"font:Courier New,italics,size:0", 10, FW_NORMAL, TRUE, 11},
        {"font:0123456789012345678901234567890123456789", 10, FW_NORMAL, FALSE, 31},
    };
    for (const Case& c : cases) {
        SchemeFont font = MakeSchemeFont(c.text, 120);
        EXPECT_EQ(font.requested.lfHeight, -::MulDiv(c.points, 120, 72)) << c.text;
        EXPECT_EQ(font.requested.lfWeight, c.weight) << c.text;
        EXPECT_EQ(font.requested.lfItalic, c.italic) << c.text;
        EXPECT_EQ(std::string(font.requested.lfFaceName).size(), c.faceLength) << c.text;
        EXPECT_EQ(font.requested.lfCharSet, DEFAULT_CHARSET) << c.text;
    }
}

TEST(SchemeFont, MenuTexts) {
    EXPECT_EQ(SchemeMenuText(1, "font:Courier New,size:12"), "&1 Courier New, 12");
    EXPECT_EQ(SchemeMenuText(2, "font:Fixedsys,back:#CCE8CF"), "&2 Fixedsys");
    EXPECT_EQ(SchemeMenuText(3, "size:12"), "");  // no face: the list ends
    EXPECT_EQ(SchemeMenuText(4, ""), "");
}

TEST(SchemeFont, MovingHandsTheFontOver) {
    SchemeFont first = MakeSchemeFont("font:Arial", 96);
    HFONT made = first.font;
    SchemeFont second = std::move(first);
    EXPECT_EQ(second.font, made);
    EXPECT_EQ(first.font, nullptr);
    LOGFONTA lf{};
    EXPECT_NE(::GetObjectA(made, sizeof lf, &lf), 0);
}

}  // namespace
