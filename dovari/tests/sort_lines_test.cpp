// Sorting a file's lines in place.
#include "dovari.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

using namespace dovari_test;

namespace {

struct SortCase {
    const char* name;
    std::string content;
    std::string expected;
    int lines;
};

TEST(SortFileLines, SortsAsTheTableSays)
{
    const std::string longLine(300, 'z');
    const SortCase cases[] = {
        {"ended lines", "b\na\n", "a\nb\n", 2},
        {"open last line", "b\na", "a\nb", 2},
        {"empty line first", "b\n\na\n", "\na\nb\n", 3},
        {"one line feed", "\n", "\n", 1},
        {"carriage returns stay", "b\r\na\r\n", "a\r\nb\r\n", 2},
        {"prefix first", "ab\na\n", "a\nab\n", 2},
        {"bytes unsigned", "\xe4\na\n", "a\n\xe4\n", 2},
        {"equal lines", "b\na\nb\n", "a\nb\nb\n", 3},
        {"end-of-file byte", "c\n\x1a\nb\na\n", "\x1a\na\nb\nc\n", 4},
        {"long line", longLine + "\na\n" + longLine + "x\nb", "a\nb\n" + longLine + "\n" + longLine + "x", 4},
        {"NUL inside a line", std::string("b\0x\nb\n", 6), std::string("b\nb\0x\n", 6), 2},
    };
    TempFolder tmp;
    for (const auto& c : cases) {
        std::string file = tmp.File("lines.txt");
        WriteFile(file, c.content);
        StdoutCapture out;
        EXPECT_EQ(SortFileLines(file.c_str()), c.lines) << c.name;
        EXPECT_EQ(out.Text(), file + "\n") << c.name;
        EXPECT_EQ(ReadFile(file), c.expected) << c.name;
    }
}

TEST(SortFileLines, EmptyOrMissingFileAnswersZero)
{
    TempFolder tmp;
    WriteFile(tmp.File("empty.txt"), "");
    StdoutCapture out;
    EXPECT_EQ(SortFileLines((tmp.File("empty.txt")).c_str()), 0);
    EXPECT_EQ(SortFileLines((tmp.File("missing.txt")).c_str()), 0);
    EXPECT_EQ(SortFileLines(nullptr), 0);
    EXPECT_EQ(out.Text(), tmp.File("empty.txt\n") + tmp.File("missing.txt\n"));
    EXPECT_EQ(ReadFile(tmp.File("empty.txt")), "");
}

} // namespace
