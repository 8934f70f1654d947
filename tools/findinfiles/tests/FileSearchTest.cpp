// A whole search over real folders: which files are read, the lines for
// files that cannot be read or a folder that is not there, the summary and
// the counts, and stopping.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "FindInFilesSearch.h"
#include "RecordingSink.h"
#include "TempFolder.h"

namespace {

constexpr uint32_t kSubfolders = 0x80;
const char kSummary[] = "done '%s' %d %d %0.3f";
const char kSkipped[] = " skipped %d";

class FileSearchTest : public ::testing::Test {
protected:
    void Folder(const std::string& name) const { ::CreateDirectoryA(m_root.File(name).c_str(), nullptr); }
    void Write(const std::string& name, const std::string& content) const { m_root.Write(name, content); }
    std::string Path(const std::string& name) const { return m_root.File(name); }

    // The result lines in a fixed order (the walk keeps the platform's);
    // the summary, when there is one, is kept apart.
    FindInFilesCounts Search(const std::string& text, uint32_t mask = kSubfolders, const std::string& types = "",
                             std::string folder = "") {
        FindInFilesRequest request{text, types, folder.empty() ? m_root.Path() : folder, mask, kSummary, kSkipped};
        RecordingSink sink;
        const FindInFilesCounts counts = RunFindInFiles(request, sink, m_stop);
        m_summary.clear();
        if (!sink.lines.empty() && sink.lines.back().rfind("done ", 0) == 0) {
            m_summary = sink.lines.back();
            sink.lines.pop_back();
        }
        m_lines = sink.lines;
        std::sort(m_lines.begin(), m_lines.end());
        return counts;
    }
    std::string Line(const std::string& name, int line, const std::string& text) const {
        return Path(name) + "(" + std::to_string(line) + "): " + text;
    }

    TempFolder m_root;
    std::atomic<bool> m_stop{false};
    std::vector<std::string> m_lines;
    std::string m_summary;
};

TEST_F(FileSearchTest, LinesCountsAndSummary) {
    Write("a.txt", "xab\nab\n");
    Write("b.txt", "nothing here");
    const FindInFilesCounts counts = Search("ab");
    EXPECT_EQ(m_lines, (std::vector<std::string>{Line("a.txt", 1, "xab"), Line("a.txt", 2, "ab")}));
    EXPECT_EQ(counts.hits, 2);
    EXPECT_EQ(counts.files, 1);
    EXPECT_EQ(m_summary.rfind("done 'ab' 2 1 ", 0), 0u) << m_summary;
    EXPECT_EQ(m_summary.find("skipped"), std::string::npos) << "nothing skipped, nothing said";
}

TEST_F(FileSearchTest, AFileOfOnePageWhoseLastLineHasNoLineEnd) {
    std::string content(4096, 'x');
    content.replace(4096 - 8, 8, "\nfind me");
    Write("page.txt", content);
    const FindInFilesCounts counts = Search("me", 0x1);
    EXPECT_EQ(m_lines, (std::vector<std::string>{Line("page.txt", 2, "find me")}));
    EXPECT_EQ(counts.files, 1);
}

TEST_F(FileSearchTest, SizeLimitsDecideWhichFilesAreRead) {
    std::string limit(kLargestSearchedFile, 'x');
    limit.replace(0, 4, "hit\n");
    Write("limit.txt", limit);
    Write("over.txt", limit + "x");
    Write("empty.txt", "");
    const FindInFilesCounts counts = Search("hit");
    EXPECT_EQ(m_lines, (std::vector<std::string>{Line("limit.txt", 1, "hit")}));
    EXPECT_EQ(counts.files, 1);
    // The file over the limit is counted in the summary; the empty one is not.
    EXPECT_EQ(counts.skipped, 1);
    EXPECT_EQ(m_summary.substr(m_summary.size() - 10), " skipped 1") << m_summary;
    EXPECT_EQ(Search("").files, 0) << "an empty pattern matches nothing";
}

TEST_F(FileSearchTest, DotNamesTypesAndSubfolders) {
    Folder("sub");
    Folder(".hidden");
    Write("top.c", "hit");
    Write("top.txt", "hit");
    Write(".dot.c", "hit");
    Write("sub\\deep.c", "hit");
    Write(".hidden\\inner.c", "hit");
    const struct {
        uint32_t mask;
        const char* types;
        std::vector<std::string> files;
    } cases[] = {
        {kSubfolders, "", {"sub\\deep.c", "top.c", "top.txt"}},
        {0, "", {"top.c", "top.txt"}},
        {kSubfolders, "*.c", {"sub\\deep.c", "top.c"}},
        {kSubfolders, " \t*.txt;*.none", {"top.txt"}},
        {0, "   ", {"top.c", "top.txt"}},
    };
    for (const auto& c : cases) {
        Search("hit", c.mask, c.types);
        std::vector<std::string> expected;
        for (const std::string& name : c.files) expected.push_back(Line(name, 1, "hit"));
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(m_lines, expected) << c.mask << " '" << c.types << "'";
    }
}

TEST_F(FileSearchTest, AFolderThatIsNotThereGivesOneLineAndNoSummary) {
    for (const std::string& folder : {std::string(" \t "), Path("missing")}) {
        RecordingSink sink;
        FindInFilesRequest request{"x", "", folder, 0, kSummary};
        RunFindInFiles(request, sink, m_stop);
        const std::string shown = folder == Path("missing") ? folder : "";
        EXPECT_EQ(sink.lines, (std::vector<std::string>{"Invalid search path: " + shown}));
    }
}

TEST_F(FileSearchTest, AFileThatCannotBeOpenedIsReportedAndTheSearchGoesOn) {
    Write("locked.txt", "hit");
    Write("open.txt", "hit");
    HANDLE locked = ::CreateFileA(Path("locked.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    const FindInFilesCounts counts = Search("hit");
    ::CloseHandle(locked);
    EXPECT_EQ(m_lines, (std::vector<std::string>{Line("open.txt", 1, "hit"),
                                                 "Cannot open file: " + Path("locked.txt") + " error:1"}));
    EXPECT_EQ(counts.files, 1);
    EXPECT_FALSE(m_summary.empty());
}

// A file another program writes while sharing it (a log, say) is still
// searched; only one that refuses every sharing is reported.
TEST_F(FileSearchTest, AFileOpenForWritingWithSharingIsSearched) {
    Write("log.txt", "hit");
    HANDLE writer = ::CreateFileA(Path("log.txt").c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    const FindInFilesCounts counts = Search("hit");
    ::CloseHandle(writer);
    EXPECT_EQ(m_lines, (std::vector<std::string>{Line("log.txt", 1, "hit")}));
    EXPECT_EQ(counts.files, 1);
}

// Several readers give exactly what one thread gives, line for line and in
// the walk's order, over a tree of nested folders with files of many
// matches, files of none, one too large and one that cannot be opened.
TEST_F(FileSearchTest, ThreadedReadersGiveOneThreadsLinesInItsOrder) {
    std::string many;
    for (int i = 0; i < 300; ++i) many += "a hit and another hit\n";
    for (int folder = 0; folder < 6; ++folder) {
        std::string path = "d" + std::to_string(folder);
        Folder(path);
        if (folder % 2) {
            path += "\\inner";
            Folder(path);
        }
        for (int file = 0; file < 50; ++file) {
            const int kind = (folder * 50 + file) % 7;
            Write(path + "\\f" + std::to_string(file) + ".txt",
                  kind == 0 ? many : kind < 3 ? "one hit here\n" : "nothing to find\n");
        }
    }
    Write("d2\\large.txt", std::string(kLargestSearchedFile + 1, 'x'));
    Write("d3\\inner\\locked.txt", "hit");
    HANDLE locked = ::CreateFileA(Path("d3\\inner\\locked.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    auto run = [&](int readers, FindInFilesCounts& counts) {
        FindInFilesRequest request{"hit", "", m_root.Path(), kSubfolders, "done '%s' %d %d", kSkipped, readers};
        RecordingSink sink;
        counts = RunFindInFiles(request, sink, m_stop);
        return sink.lines;
    };
    FindInFilesCounts one;
    const std::vector<std::string> expected = run(1, one);
    ASSERT_GT(one.hits, 300 * 2 * 40);
    EXPECT_EQ(one.skipped, 1);
    EXPECT_EQ(std::count(expected.begin(), expected.end(), "Cannot open file: " + Path("d3\\inner\\locked.txt") +
                                                               " error:1"),
              1);
    for (int readers : {2, 4, 8}) {
        FindInFilesCounts counts;
        EXPECT_EQ(run(readers, counts), expected) << readers << " readers";
        EXPECT_EQ(counts.hits, one.hits);
        EXPECT_EQ(counts.files, one.files);
        EXPECT_EQ(counts.skipped, one.skipped);
    }
    ::CloseHandle(locked);
}

// Folds every line into one value that changes with any line or its place,
// so that a search of a hundred thousand lines compares without keeping
// them. Its first line waits a while, so that the readers run ahead of it.
struct DigestSink : IFindResultSink {
    uint64_t digest = 1469598103934665603ull;
    int lines = 0;
    void AddResultLine(const char* path, int line, const char* text) override {
        if (lines == 0) ::Sleep(200);
        Add(FormatResultLine(path, line, text));
    }
    void AddText(const char* text) override { Add(text); }
    void Add(const std::string& text) {
        for (unsigned char c : text) digest = (digest ^ c) * 1099511628211ull;
        digest = (digest ^ '\n') * 1099511628211ull;
        ++lines;
    }
};

// Lines held back for files after the next one past the readers' budget
// (32 MB) make those readers wait, and still come through whole and in the
// walk's order once the lines before them are handed on.
TEST_F(FileSearchTest, ReadersHeldForTheirLinesGiveOneThreadsLines) {
    std::string line(256, 'x');
    line.replace(0, 3, "hit");
    line.back() = '\n';
    std::string full;
    while (full.size() + line.size() <= kLargestSearchedFile) full += line;
    for (int file = 0; file < 40; ++file) Write("f" + std::to_string(file) + ".txt", full);
    auto run = [&](int readers) {
        FindInFilesRequest request{"hit", "", m_root.Path(), kSubfolders, "done '%s' %d %d", kSkipped, readers};
        DigestSink sink;
        const FindInFilesCounts counts = RunFindInFiles(request, sink, m_stop);
        EXPECT_EQ(counts.files, 40) << readers << " readers";
        return std::make_pair(sink.lines, sink.digest);
    };
    const auto one = run(1);
    ASSERT_GT(one.first, 40 * 4000);
    EXPECT_EQ(run(4), one);
}

TEST_F(FileSearchTest, AStoppedSearchReadsNoMoreFilesAndWritesNoSummary) {
    Write("a.txt", "hit");
    m_stop = true;
    for (int readers : {1, 4}) {
        FindInFilesRequest request{"hit", "", m_root.Path(), kSubfolders, kSummary, kSkipped, readers};
        RecordingSink sink;
        const FindInFilesCounts counts = RunFindInFiles(request, sink, m_stop);
        EXPECT_TRUE(sink.lines.empty()) << readers << " readers";
        EXPECT_EQ(counts.files, 0);
    }
}

// The tree of tests/support/make-link-loop.sh: a\b\up leads back to a and
// c leads to a, which is walked before it.
TEST_F(FileSearchTest, ALinkLoopEndsWithEachRealFileSearchedOnce) {
    const char* tree = std::getenv("TW_LINK_LOOP_TREE");
    ASSERT_TRUE(tree) << "TW_LINK_LOOP_TREE is set by the test's fixture";
    const std::string root = tree;
    const FindInFilesCounts counts = Search("hit", kSubfolders, "", root);
    EXPECT_EQ(m_lines, (std::vector<std::string>{root + "\\a\\b\\f2.txt(1): hit", root + "\\a\\f1.txt(1): hit",
                                                 root + "\\top.txt(1): hit"}));
    EXPECT_EQ(counts.files, 3);
    EXPECT_FALSE(m_summary.empty());
}

}  // namespace
