// The layout file's codes against a real ini file (no window).
#include <gtest/gtest.h>

#include "LayoutStore.h"
#include "TempFolder.h"

namespace {

class LayoutFileTest : public ::testing::Test {
protected:
    void Write(const std::string& text) {
        folder.Write("t.ui", text);
        // The profile functions cache files: the new text must be read.
        ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, folder.File("t.ui").c_str());
    }
    CLayoutFile Section(const char* name) {
        CLayoutFile root(folder.File("t.ui"));
        CLayoutFile section;
        section.OpenSectionForReading(root, name, 0);
        return section;
    }
    TempFolder folder;
};

TEST_F(LayoutFileTest, BinaryRoundTrip) {
    CLayoutFile root(folder.File("t.ui"));
    CLayoutFile section;
    EXPECT_EQ(section.OpenSectionForWriting(root, "Wnd-0xfffffffe", 0), kLayoutOk);
    const uint8_t bytes[] = {0, 5, 0xab, 0xff};
    EXPECT_EQ(section.WriteBinary("value", bytes, 4), kLayoutOk);
    uint8_t back[4] = {};
    size_t length = 4;
    EXPECT_EQ(section.ReadBinary("value", back, length), kLayoutOk);
    EXPECT_EQ(length, 4u);
    EXPECT_EQ(0, memcmp(back, bytes, 4));
    EXPECT_TRUE(section.ReadExact("value", back, 4));
    EXPECT_FALSE(section.ReadExact("value", back, 3));  // a wrong byte count is missing
}

TEST_F(LayoutFileTest, CodesTable) {
    Write("[S]\nspaced=00 05 00 00 \nbare=00 05 00 00\nbad=01 02 zz 03\ntext=abcdef\n");
    CLayoutFile s = Section("S");
    uint8_t bytes[8] = {};
    size_t length = sizeof bytes;
    EXPECT_EQ(s.ReadBinary("spaced", bytes, length), kLayoutOk);
    EXPECT_EQ(length, 4u);
    length = sizeof bytes;
    EXPECT_EQ(s.ReadBinary("bare", bytes, length), kLayoutOk);
    EXPECT_EQ(length, 4u);
    EXPECT_EQ(bytes[1], 5);
    length = sizeof bytes;
    EXPECT_EQ(s.ReadBinary("bad", bytes, length), kLayoutOk);
    EXPECT_EQ(length, 2u);  // stopped at "zz"
    length = 2;
    EXPECT_EQ(s.ReadBinary("spaced", bytes, length), kLayoutMoreData);
    EXPECT_EQ(length, 4u);
    length = sizeof bytes;
    EXPECT_EQ(s.ReadBinary("missing", bytes, length), kLayoutNoData);
    EXPECT_EQ(length, 0u);

    char text[16] = {};
    size_t chars = 0;
    EXPECT_EQ(s.ReadString("text", text, chars), kLayoutMoreData);  // length 0: the count
    EXPECT_EQ(chars, 6u);
    chars = 6;  // no room for the terminator: not cut silently
    EXPECT_EQ(s.ReadString("text", text, chars), kLayoutMoreData);
    EXPECT_EQ(chars, 6u);
    chars = 7;
    EXPECT_EQ(s.ReadString("text", text, chars), kLayoutOk);
    EXPECT_STREQ(text, "abcdef");
    chars = sizeof text;
    EXPECT_EQ(s.ReadString("missing", text, chars), kLayoutNoData);
}

TEST_F(LayoutFileTest, SectionNamesAreCutTo31Characters) {
    CLayoutFile root(folder.File("t.ui"));
    CLayoutFile section;
    section.OpenSectionForWriting(root, "0123456789012345678901234567890123456789", 0);
    EXPECT_EQ(section.Section().size(), 31u);
    EXPECT_EQ(section.Path(), root.Path());
    CLayoutFile defaultFile;
    EXPECT_NE(defaultFile.Path().find("\\default.ui"), std::string::npos);
}

}  // namespace
