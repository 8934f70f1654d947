// The scan of one buffer: line numbers, letter case, whole words, the line
// text shown, and never a byte read past the buffer.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "CharClass.h"
#include "RecordingSink.h"
#include "ResultLine.h"
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

// The scan as it was first written, one candidate position at a time: the
// fast scan must report exactly what this one does.
std::vector<std::string> ByteByByteScan(const std::string& data, const std::string& pattern, uint32_t mask) {
    std::vector<std::string> out;
    const size_t n = pattern.size();
    if (n == 0 || data.size() < n) return out;
    unsigned char cls[256];
    FillCharClassTable(cls);
    const auto fold = [mask](unsigned char c) {
        return (!(mask & kCase) && c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
    };
    const auto* b = reinterpret_cast<const unsigned char*>(data.data());
    int line = 1;
    size_t lineStart = 0;
    for (size_t pos = 0; pos + n <= data.size(); ++pos) {
        if (b[pos] == '\n') {
            ++line;
            lineStart = pos + 1;
            continue;
        }
        size_t k = 0;
        while (k < n && fold(b[pos + k]) == fold(static_cast<unsigned char>(pattern[k]))) ++k;
        if (k < n) continue;
        if (mask & kWord) {
            const unsigned char first = cls[b[pos]], last = cls[b[pos + n - 1]];
            if (first < 2 || last < 2) continue;
            if (pos > 0 && cls[b[pos - 1]] == first) continue;
            if (pos + n < data.size() && cls[b[pos + n]] == last) continue;
        }
        std::string text;
        for (size_t j = lineStart; j < data.size() && text.size() < kResultTextMax; ++j) {
            if (data[j] == '\r' || data[j] == '\n') break;
            text += data[j];
        }
        out.push_back(FormatResultLine("p", line, text.c_str()));
    }
    return out;
}

TEST(SearchBuffer, FastScanReportsWhatTheByteByByteScanDoes) {
    const char alphabet[] = {'a', 'b', 'A', 'B', '\n', '\r', ' ', '_', '.', '\xD6'};
    unsigned seed = 20;
    const auto next = [&seed](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % range;
    };
    for (int round = 0; round < 3000; ++round) {
        std::string data(next(300), ' '), pattern(1 + next(4), ' ');
        for (char& c : data) c = alphabet[next(sizeof(alphabet))];
        for (char& c : pattern) c = alphabet[next(sizeof(alphabet))];
        if (round % 50 == 0) data.insert(next(static_cast<unsigned>(data.size()) + 1), std::string(300, 'a'));
        const uint32_t mask = next(4);
        RecordingSink sink;
        BufferSearch search{pattern, mask, &sink, 0};
        SearchBuffer(search, data.data(), "p", data.size());
        ASSERT_EQ(sink.lines, ByteByByteScan(data, pattern, mask)) << "round " << round;
        ASSERT_EQ(search.hits, static_cast<int>(sink.lines.size()));
    }
}

}  // namespace
