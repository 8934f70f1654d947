// Start-up logic that needs no window: the character classes, the hand-over
// block, code-page-safe cutting and the settings over real ini files.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "AppSettings.h"
#include "CharClass.h"
#include "DbcsText.h"
#include "ForwardedFileList.h"
#include "TempFolder.h"

namespace {

TEST(CharClass, ClassifiesEveryCode) {
    unsigned char table[256];
    FillCharClassTable(table);
    struct { int code; int cls; } rows[] = {
        {10, 1}, {13, 1}, {0, 0}, {9, 0}, {32, 0}, {'a', 2}, {'Z', 2}, {'0', 2},
        {'_', 2}, {128, 2}, {255, 2}, {'!', 3}, {'~', 3}, {127, 3}, {'@', 3}, {'[', 3}};
    for (auto& row : rows) EXPECT_EQ(row.cls, table[row.code]) << row.code;
}

std::string Block(const char* data, size_t length) { return std::string(data, length); }

TEST(ForwardedFileList, BuildsAbsolutePathsAndSkipsSwitches) {
    struct Row {
        std::vector<std::string> arguments;
        std::string folder;
        std::string expected;  // the block up to and including the final NUL
    } rows[] = {
        {{"C:\\a.txt", "b.txt", "-x", "/y", "\\\\srv\\s\\f", "\\root"}, "D:\\w",
         std::string("C:\\a.txt\0D:\\w\\b.txt\0\0", 21)},
        {{"-x", "/y"}, "D:\\w", std::string("\0", 1)},
        {{"name.txt"}, "C:\\", std::string("C:\\name.txt\0\0", 13)},
        {{"..\\x.txt", ".\\y.txt"}, "D:\\w\\sub", std::string("D:\\w\\x.txt\0D:\\w\\sub\\y.txt\0\0", 27)},
        {{"C:rel.txt"}, "D:\\w", std::string("C:rel.txt\0\0", 11)},
    };
    for (const Row& row : rows) {
        char block[kForwardBlockSize];
        std::memset(block, 'x', sizeof(block));
        size_t length = BuildForwardedFileList(row.arguments, row.folder, block, sizeof(block));
        EXPECT_EQ(row.expected.size() - 1, length) << row.arguments[0];
        EXPECT_EQ(row.expected, Block(block, row.expected.size())) << row.arguments[0];
    }
}

TEST(ForwardedFileList, DropsPathsThatDoNotFitAndKeepsTheTerminatorInside) {
    std::string longName(200, 'a');
    std::vector<std::string> arguments = {longName, "b.txt", longName, "c.txt"};
    char block[kForwardBlockSize + 8];
    std::memset(block, 'x', sizeof(block));
    size_t length = BuildForwardedFileList(arguments, "C:\\f", block, kForwardBlockSize);
    std::string first = "C:\\f\\" + longName;
    std::string expected = first + '\0' + "C:\\f\\b.txt" + '\0' + "C:\\f\\c.txt" + '\0';
    ASSERT_EQ(expected.size(), length);
    EXPECT_EQ(expected + '\0', Block(block, length + 1));
    EXPECT_LT(length, kForwardBlockSize);
    EXPECT_EQ('x', block[kForwardBlockSize]) << "nothing written past the block";

    // A path that needs exactly the whole block, with both NULs, still fits.
    std::string exact(kForwardBlockSize - 2, 'z');
    exact.replace(0, 3, "C:\\");
    EXPECT_EQ(kForwardBlockSize - 1, BuildForwardedFileList({exact}, "D:\\", block, kForwardBlockSize));
    std::string tooLong = exact + "z";
    EXPECT_EQ(0u, BuildForwardedFileList({tooLong}, "D:\\", block, kForwardBlockSize));
    EXPECT_EQ('\0', block[0]);
}

TEST(ForwardedFileList, ReadingStopsAtTheEmptyStringAndNeverPassesTheBlock) {
    std::string block("C:\\a\0D:\\b\0\0C:\\after\0", 21);
    EXPECT_EQ((std::vector<std::string>{"C:\\a", "D:\\b"}), ParseForwardedFileList(block.data(), block.size(), 10));
    // A sender's length that is too short cuts the list there.
    EXPECT_EQ((std::vector<std::string>{"C:\\a"}), ParseForwardedFileList(block.data(), block.size(), 5));
    // No terminator anywhere: the tail is dropped, nothing is read past the block.
    std::vector<char> full(kForwardBlockSize, 'q');
    full[0] = 'C'; full[1] = ':'; full[2] = '\0';
    EXPECT_EQ((std::vector<std::string>{"C:"}), ParseForwardedFileList(full.data(), full.size(), 100000));
    EXPECT_TRUE(ParseForwardedFileList(full.data(), full.size(), 0).size() <= 1);
}

// Under code page 936: "淺" is B2 5C and "墊" is 89 7C; their trail bytes are '\' and '|'.
TEST(DbcsText, ScansAndCutsByCharacter) {
    ASSERT_EQ(936u, ::GetACP()) << "these tests run under code page 936";
    const char path[] = "C:\\dir\\\xB2\x5C";  // C:\dir\淺
    EXPECT_EQ(path + 6, FindLastChar(path, '\\'));
    const char tool[] = "\x89\x7C|x";  // 墊|x
    EXPECT_EQ(tool + 2, FindFirstChar(tool, '|'));
    EXPECT_EQ(1u, FitCharacters("a\xB2\x5C", 2)) << "never ends inside a character";
    EXPECT_EQ(3u, FitCharacters("a\xB2\x5C", 3));
    char buffer[3];
    CopyCharacters(buffer, sizeof(buffer), "a\xB2\x5C");
    EXPECT_STREQ("a", buffer);
}

// Settings over a fixture ini in a folder of their own.
class SettingsTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string IniPath() const { return folder.File("tarnwick.ini"); }
};

TEST_F(SettingsTest, AMissingIniGivesTheDefaults) {
    CAppSettings settings(folder.Path().c_str());
    EXPECT_EQ(0u, settings.EditorMask);
    EXPECT_EQ(4, settings.TabSize);
    EXPECT_EQ(4, settings.IndentSize);
    EXPECT_EQ(0, settings.LineTransparent);
    EXPECT_EQ(90, settings.LineEdgePos);
    EXPECT_EQ(0xFFDAFAu, settings.LineEdgeColor);
    EXPECT_EQ(0xFFFFFFu, settings.HighLightColor);
    for (COLORREF back : {settings.TemplateBack, settings.SymbolBack, settings.Find1Back, settings.Find2Back})
        EXPECT_EQ(0xFFFFFFu, back);
    for (COLORREF fore : {settings.TemplateFore, settings.SymbolFore, settings.Find1Fore, settings.Find2Fore})
        EXPECT_EQ(0u, fore);
    EXPECT_EQ(3, settings.UpdateInterval);
    EXPECT_EQ(0, settings.LastUpdate);
    EXPECT_STREQ("", settings.search.FindText);
    EXPECT_EQ(0u, settings.search.SearchMask);
    EXPECT_EQ(IniPath(), settings.iniPath);
    EXPECT_TRUE(settings.templateBrush && settings.find1Brush && settings.find2Brush);
}

TEST_F(SettingsTest, ClampsWhatItLoads) {
    struct Row { const char* section; const char* key; const char* value; int expected; } rows[] = {
        {"EDITOR", "TabSize", "0", 4},          {"EDITOR", "TabSize", "260", 4},
        {"EDITOR", "TabSize", "8", 8},          {"EDITOR", "IndentSize", "256", 4},
        {"EDITOR", "LineTransparent", "150", 100}, {"EDITOR", "LineTransparent", "60", 60},
        {"EDITOR", "LineEdgePos", "0", 90},     {"EDITOR", "LineEdgePos", "301", 90},
        {"EDITOR", "LineEdgePos", "300", 300},  {"EDITOR", "LineEdgePos", "-5", 90},
        {"UPDATE", "UpdateInterval", "0", 3},   {"UPDATE", "UpdateInterval", "-1", 3},
        {"UPDATE", "UpdateInterval", "31", 3},  {"UPDATE", "UpdateInterval", "30", 30},
        {"EDITOR", "HighLightColor", "16777215", 0xFFFFFF}, {"EDITOR", "HighLightColor", "0xFF", 0},
        {"EDITOR", "EditorMask", "2097153", 0x200001},      {"UPDATE", "LastUpdate", "20000", 20000},
    };
    for (const Row& row : rows) {
        ::DeleteFileA(IniPath().c_str());
        ::WritePrivateProfileStringA(row.section, row.key, row.value, IniPath().c_str());
        CAppSettings s(folder.Path().c_str());
        std::string key = row.key;
        long long got = key == "TabSize" ? s.TabSize : key == "IndentSize" ? s.IndentSize
                      : key == "LineTransparent" ? s.LineTransparent : key == "LineEdgePos" ? s.LineEdgePos
                      : key == "UpdateInterval" ? s.UpdateInterval : key == "HighLightColor" ? (long long)s.HighLightColor
                      : key == "EditorMask" ? (long long)s.EditorMask : s.LastUpdate;
        EXPECT_EQ(row.expected, got) << row.key << "=" << row.value;
    }
}

TEST_F(SettingsTest, SearchTextsKeepAtMost255BytesAndWholeCharacters) {
    std::string ascii(300, 'a');
    std::string gbk = std::string(254, 'b') + "\xC4\xE3\xBA\xC3";  // 254 bytes then 你好
    ::WritePrivateProfileStringA("SEARCH", "FindText", ascii.c_str(), IniPath().c_str());
    ::WritePrivateProfileStringA("SEARCH", "ReplaceText", gbk.c_str(), IniPath().c_str());
    CAppSettings settings(folder.Path().c_str());
    EXPECT_EQ(std::string(255, 'a'), settings.search.FindText);
    EXPECT_EQ(std::string(254, 'b'), settings.search.ReplaceText);
}

TEST_F(SettingsTest, SaveSearchWritesItsFourKeysAndLeavesTheRestAlone) {
    // Without blank lines: the platform drops them whenever it rewrites the file.
    const std::string before =
        "[USER]\r\nUSER=\xD5\xC5\xC8\xFD\r\n[TOOL]\r\nmake=make.exe?all|C:\\src|?*.c|1\r\n"
        "[EDITOR]\r\nTabSize=8\r\n";
    folder.Write("tarnwick.ini", before);
    CAppSettings settings(folder.Path().c_str());
    settings.EditorMask = 0x80000001;
    std::strcpy(settings.search.FindText, "\xB2\xE9\xD5\xD2");  // 查找
    std::strcpy(settings.search.ReplaceText, "to");
    settings.search.SearchMask = 0x40F;
    settings.SaveSearch();

    std::string after = folder.Read("tarnwick.ini");
    EXPECT_NE(std::string::npos, after.find("EditorMask=-2147483647"));
    EXPECT_NE(std::string::npos, after.find("FindText=\xB2\xE9\xD5\xD2"));
    EXPECT_NE(std::string::npos, after.find("ReplaceText=to"));
    EXPECT_NE(std::string::npos, after.find("SearchMask=1039"));
    EXPECT_EQ(0u, after.find("[USER]\r\nUSER=\xD5\xC5\xC8\xFD\r\n[TOOL]\r\nmake=make.exe?all|C:\\src|?*.c|1\r\n"))
        << after;
    CAppSettings reread(folder.Path().c_str());
    EXPECT_EQ(0x80000001u, reread.EditorMask);
    EXPECT_STREQ("\xB2\xE9\xD5\xD2", reread.search.FindText);
    EXPECT_EQ(8, reread.TabSize);
}

TEST_F(SettingsTest, FoldersAndSectionOperations) {
    CAppSettings settings(folder.Path().c_str());
    const char* suffixes[] = {"", "\\language", "\\template", "", "\\ui", "\\dat"};
    for (int kind = 0; kind < 6; ++kind) {
        char buffer[MAX_PATH];
        char* end = settings.GetFolder(buffer, static_cast<FolderKind>(kind));
        std::strcpy(end, "\\root.properties");
        EXPECT_EQ(folder.Path() + suffixes[kind] + "\\root.properties", buffer) << kind;
    }
    char unknown[MAX_PATH] = "garbage";
    EXPECT_EQ(unknown, settings.GetFolder(unknown, static_cast<FolderKind>(6)));
    EXPECT_STREQ("", unknown);

    settings.WriteString("FAVORITE", "1", "C:\\one");
    settings.WriteString("FAVORITE", "2", "D:\\two");
    settings.WriteInt("FONT", "CurSel", -3);
    char section[256];
    ASSERT_TRUE(settings.ReadSection("FAVORITE", section, sizeof(section)));
    EXPECT_EQ(std::string("1=C:\\one\0" "2=D:\\two\0\0", 20), std::string(section, 20));
    EXPECT_EQ(-3, settings.ReadInt("FONT", "CurSel", 1));
    settings.ClearSection("FAVORITE");
    EXPECT_FALSE(settings.ReadSection("FAVORITE", section, sizeof(section)));
    EXPECT_EQ("fallback", settings.ReadString("FAVORITE", "1", "fallback"));

    settings.WriteString("TOOL", "long", std::string(400, 't').c_str());
    EXPECT_EQ(std::string(259, 't'), settings.ReadString("TOOL", "long", ""));
}

}  // namespace
