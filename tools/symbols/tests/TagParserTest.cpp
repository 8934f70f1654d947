// ctags output lines as the shipped ctags writes them, parsed whole, cut
// between reads at every offset, and mixed with lines that are no tags.
#include <gtest/gtest.h>

#include <string>

#include "CtagsRunner.h"
#include "RecordingTagSink.h"
#include "TagParser.h"

namespace {

// Recorded from the shipped ctags over a small C++ file (CR LF line ends).
const std::string kOutput =
    "!_TAG_FILE_FORMAT\t2\t/extended format/\r\n"
    "Job\tZ:\\t\\a.cpp\t5;\"\tc\tline:5\tfile:\r\n"
    "MAX\tZ:\\t\\a.cpp\t6;\"\td\tline:6\tfile:\r\n"
    "Task\tZ:\\t\\a.cpp\t2;\"\ts\tline:2\tfile:\r\n"
    "main\tZ:\\t\\a.cpp\t3;\"\tf\tline:3\r\n"
    "run\tZ:\\t\\a.cpp\t8;\"\tf\tline:8\tclass:Task\r\n"
    "run\tZ:\\t\\a.cpp\t3;\"\tp\tline:3\tstruct:Task\tfile:\r\n"
    "x\tZ:\\t\\a.cpp\t5;\"\tm\tline:5\tclass:Job\tfile:\r\n";

struct Expected {
    const char* name;
    TagCategory category;
    const char* scope;
    int line;
};
const Expected kExpected[] = {
    {"Job", TagCategory::Class, "", 5},       {"MAX", TagCategory::Macro, "", 6},
    {"Task", TagCategory::Structure, "", 2},  {"main", TagCategory::Function, "", 3},
    {"run", TagCategory::Function, "Task", 8}, {"run", TagCategory::Prototype, "Task", 3},
    {"x", TagCategory::Member, "Job", 5},
};

void ExpectAll(const RecordingTagSink& sink) {
    ASSERT_EQ(std::size(kExpected), sink.records.size());
    for (size_t i = 0; i < sink.records.size(); ++i) {
        SCOPED_TRACE(kExpected[i].name);
        EXPECT_EQ(kExpected[i].name, sink.records[i].name);
        EXPECT_EQ(kExpected[i].category, sink.records[i].category);
        EXPECT_EQ(kExpected[i].scope, sink.records[i].scope);
        EXPECT_EQ(kExpected[i].line, sink.records[i].line);
        EXPECT_EQ(1, sink.kinds[i]);
    }
}

}  // namespace

TEST(TagParser, RecordedLinesGiveTheirSymbols) {
    RecordingTagSink sink;
    CTagLineParser parser(sink, "cpp");
    parser.Feed(kOutput.data(), kOutput.size());
    parser.Finish();
    ExpectAll(sink);
}

TEST(TagParser, EveryCutBetweenTwoReadsGivesTheSameRecords) {
    for (size_t cut = 0; cut <= kOutput.size(); ++cut) {
        SCOPED_TRACE(cut);
        RecordingTagSink sink;
        CTagLineParser parser(sink, "cpp");
        parser.Feed(kOutput.data(), cut);
        parser.Feed(kOutput.data() + cut, kOutput.size() - cut);
        parser.Finish();
        ExpectAll(sink);
    }
}

TEST(TagParser, ByteByByteAndWithLfOnly) {
    std::string lf;
    for (char c : kOutput)
        if (c != '\r') lf += c;
    RecordingTagSink sink;
    CTagLineParser parser(sink, "cpp");
    for (char c : lf) parser.Feed(&c, 1);
    parser.Finish();
    ExpectAll(sink);
}

TEST(TagParser, LinesThatAreNoTagsCostOnlyThemselves) {
    const std::string text =
        "main\tZ:\\a.c\t3;\"\tf\tline:3\r\n"
        "ctags.exe: Warning: ignoring null tag in Z:\\a.c\r\n"
        "broken\tZ:\\a.c\tno address here\r\n"
        "\r\n"
        "late\tZ:\\a.c\t9;\"\tv\tline:9\r\n";
    RecordingTagSink sink;
    CTagLineParser parser(sink, "cpp");
    parser.Feed(text.data(), text.size());
    parser.Finish();
    ASSERT_EQ(2u, sink.records.size());
    EXPECT_EQ("late", sink.records[1].name);
    EXPECT_EQ(TagCategory::Variable, sink.records[1].category);
    EXPECT_EQ(9, sink.records[1].line);
}

TEST(TagParser, NothingCarriesOverFromTheLineBefore) {
    // No kind letter and no "line:" field: unknown, and the address's line.
    const std::string text = "a\tf.c\t4;\"\tf\tline:4\r\nb\tf.c\t7;\"\r\n";
    RecordingTagSink sink;
    CTagLineParser parser(sink, "cpp");
    parser.Feed(text.data(), text.size());
    ASSERT_EQ(2u, sink.records.size());
    EXPECT_EQ(TagCategory::Unknown, sink.records[1].category);
    EXPECT_EQ(7, sink.records[1].line);
}

TEST(TagParser, SearchPatternAddress) {
    TagRecord record;
    const std::string line = "main\tf.c\t/^int main(void)$/;\"\tf\tline:12";
    ASSERT_TRUE(CTagLineParser::ParseLine("cpp", line.data(), line.size(), record));
    EXPECT_EQ("int main(void)", record.pattern);
    EXPECT_EQ(12, record.line);
    EXPECT_EQ(TagCategory::Function, record.category);
}

TEST(TagParser, LineLongerThanTheCarryAreaIsDroppedAlone) {
    RecordingTagSink sink;
    CTagLineParser parser(sink, "cpp");
    const std::string huge(CTagLineParser::kCarrySize + 10, 'x');
    parser.Feed(huge.data(), huge.size());
    const std::string rest = "\tf.c\t1;\"\tf\r\nok\tf.c\t2;\"\tf\r\n";
    parser.Feed(rest.data(), rest.size());
    ASSERT_EQ(1u, sink.records.size());
    EXPECT_EQ("ok", sink.records[0].name);
}

TEST(TagParser, MaskDropsCategories) {
    RecordingTagSink sink;
    TagMask mask;
    mask.low &= ~(1u << static_cast<int>(TagCategory::Macro));
    CTagLineParser parser(sink, "cpp", mask);
    parser.Feed(kOutput.data(), kOutput.size());
    EXPECT_EQ(std::size(kExpected) - 1, sink.records.size());
}

TEST(TagTables, KindLetters) {
    const struct {
        const char* lexer;
        const char* kind;
        TagCategory category;
    } cases[] = {
        {"csharp", "f", TagCategory::Member},   {"sql", "T", TagCategory::Trigger},
        {"cpp", "F", TagCategory::FileName},     {"cpp", "f", TagCategory::Function},
        {"python", "c", TagCategory::Class},     {"vhdl", "m", TagCategory::Process},
        {"cpp", "_", TagCategory::Unknown},      {"cpp", "~", TagCategory::Unknown},
        {"cpp", "`", TagCategory::Unknown},      {"cpp", "\xE9", TagCategory::Unknown},
        {"cpp", "fx", TagCategory::Unknown},     {"cpp", "", TagCategory::Unknown},
        {"java", "d", TagCategory::Unknown},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.lexer) + " " + c.kind);
        EXPECT_EQ(c.category, TagCategoryOfKind(c.lexer, c.kind));
    }
    EXPECT_EQ(TagCategoryImage(TagCategory::Unknown), TagCategoryImage(static_cast<TagCategory>(99)));
}

TEST(CtagsCommandLine, ForcesTheLanguageOnlyForNamesWithoutAnExtension) {
    const struct {
        const wchar_t* path;
        const char* lexer;
        bool forced;
    } cases[] = {
        {L"C:\\src\\pyscript", "python", true},  {L"C:\\a.b\\pyscript", "python", true},
        {L"C:\\t\\x.tmp", "cpp", true},           {L"C:\\t\\x.TMP", "cpp", true},
        {L"C:\\t\\x.tmp1", "cpp", true},          {L"C:\\t\\x.py", "python", false},
        {L"C:\\t\\x.tm", "cpp", false},           {L"C:\\t\\README", "props", false},
        {L"C:\\t\\README", "", false},
    };
    for (const auto& c : cases) {
        const std::wstring line = BuildCtagsCommandLine(L"tool\\ctags", c.path, c.lexer);
        EXPECT_EQ(c.forced, line.find(L"--language-force=") != std::wstring::npos) << c.lexer;
        EXPECT_NE(std::wstring::npos, line.find(L" -n --fields=fkns -f - \"" + std::wstring(c.path) + L"\""));
    }
    EXPECT_EQ(L"tool\\ctags --language-force=Python -n --fields=fkns -f - \"C:\\s\\run\"",
              BuildCtagsCommandLine(L"tool\\ctags", L"C:\\s\\run", "python"));
}
