// The fonts page's schemes apart from its window: where loading stops,
// the seeded default, the style text written back and the first choice.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "FontPageLogic.h"

namespace {

std::vector<FontScheme> Load(const std::map<int, std::string>& values) {
    return LoadFontSchemes([&](int key) {
        auto found = values.find(key);
        return found == values.end() ? std::string() : found->second;
    });
}

TEST(FontPageLogic, LoadingStopsAtAnEmptyValueOrFace) {
    const struct {
        std::map<int, std::string> values;
        size_t count;
    } cases[] = {
        {{{1, "font:A"}, {2, "font:B"}, {4, "font:D"}}, 2},        // stops at the empty 3
        {{{1, "font:A"}, {2, "size:10"}, {3, "font:C"}}, 1},       // no face
        {{{1, "font:A"}, {2, "font: B"}}, 1},                       // a face beginning with a blank
        {{{1, "font:1"}, {2, "font:2"}, {3, "font:3"}, {4, "font:4"}, {5, "font:5"}, {6, "font:6"},
          {7, "font:7"}, {8, "font:8"}, {9, "font:9"}, {10, "font:10"}, {11, "font:11"}}, 10},
    };
    for (const auto& c : cases) EXPECT_EQ(c.count, Load(c.values).size()) << c.values.begin()->second;
}

TEST(FontPageLogic, AnEmptyFirstSchemeIsTheDefaultOne) {
    EXPECT_EQ(1u, Load({}).size());
    // The schemes after it are still there to edit.
    const std::vector<FontScheme> schemes = Load({{2, "font:B"}});
    ASSERT_EQ(2u, schemes.size());
    EXPECT_EQ("B", schemes[1].face);
    EXPECT_EQ("fixedsys", schemes[0].face);
    EXPECT_EQ(RGB(0xCC, 0xE8, 0xCF), schemes[0].back);
    EXPECT_EQ("font:fixedsys,back:#CCE8CF", FontSchemeText(schemes[0]));
}

TEST(FontPageLogic, ValuesComeFromTheStyleText) {
    const std::vector<FontScheme> schemes =
        Load({{1, "font:Liberation Mono,size:12,fore:#102030,back:#000000,italics,underlined,eolfilled"}});
    ASSERT_EQ(1u, schemes.size());
    const FontScheme& s = schemes[0];
    EXPECT_EQ("Liberation Mono", s.face);
    EXPECT_EQ(12, s.size);
    EXPECT_EQ(RGB(0x10, 0x20, 0x30), s.fore);
    EXPECT_EQ(RGB(0, 0, 0), s.back);
    EXPECT_FALSE(s.bold);
    EXPECT_TRUE(s.italics);
    EXPECT_TRUE(s.underlined);
    // A face longer than 31 characters is cut.
    EXPECT_EQ(31u, Load({{1, "font:" + std::string(40, 'x')}})[0].face.size());
}

TEST(FontPageLogic, StyleTexts) {
    FontScheme plain;
    plain.face = "A";
    FontScheme full;
    full.face = "Face, Two";
    full.size = 9;
    full.fore = RGB(1, 2, 3);
    full.back = RGB(0xFF, 0xFE, 0xFD);
    full.bold = full.italics = full.underlined = true;
    FontScheme italicOnly = plain;
    italicOnly.italics = true;
    italicOnly.back = 0;
    EXPECT_EQ("font:A", FontSchemeText(plain));
    EXPECT_EQ("font:Face| Two,size:9,fore:#010203,back:#FFFEFD,bold,italics,underlined", FontSchemeText(full));
    EXPECT_EQ("font:A,back:#000000,italics", FontSchemeText(italicOnly));
    // What is written reads back the same, the comma in the face included.
    const std::vector<FontScheme> again = Load({{1, FontSchemeText(full)}});
    ASSERT_EQ(1u, again.size());
    EXPECT_EQ(FontSchemeText(full), FontSchemeText(again[0]));
    EXPECT_EQ("Face, Two", again[0].face);
}

TEST(FontPageLogic, TheFirstChoiceIsKeptWithinTheSchemes) {
    const struct {
        int curSel;
        size_t count;
        int shown;
    } cases[] = {{1, 3, 1}, {3, 3, 3}, {4, 3, 3}, {0, 3, 1}, {-5, 3, 1}, {2, 0, 0}};
    for (const auto& c : cases) EXPECT_EQ(c.shown, InitialFontScheme(c.curSel, c.count)) << c.curSel;
}

}  // namespace
