// Macro expansion and template text, with the clock, the document path and
// the user's details handed in, read back from a real PackBuf.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "TemplateMacros.h"

namespace {

struct BufferFree {
    void operator()(PackBuf* buffer) const { ::PackBufFree(buffer); }
};
using Buffer = std::unique_ptr<PackBuf, BufferFree>;

std::vector<std::string> Blocks(PackBuf* buffer) {
    std::vector<std::string> blocks;
    ::DumpPackBuf(
        buffer,
        [](const char* text, int length, void* param, void*) {
            static_cast<std::vector<std::string>*>(param)->emplace_back(text, (size_t)length);
        },
        &blocks, nullptr);
    return blocks;
}

std::string Joined(PackBuf* buffer) {
    std::string all;
    for (const std::string& block : Blocks(buffer)) all += block;
    return all;
}

SYSTEMTIME At(WORD year, WORD month, WORD day, WORD hour, WORD minute) {
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    return time;
}

MacroSources Sources(const std::string& path, std::map<std::string, std::string> user = {}) {
    MacroSources sources;
    sources.path = path;
    sources.now = [] { return At(2008, 8, 8, 9, 9); };
    sources.userValue = [user](const char* key, const char* fallback) {
        auto found = user.find(key);
        return found == user.end() ? std::string(fallback) : found->second;
    };
    return sources;
}

std::string Expand(const std::string& text, const MacroSources& sources) {
    Buffer buffer(::PackBufCreate(4096));
    EXPECT_TRUE(ExpandMacros(buffer.get(), text.c_str(), sources));
    return Joined(buffer.get());
}

TEST(TemplateMacros, TheTableForANamedDocument) {
    const MacroSources sources = Sources("C:\\src\\main.cpp", {{"USER", "Li Lei"}, {"EMAIL", "li@example.com"}});
    const struct {
        const char* text;
        const char* expected;
    } rows[] = {
        {"$(FILE)", "C:\\src\\main.cpp"},
        {"$(FILENAME)", "main.cpp"},
        {"$(FILE_PATH)", "C:\\src"},
        {"$(FILE_BASE)", "main"},
        {"$(FILE_EXT)", "cpp"},
        {"$(UPPER(FILE_EXT))", "CPP"},
        {"$(LOWER(FILENAME))", "main.cpp"},
        {"$(UPPER(FILE))", "C:\\SRC\\MAIN.CPP"},
        {"$(USER)", "Li Lei"},
        {"$(UPPER(USER))", "Li Lei"},
        {"$(LOWER(EMAIL))", "li@example.com"},
        {"$(COMPANY)", "YourCompany"},
        {"$(YEAR)", "2008"},
        {"$(MONTH)", "8"},
        {"$(MONTH_02)", "08"},
        {"$(MONTHNAME)", "Aug"},
        {"$(UPPER(MONTHNAME))", "AUG"},
        {"$(DAY)", "8"},
        {"$(DAY_02)", "08"},
        {"$(HOUR)", "9"},
        {"$(HOUR_02)", "09"},
        {"$(MINUTE)", "9"},
        {"$(DATE)", "2008-08-08"},
        {"$(DATENAME)", "Aug-08-2008"},
        {"by $(USER) on $(DATE).", "by Li Lei on 2008-08-08."},
        {"$(FILE_BASE)$(FILE_EXT)", "maincpp"},
    };
    for (const auto& row : rows) EXPECT_EQ(row.expected, Expand(row.text, sources)) << row.text;
}

TEST(TemplateMacros, FileMacrosOfOtherPaths) {
    const struct {
        const char* path;
        const char* name;
        const char* expected;
    } rows[] = {
        // An untitled document: FILE is its placeholder, the rest empty.
        {"<new>", "FILE", "<new>"},
        {"<new>", "FILENAME", ""},
        {"<new>", "FILE_PATH", ""},
        {"<new>", "FILE_BASE", ""},
        {"<new>", "FILE_EXT", ""},
        // No document at all.
        {"", "FILE", ""},
        {"", "FILE_EXT", ""},
        // A dot in a folder is no extension.
        {"C:\\v1.2\\Makefile", "FILE_EXT", ""},
        {"C:\\v1.2\\Makefile", "FILE_BASE", "Makefile"},
        {"C:\\a\\archive.tar.gz", "FILE_EXT", "gz"},
        {"C:\\a\\archive.tar.gz", "FILE_BASE", "archive.tar"},
        {"C:\\a\\.profile", "FILE_BASE", ""},
        {"C:\\a\\.profile", "FILE_EXT", "profile"},
        // 0x5C as the trail byte of a double-byte character is no folder end.
        {"C:\\\xb1\x5c.txt", "FILENAME", "\xb1\x5c.txt"},
        {"C:\\\xb1\x5c.txt", "FILE_PATH", "C:"},
    };
    for (const auto& row : rows) {
        std::string value = "unset";
        EXPECT_TRUE(ResolveFileMacro(row.name, value, row.path)) << row.name;
        EXPECT_EQ(row.expected, value) << row.path << " " << row.name;
    }
}

TEST(TemplateMacros, TextThatIsNoMacroStaysAsWritten) {
    const MacroSources sources = Sources("C:\\src\\main.cpp");
    const std::string longName(256, 'F');
    const char* rows[] = {
        "abc $(NOSUCH) def",
        "ends in $(FILE",
        "$(file)",
        "$FILE$ and $FILENAME$",
        "$(UPPER(FILE)",          // one ')' where the case form needs two
        "$(UPPER(FILE)x",
        "$(LOWER(NOSUCH))",
        "$()",
        "$(UPPER())",
        "$(FILE )",
        "$",
        "$(",
        "",
    };
    for (const char* text : rows) EXPECT_EQ(text, Expand(text, sources)) << text;
    EXPECT_EQ("$(" + longName + ")", Expand("$(" + longName + ")", sources));
    // 255 characters is still looked up (and unknown here).
    EXPECT_EQ("$(" + longName.substr(1) + ")", Expand("$(" + longName.substr(1) + ")", sources));
    // After text that is no macro, the scan goes on and finds the real one.
    EXPECT_EQ("$(NOSUCH) main.cpp", Expand("$(NOSUCH) $(FILENAME)", sources));
    EXPECT_EQ("$(UPPER(FILE)main", Expand("$(UPPER(FILE)$(FILE_BASE)", sources));
}

TEST(TemplateMacros, DateMacrosReadTheClockForEachMacro) {
    int calls = 0;
    MacroSources sources = Sources("");
    sources.now = [&calls] {
        ++calls;
        return At(2026, 12, 31, 23, 59);
    };
    EXPECT_EQ("2026-12-31 Dec-31-2026 23:59", Expand("$(DATE) $(DATENAME) $(HOUR):$(MINUTE)", sources));
    EXPECT_EQ(4, calls);
}

TEST(TemplateMacros, UserValuesAreCutAtACharacter) {
    // 510 single bytes and a double-byte character: the character cannot be halved.
    const std::string value = std::string(510, 'a') + "\xb0\xa1" + "tail";
    const MacroSources sources = Sources("", {{"USER", value}});
    EXPECT_EQ(std::string(510, 'a'), Expand("$(USER)", sources));
}

TEST(ApplyLetterCase, ChangesLettersOnly) {
    const struct {
        const char* text;
        LetterCase mode;
        const char* expected;
    } rows[] = {
        {"abc-XYZ_09.h", LetterCase::kUpper, "ABC-XYZ_09.H"},
        {"abc-XYZ_09.h", LetterCase::kLower, "abc-xyz_09.h"},
        {"abc-XYZ", LetterCase::kNone, "abc-XYZ"},
        {"@[`{", LetterCase::kUpper, "@[`{"},
        {"@[`{", LetterCase::kLower, "@[`{"},
        // The trail byte 'a' of a double-byte character stays.
        {"\x81\x61z", LetterCase::kUpper, "\x81\x61Z"},
        {"\x81\x41Z", LetterCase::kLower, "\x81\x41z"},
    };
    for (const auto& row : rows) {
        std::string text = row.text;
        ApplyLetterCase(text, row.mode);
        EXPECT_EQ(row.expected, text) << row.text;
    }
}

TEST(TemplateMacros, AnExpansionOverSeveralBlocksKeepsItsOrderAndExactLengths) {
    const MacroSources sources = Sources("C:\\src\\main.cpp");
    std::string text;
    std::string expected;
    for (int i = 0; i < 200; ++i) {
        const std::string number = std::to_string(i);
        text += "line " + number + " $(FILENAME) $(NOSUCH)\n";
        expected += "line " + number + " main.cpp $(NOSUCH)\n";
    }
    Buffer buffer(::PackBufCreate(1024));
    ASSERT_TRUE(ExpandMacros(buffer.get(), text.c_str(), sources));
    const std::vector<std::string> blocks = Blocks(buffer.get());
    EXPECT_GT(blocks.size(), 3u);
    std::string joined;
    for (const std::string& block : blocks) {
        EXPECT_LE(block.size(), 1016u);
        joined += block;
    }
    EXPECT_EQ(expected, joined);
}

TEST(TemplateMacros, AppendExactSplitsAtCharacters) {
    // A piece longer than a block is split, never inside a double-byte character.
    std::string text = "a";
    for (int i = 0; i < 700; ++i) text += "\xb0\xa1";
    Buffer buffer(::PackBufCreate(1024));
    ASSERT_TRUE(AppendExact(buffer.get(), text.data(), text.size()));
    const std::vector<std::string> blocks = Blocks(buffer.get());
    ASSERT_EQ(2u, blocks.size());
    EXPECT_EQ(1015u, blocks[0].size());
    EXPECT_EQ(text, blocks[0] + blocks[1]);
    EXPECT_FALSE(AppendExact(nullptr, "x", 1));
    EXPECT_FALSE(ExpandMacros(nullptr, "x", MacroSources{}));
}

TEST(AppendTemplateText, LinesEndsIndentationAndMacros) {
    const MacroSources sources = Sources("C:\\src\\main.cpp");
    const struct {
        const char* content;
        const char* indentation;
        EolCode mode;
        const char* expected;
    } rows[] = {
        {"a\r\nb\r\nc", "", kEolCrLf, "a\r\nb\r\nc"},
        {"a\r\nb\r\nc", "", kEolCr, "a\rb\rc"},
        {"a\r\nb\r\nc", "", kEolLf, "a\nb\nc"},
        {"a\rb\rc", "", kEolCrLf, "a\r\nb\r\nc"},
        {"a\rb\nc\r\nd", "", kEolLf, "a\nb\nc\nd"},
        // "\n\r" is two line ends: LF, then CR.
        {"a\n\rb", "", kEolLf, "a\n\nb"},
        {"a\n\nb", "\t", kEolLf, "a\n\t\n\tb"},
        {"a\nb\n", "  ", kEolLf, "a\n  b\n"},
        {"a\r\n", "\t", kEolCrLf, "a\r\n"},
        {"one", "\t", kEolLf, "one"},
        {"", "\t", kEolLf, ""},
        {"\n", "\t", kEolLf, "\n"},
        {"if\n$(FILE_BASE)\n", "    ", kEolCrLf, "if\r\n    main\r\n"},
        // The indentation is not expanded, and a macro cannot span two lines.
        {"x\ny", "$(FILE)", kEolLf, "x\n$(FILE)y"},
        {"$(FILE\n_EXT)", "", kEolLf, "$(FILE\n_EXT)"},
    };
    for (const auto& row : rows) {
        Buffer buffer(::PackBufCreate(4096));
        EXPECT_TRUE(AppendTemplateText(buffer.get(), row.content, row.indentation, row.mode, sources)) << row.content;
        EXPECT_EQ(row.expected, Joined(buffer.get())) << row.content;
    }
}

}  // namespace
