// The runner against the fake ctags (faketool\ctags.exe beside the test) in
// its normal, warning, hanging and stalling modes, stopped, with no ctags at all, and
// against the shipped ctags (tool\ctags.exe).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "CtagsRunner.h"
#include "RecordingTagSink.h"
#include "TempFolder.h"

namespace {

const std::string kTags =
    "main\tZ:\\a.c\t3;\"\tf\tline:3\n"
    "Task\tZ:\\a.c\t5;\"\ts\tline:5\n"
    "run\tZ:\\a.c\t6;\"\tm\tline:6\tstruct:Task\n";

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

class CtagsRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder.Write("a.c", "int x;\n");
        m_folder.Write("a.c.tags", kTags);
        m_fake.command = L"faketool\\ctags";
    }
    void TearDown() override { ::SetEnvironmentVariableA("TW_FAKE_CTAGS_MODE", nullptr); }
    bool Run(const char* mode, RecordingTagSink& sink, DWORD* exitCode = nullptr) {
        ::SetEnvironmentVariableA("TW_FAKE_CTAGS_MODE", mode);
        return RunCtags(sink, Wide(m_folder.File("a.c")), TagMask{}, "cpp", m_fake, exitCode);
    }

    TempFolder m_folder;
    CtagsProgram m_fake;
};

}  // namespace

TEST_F(CtagsRunnerTest, ReadsTheWholeOutputOfAnEndedProcess) {
    RecordingTagSink sink;
    DWORD exitCode = 99;
    ASSERT_TRUE(Run("", sink, &exitCode));
    EXPECT_EQ(0u, exitCode);
    ASSERT_EQ(3u, sink.records.size());
    EXPECT_EQ("main", sink.records[0].name);
    EXPECT_EQ("Task", sink.records[2].scope);
    EXPECT_EQ(6, sink.records[2].line);
}

TEST_F(CtagsRunnerTest, AWarningLineCostsNoTag) {
    RecordingTagSink sink;
    ASSERT_TRUE(Run("warn", sink));
    EXPECT_EQ(3u, sink.records.size());
}

TEST_F(CtagsRunnerTest, AProcessStillRunningAfterItsOutputIsEndedWithCode2) {
    RecordingTagSink sink;
    DWORD exitCode = 0;
    const DWORD start = ::GetTickCount();
    EXPECT_FALSE(Run("hang", sink, &exitCode));
    const DWORD took = ::GetTickCount() - start;
    EXPECT_EQ(2u, exitCode);
    EXPECT_GE(took, 900u);
    EXPECT_LT(took, 8000u);
    EXPECT_EQ(3u, sink.records.size());  // what came before stays
}

TEST_F(CtagsRunnerTest, AnOutputThatNeverEndsIsStoppedAtTheDeadline) {
    m_fake.overallMs = 300;
    RecordingTagSink sink;
    DWORD exitCode = 0;
    EXPECT_FALSE(Run("stall", sink, &exitCode));
    EXPECT_EQ(2u, exitCode);
    EXPECT_EQ(3u, sink.records.size());
}

TEST_F(CtagsRunnerTest, AStopEndsARunBeforeItsDeadlineAndEndsOnlyACtagsThatGoesOn) {
    // Without the stop the stalling run would last until the fake's minute ends, and succeed.
    m_fake.overallMs = 120000;
    const struct {
        const char* mode;
        DWORD exitCode;  // 2: ended by the runner
    } cases[] = {{"", 0}, {"stall", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        ::SetEnvironmentVariableA("TW_FAKE_CTAGS_MODE", c.mode);
        const std::atomic<bool> stop{true};
        RecordingTagSink sink;
        DWORD exitCode = 99;
        EXPECT_FALSE(RunCtags(sink, Wide(m_folder.File("a.c")), TagMask{}, "cpp", m_fake, &exitCode, &stop));
        EXPECT_EQ(c.exitCode, exitCode);
    }
}

TEST_F(CtagsRunnerTest, NoCtagsAtAll) {
    m_fake.command = L"nowhere\\ctags";
    RecordingTagSink sink;
    EXPECT_FALSE(Run("", sink));
    EXPECT_TRUE(sink.records.empty());
}

TEST(ShippedCtags, FindsFunctionsAndClassesAtTheirLines) {
    TempFolder folder;
    folder.Write("a.cpp", "#define MAX 3\nclass Job {\npublic:\n  void go() {}\n};\nint main() { return 0; }\n");
    RecordingTagSink sink;
    ASSERT_TRUE(RunCtags(sink, Wide(folder.File("a.cpp")), TagMask{}, "cpp"));
    bool sawJob = false, sawMain = false, sawGo = false;
    for (const TagRecord& r : sink.records) {
        if (r.name == "Job") sawJob = r.category == TagCategory::Class && r.line == 2;
        if (r.name == "main") sawMain = r.category == TagCategory::Function && r.line == 6;
        if (r.name == "go") sawGo = r.scope == "Job" && r.line == 4;
    }
    EXPECT_TRUE(sawJob);
    EXPECT_TRUE(sawMain);
    EXPECT_TRUE(sawGo);
}

TEST(ShippedCtags, KnowsEveryForcedLanguageName) {
    TempFolder folder;
    folder.Write("noext", "x\n");
    const char* lexers[] = {"cpp",  "csharp", "assembler", "cobol",  "eiffel", "erlang",  "fortran",
                            "java", "javascript", "web",   "php",    "phpscript", "lisp", "lua",
                            "makefile", "pascal", "perl",  "python", "plsql",  "ruby",    "shell",
                            "tcl",  "verilog", "vim",      "yacc",   "vhdl"};
    for (const char* lexer : lexers) {
        ASSERT_NE(nullptr, CtagsLanguageOf(lexer)) << lexer;
        RecordingTagSink sink;
        DWORD exitCode = 99;
        EXPECT_TRUE(RunCtags(sink, Wide(folder.File("noext")), TagMask{}, lexer, {}, &exitCode)) << lexer;
        EXPECT_EQ(0u, exitCode) << lexer << " " << CtagsLanguageOf(lexer);
    }
}
