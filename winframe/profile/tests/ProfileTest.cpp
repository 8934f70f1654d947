// The in-memory copy of an ini file against the platform's own profile
// functions on the same files, and its writes read back through them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ProfileFile.h"
#include "TempFolder.h"

namespace {

std::string PlatformString(const std::string& path, const char* section, const char* key, const char* defaultText) {
    std::vector<char> buffer(4096);
    DWORD got = ::GetPrivateProfileStringA(section, key, defaultText, buffer.data(), (DWORD)buffer.size(), path.c_str());
    return std::string(buffer.data(), got);
}

std::string PlatformSection(const std::string& path, const char* section) {
    std::vector<char> buffer(4096);
    DWORD got = ::GetPrivateProfileSectionA(section, buffer.data(), (DWORD)buffer.size(), path.c_str());
    return std::string(buffer.data(), got);
}

class ProfileTest : public ::testing::Test {
protected:
    // Written as bytes; the platform's own cache of the file let go.
    std::string WriteFile(const std::string& text) {
        folder.Write("test.ini", text);
        ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, Path().c_str());
        return Path();
    }
    std::string Path() const { return folder.File("test.ini"); }
    TempFolder folder;
};

TEST_F(ProfileTest, ValuesReadAsThePlatformReadsThem) {
    const struct {
        const char* text;
        const char* section;
        const char* key;
        const char* defaultText;
    } cases[] = {
        {"[EDITOR]\r\nTabSize=8\r\n", "EDITOR", "TabSize", "4"},
        {"[EDITOR]\r\nTabSize=8\r\n", "editor", "TABSIZE", "4"},
        {"[EDITOR]\r\n  TabSize \t =   8  \r\n", "EDITOR", "TabSize", ""},
        {"[ EDITOR ]\r\nTabSize=8\r\n", "EDITOR", "TabSize", "none"},
        {"[EDITOR]\r\nTabSize=8\r\n", "  EDITOR ", " TabSize  ", "none"},
        {"[A]\r\nx=1\r\n[A]\r\ny=2\r\n", "A", "y", "none"},
        {"[A]\r\nx=1\r\nX=2\r\n", "A", "x", ""},
        {"[A]\r\nx=\"quoted\"\r\n", "A", "x", ""},
        {"[A]\r\nx='single'\r\n", "A", "x", ""},
        {"[A]\r\nx=\"open\r\n", "A", "x", ""},
        {"[A]\r\nx=\"\r\n", "A", "x", ""},
        {"[A]\r\nx=\"a\"b\r\n", "A", "x", ""},
        {"[A]\r\nx=\"\"\r\n", "A", "x", "none"},
        {"[A]\r\nx=\"mixed'\r\n", "A", "x", ""},
        {"[A]\r\n;x=1\r\n", "A", "x", "none"},
        {"[A]\r\nflag\r\n", "A", "flag", "none"},
        {"[A]\r\nx=a=b\r\n", "A", "x", ""},
        {"[A]\r\nx=\r\n", "A", "x", "none"},
        {"[A]\r\nx=1\r\n", "A", "y", "fallback   "},
        {"[A]\r\nx=1\r\n", "A", "y", "'quoted default'"},
        {"[A]\r\nx=1\r\n", "B", "x", "   "},
        {"x=1\r\n[A]\r\n", "A", "x", "none"},
        {"[A\r\nx=1\r\n", "A", "x", "none"},
        {"[A] trailing\r\nx=1\r\n", "A", "x", "none"},
        {"[A]]\r\nx=1\r\n", "A]", "x", "none"},
        {"[A]\nx=lf\n", "A", "x", ""},
        {"[A]\rx=cr\r", "A", "x", ""},
        {"[A]\r\nx=a b\tc\r\n", "A", "x", ""},
        {"[A]\r\nx=1\x1a", "A", "x", ""},
        {"[SEARCH]\r\nFindText=\xD6\xD0\xCE\xC4 text\r\n", "SEARCH", "FindText", ""},
        {"[A]\r\n\r\n   \r\n[B]\r\nx=2\r\n", "B", "x", ""},
        {"[A]\r\nx=1\r\n", "A", "", "empty name"},
    };
    for (const auto& c : cases) {
        const std::string path = WriteFile(c.text);
        CProfileFile file(path);
        EXPECT_EQ(file.ReadString(c.section, c.key, c.defaultText), PlatformString(path, c.section, c.key, c.defaultText))
            << c.text << " [" << c.section << "] " << c.key;
    }
}

TEST_F(ProfileTest, SectionsListAsThePlatformListsThem) {
    const char text[] =
        "[TOOL]\r\n; a comment\r\nName=\"quoted stays\"\r\nflag\r\n\r\n  Key  =  value  \r\n"
        "[tool]\r\nsecond=1\r\n[Empty]\r\n[ Other ]\r\nx=1\r\n";
    const std::string path = WriteFile(text);
    CProfileFile file(path);
    for (const char* section : {"TOOL", "tool", " Other "})
        EXPECT_EQ(file.ReadSection(section).value_or(""), PlatformSection(path, section)) << section;
    EXPECT_EQ(PlatformSection(path, "Empty"), "");
    EXPECT_FALSE(file.ReadSection("Empty"));
    EXPECT_FALSE(file.ReadSection("Missing"));
}

TEST_F(ProfileTest, WritesReachTheFileAndTheCopy) {
    const std::string path = WriteFile("[A]\r\nx=1\r\n");
    CProfileFile file(path);
    ASSERT_EQ(file.ReadString("A", "x", ""), "1");
    ASSERT_TRUE(file.WriteString("a", "X", "  two  "));
    ASSERT_TRUE(file.WriteString("B", "y", "new"));
    ASSERT_TRUE(file.WriteString("A", "z", "\"q\""));
    for (const auto& [section, key] : std::vector<std::pair<const char*, const char*>>{{"A", "x"}, {"B", "y"}, {"A", "z"}}) {
        EXPECT_EQ(file.ReadString(section, key, "none"), PlatformString(path, section, key, "none")) << key;
        EXPECT_EQ(CProfileFile(path).ReadString(section, key, "none"), file.ReadString(section, key, "none")) << key;
    }
    ASSERT_TRUE(file.WriteString("A", "x", nullptr));
    EXPECT_EQ(file.ReadString("A", "x", "gone"), "gone");
    ASSERT_TRUE(file.WriteString("B", nullptr, nullptr));
    EXPECT_EQ(file.ReadString("B", "y", "gone"), "gone");
    ASSERT_TRUE(file.WriteSection("T", "a=1\0b=2\0"));
    EXPECT_EQ(file.ReadString("T", "b", ""), "2");
}

TEST_F(ProfileTest, AnotherWriterIsSeenAndUnusualFilesGoToThePlatform) {
    const std::string path = WriteFile("[A]\r\nx=1\r\n");
    CProfileFile file(path);
    ASSERT_EQ(file.ReadString("A", "x", ""), "1");
    ::WritePrivateProfileStringA("A", "x", "changed elsewhere", path.c_str());
    EXPECT_EQ(file.ReadString("A", "x", ""), "changed elsewhere");
    ::DeleteFileA(path.c_str());
    EXPECT_EQ(file.ReadString("A", "x", "gone"), "gone");
    // A marked file: the platform decides how it reads.
    for (const char* text : {"\xEF\xBB\xBF[A]\r\nx=utf8\r\n", "\xFF\xFE[\0A\0]\0\r\0\n\0x\0=\0w\0"}) {
        const std::string marked = WriteFile(std::string(text, text[0] == '\xFF' ? 22 : std::strlen(text)));
        EXPECT_EQ(CProfileFile(marked).ReadString("A", "x", "none"), PlatformString(marked, "A", "x", "none"));
    }
}

}  // namespace
