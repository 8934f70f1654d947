// The chosen paths of the open dialog, from its buffer and its name box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileSelection.h"

namespace {

using Paths = std::vector<std::string>;

TEST(FileSelection, PathsFromTheBuffer) {
    const struct {
        const char* name;
        std::string buffer;
        bool multiSelect;
        Paths paths;
    } rows[] = {
        {"three names", std::string("C:\\d\0a\0b\0c\0\0", 14), true, {"C:\\d\\a", "C:\\d\\b", "C:\\d\\c"}},
        {"folder ending in a backslash", std::string("C:\\\0a\0b\0\0", 9), true, {"C:\\a", "C:\\b"}},
        {"one file", std::string("C:\\d\\a.txt\0\0", 12), true, {"C:\\d\\a.txt"}},
        {"no multiple selection", std::string("C:\\d\\a.txt\0", 11), false, {"C:\\d\\a.txt"}},
        {"empty", std::string("\0\0", 2), true, {}},
    };
    for (const auto& row : rows) EXPECT_EQ(PathsFromBuffer(row.buffer.data(), row.multiSelect), row.paths) << row.name;
}

TEST(FileSelection, PathsFromTheNameBox) {
    const struct {
        const char* name;
        const char* folder;
        const char* selection;
        Paths paths;
    } rows[] = {
        {"quoted", "C:\\d", "\"a\" \"b\" \"c\"", {"C:\\d\\a", "C:\\d\\b", "C:\\d\\c"}},
        {"Wine's trailing blank", "C:\\d", "\"a\" \"b\" \"c\" ", {"C:\\d\\a", "C:\\d\\b", "C:\\d\\c"}},
        {"one unquoted name", "C:\\d\\", "  my file.txt ", {"C:\\d\\my file.txt"}},
        {"absolute name", "C:\\d", "\"E:\\x.txt\" \"y\"", {"E:\\x.txt", "C:\\d\\y"}},
        {"unclosed quote", "C:\\d", "\"a\" \"b", {"C:\\d\\a"}},
        {"blank", "C:\\d", "   ", {}},
    };
    for (const auto& row : rows) EXPECT_EQ(PathsFromSelection(row.folder, row.selection), row.paths) << row.name;
}

}  // namespace
