// Result lines: the text the pane shows, the way back to path and line, and
// the defaults the dialog takes from the active document.
#include <gtest/gtest.h>

#include <string>

#include "ResultLine.h"
#include "SearchDefaults.h"

namespace {

TEST(ResultLine, ParseTable) {
    const struct {
        const char* text;
        bool parsed;
        const char* path;
        int line;
    } cases[] = {
        {"C:\\a\\b.c(12): x", true, "C:\\a\\b.c", 12},
        {"C:\\Program Files (x86)\\a.c(3): t", true, "C:\\Program Files (x86)\\a.c", 3},
        {"C:\\v(1)\\a.c(7): (2) x", true, "C:\\v(1)\\a.c", 7},
        {"C:\\a.c(5): ", true, "C:\\a.c", 5},
        {"C:\\dir (x86)\\a.c(12): text", true, "C:\\dir (x86)\\a.c", 12},
        {"C:\\build.log(2): main.c(12): error C2065", true, "C:\\build.log", 2},
        {"C:\\log (1)\\b.log(40): a.c(3): x(4): y", true, "C:\\log (1)\\b.log", 40},
        {"查找完成，共找到'x' 1 次，在1个文件中。所用时间：0.010 秒。", false, "", 0},
        {"Invalid search path: C:\\none", false, "", 0},
        {"Cannot open file: C:\\a (1).c error:1", false, "", 0},
        {"C:\\a.c(): x", false, "", 0},
        {"C:\\a.c(12) x", false, "", 0},
    };
    for (const auto& c : cases) {
        std::string path;
        int line = 0;
        EXPECT_EQ(ParseResultLine(c.text, path, line), c.parsed) << c.text;
        if (!c.parsed) continue;
        EXPECT_EQ(path, c.path) << c.text;
        EXPECT_EQ(line, c.line) << c.text;
    }
}

TEST(ResultLine, FormatRoundTripsAndStaysWithinItsLimit) {
    EXPECT_EQ(FormatResultLine("C:\\a.c", 3, "int x;"), "C:\\a.c(3): int x;");
    const std::string longText(600, 'y');
    const std::string line = FormatResultLine("C:\\a.c", 3, longText.c_str());
    EXPECT_EQ(line.size(), kResultLineMax - 1);
    std::string path;
    int number = 0;
    ASSERT_TRUE(ParseResultLine(line, path, number));
    EXPECT_EQ(path, "C:\\a.c");
    EXPECT_EQ(number, 3);
}

TEST(SearchDefaults, TypesAndFolderFromTheDocumentPath) {
    const struct {
        const char* path;
        const char* types;
        const char* folder;
    } cases[] = {
        {"C:\\src\\main.cpp", "*cpp", "C:\\src"},
        {"C:\\src\\Makefile", "*", "C:\\src"},
        {"C:\\v1.2\\Makefile", "*", "C:\\v1.2"},
        {"C:\\a.tar.gz", "*gz", "C:"},
        {"<新建1>", "*", ""},
        {"main.cpp", "*cpp", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DefaultFileTypes(c.path), c.types) << c.path;
        EXPECT_EQ(DefaultFolder(c.path), c.folder) << c.path;
    }
}

}  // namespace
