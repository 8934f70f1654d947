// Style texts and colour texts.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "CaseName.h"
#include "HexColour.h"
#include "StyleSpec.h"

namespace {

std::string Describe(const CStyleSpec& s) {
    std::ostringstream out;
    out << "face=" << s.face << " size=" << s.size << " fore=" << s.fore << " back=" << s.back << " bold=" << s.bold
        << " italics=" << s.italics << " eolfilled=" << s.eolfilled << " underlined=" << s.underlined
        << " case=" << s.caseMode << " visible=" << s.visible << " changeable=" << s.changeable << " mask=0x"
        << std::hex << s.mask;
    return out.str();
}

struct StyleCase {
    const char* name;
    const char* text;
    std::function<void(CStyleSpec&)> expect;  // changes from the defaults
};

void PrintTo(const StyleCase& c, std::ostream* os) { *os << c.name; }

const StyleCase kStyleCases[] = {
    {"every common item",
     "font:Courier New,size:10,fore:#FF0000,back:#00FF00,bold,italics,eolfilled",
     [](CStyleSpec& s) {
         s.face = "Courier New";
         s.size = 10;
         s.fore = "#FF0000";
         s.back = "#00FF00";
         s.bold = s.italics = s.eolfilled = true;
         s.mask = 0x7F;
     }},
    {"later item wins, bit stays", "bold,notbold", [](CStyleSpec& s) { s.mask = 0x10; }},
    {"keywords are case-sensitive", "Bold,FORE:#FF0000", [](CStyleSpec&) {}},
    {"bar in a face is a comma", "font:A|B", [](CStyleSpec& s) { s.face = "A,B"; s.mask = 0x1; }},
    {"font without value", "font", [](CStyleSpec& s) { s.mask = 0x1; }},
    {"fore and back without value", "fore,back:", [](CStyleSpec& s) { s.fore = s.back = ""; s.mask = 0xC; }},
    {"case upper", "case:upper", [](CStyleSpec& s) { s.caseMode = 1; s.mask = 0x100; }},
    {"case lower", "case:l", [](CStyleSpec& s) { s.caseMode = 2; s.mask = 0x100; }},
    {"case other", "case:u,case:x", [](CStyleSpec& s) { s.mask = 0x100; }},
    {"case without value", "case", [](CStyleSpec& s) { s.mask = 0x100; }},
    {"size without value is ignored", "size", [](CStyleSpec&) {}},
    {"size with empty value", "size:", [](CStyleSpec& s) { s.mask = 0x2; }},
    {"size reads sign and digits", "size:-3,size:12pt", [](CStyleSpec& s) { s.size = 12; s.mask = 0x2; }},
    {"the other flags",
     "underlined,notvisible,notchangeable,notitalics",
     [](CStyleSpec& s) {
         s.underlined = true;
         s.visible = s.changeable = false;
         s.mask = 0x6A0;
     }},
    {"empty items", ",,bold,", [](CStyleSpec& s) { s.bold = true; s.mask = 0x10; }},
    {"value may hold a colon", "font:a:b", [](CStyleSpec& s) { s.face = "a:b"; s.mask = 0x1; }},
};

class StyleSpecTest : public testing::TestWithParam<StyleCase> {};

TEST_P(StyleSpecTest, Parses) {
    const StyleCase& c = GetParam();
    CStyleSpec expected;
    c.expect(expected);
    CStyleSpec spec;
    EXPECT_TRUE(spec.Parse(c.text));
    EXPECT_EQ(Describe(spec), Describe(expected));
    EXPECT_EQ(Describe(CStyleSpec(c.text)), Describe(expected));
}

INSTANTIATE_TEST_SUITE_P(Items, StyleSpecTest, testing::ValuesIn(kStyleCases), CaseName());

TEST(StyleSpecTest, NullAndEmptyChangeNothing) {
    CStyleSpec spec("bold,fore:#123456");
    std::string before = Describe(spec);
    EXPECT_FALSE(spec.Parse(nullptr));
    EXPECT_FALSE(spec.Parse(""));
    EXPECT_EQ(Describe(spec), before);
    EXPECT_EQ(Describe(CStyleSpec(nullptr)), Describe(CStyleSpec()));
}

TEST(StyleSpecTest, ColoursOfTheTexts) {
    CStyleSpec spec;
    EXPECT_EQ(spec.ForeColour(), 0x000000u);
    EXPECT_EQ(spec.BackColour(), 0xFFFFFFu);
    spec.Parse("fore:#FF0000,back:#0000FF");
    EXPECT_EQ(spec.ForeColour(), 0x0000FFu);
    EXPECT_EQ(spec.BackColour(), 0xFF0000u);
}

TEST(ColourTest, FromString) {
    const std::pair<const char*, COLORREF> cases[] = {
        {"#FF0000", 0x0000FF}, {"#abcdef", 0xEFCDAB}, {"", 0},         {"#12", 0x000012},
        {"#gg0000", 0},        {"x00FF00", 0x00FF00}, {"#", 0},        {"#FFFFFF00", 0xFFFFFF},
    };
    for (auto [text, colour] : cases) EXPECT_EQ(ColourFromString(text), colour) << text;
}

TEST(ColourTest, HexDigits) {
    const std::pair<char, int> digits[] = {{'0', 0}, {'9', 9}, {'A', 10}, {'F', 15}, {'a', 10},
                                           {'f', 15}, {'g', 0}, {'G', 0}, {' ', 0}, {'\0', 0}};
    for (auto [c, value] : digits) EXPECT_EQ(HexDigitValue(c), value) << c;
    EXPECT_EQ(ParseHexByte('F', 'f'), 255);
    EXPECT_EQ(ParseHexByte('1', 'x'), 16);
}

}  // namespace
