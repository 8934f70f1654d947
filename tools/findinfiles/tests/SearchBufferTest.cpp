// The scan of one buffer: line numbers, letter case, whole words, the line
// text shown, and never a byte read past the buffer.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "RecordingSink.h"
#include "SearchBuffer.h"

namespace {

constexpr uint32_t kWord = 0x1, kCase = 0x2;

struct Case {
    const char* name;
    std::string bytes;
    std::string pattern;
    uint32_t mask;
    std::vector<std::string> lines;  // "line: text"
};

std::string Long(char c, size_t n) { return std::string(n, c); }

// "2: text" as the pane shows it for path "p".
std::string InPane(const std::string& line) {
    const size_t colon = line.find(':');
    return "p(" + line.substr(0, colon) + ")" + line.substr(colon);
}

std::vector<Case> Cases() {
    return {
        {"two lines", "xab\nab\n", "ab", 0, {"1: xab", "2: ab"}},
        {"overlapping", "aaaa", "aa", 0, {"1: aaaa", "1: aaaa", "1: aaaa"}},
        {"case off", "foo FOO Foo", "Foo", 0, {"1: foo FOO Foo", "1: foo FOO Foo", "1: foo FOO Foo"}},
        {"case on", "foo FOO Foo", "Foo", kCase, {"1: foo FOO Foo"}},
        {"CR does not count lines", "ab\rab\rab", "ab", 0, {"1: ab", "1: ab", "1: ab"}},
        {"CRLF", "x\r\nab\r\n", "ab", 0, {"2: ab"}},
        {"long line cut", Long('z', 300) + "ab\nab", "ab", 0, {"1: " + Long('z', 256), "2: ab"}},
        {"word in punctuation", "foo.bar (foo)", "foo", kWord, {"1: foo.bar (foo)", "1: foo.bar (foo)"}},
        {"word at both ends", "foo x foo", "foo", kWord, {"1: foo x foo", "1: foo x foo"}},
        {"not inside words", "foobar foo_bar xfoo", "foo", kWord, {}},
        {"word off finds all", "foobar foo_bar", "foo", 0, {"1: foobar foo_bar", "1: foobar foo_bar"}},
        {"leading blank never a word", "a foo b", " foo", kWord, {}},
        {"bytes above 127 are word characters", "\xD6\xD0" "foo", "foo", kWord, {}},
        {"pattern longer than buffer", "ab", "abc", 0, {}},
        {"empty pattern", std::string("a\0b", 3), "", 0, {}},
        {"regular expression characters are plain", "a.c abc", "a.c", 0x4, {"1: a.c abc"}},
    };
}

TEST(SearchBuffer, TableOfCases) {
    for (const Case& c : Cases()) {
        RecordingSink sink;
        BufferSearch search{c.pattern, c.mask, &sink, 0};
        const bool found = SearchBuffer(search, c.bytes.data(), "p", c.bytes.size());
        std::vector<std::string> expected;
        for (const std::string& line : c.lines) expected.push_back(InPane(line));
        EXPECT_EQ(sink.lines, expected) << c.name;
        EXPECT_EQ(search.hits, static_cast<int>(c.lines.size())) << c.name;
        EXPECT_EQ(found, !c.lines.empty()) << c.name;
    }
}

TEST(SearchBuffer, HitsAddUpOverBuffers) {
    RecordingSink sink;
    BufferSearch search{"ab", 0, &sink, 0};
    EXPECT_TRUE(SearchBuffer(search, "ab", "a", 2));
    EXPECT_FALSE(SearchBuffer(search, "xy", "b", 2));
    EXPECT_TRUE(SearchBuffer(search, "ab ab", "c", 5));
    EXPECT_EQ(search.hits, 3);
}

// A buffer that ends at a page followed by no access at all: a last line
// without a line end, and any pattern (the empty one too), stay inside it.
TEST(SearchBuffer, NeverReadsPastTheBuffer) {
    SYSTEM_INFO info{};
    ::GetSystemInfo(&info);
    const size_t page = info.dwPageSize;
    char* base = static_cast<char*>(::VirtualAlloc(nullptr, 2 * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    ASSERT_TRUE(base);
    DWORD old = 0;
    ASSERT_TRUE(::VirtualProtect(base + page, page, PAGE_NOACCESS, &old));
    memset(base, 'x', page);
    memcpy(base + page - 4, "\nfoo", 4);  // the last line has no line end
    const struct {
        const char* pattern;
        uint32_t mask;
        size_t lines;
    } cases[] = {{"foo", kWord, 1}, {"o", 0, 2}, {"", 0, 0}};
    for (const auto& c : cases) {
        RecordingSink sink;
        BufferSearch search{c.pattern, c.mask, &sink, 0};
        SearchBuffer(search, base, "p", page);
        ASSERT_EQ(sink.lines.size(), c.lines) << c.pattern;
        if (c.lines) {
            EXPECT_EQ(sink.lines[0], "p(2): foo") << c.pattern;
        }
    }
    ::VirtualFree(base, 0, MEM_RELEASE);
}

}  // namespace
