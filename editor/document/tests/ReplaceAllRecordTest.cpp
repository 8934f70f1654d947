// The compact record of a plain Replace All: what goes in comes out, and
// where undoing and redoing one by one would leave the caret.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReplaceAllRecord.h"

namespace {

struct Given {
    int64_t start;
    std::string text;
};

std::vector<Given> Read(const CReplaceAllRecord& record) {
    std::vector<Given> out;
    record.ForEach([&](const CReplaceAllRecord::Match& m) {
        EXPECT_EQ(static_cast<size_t>(m.length), m.original.size());
        out.push_back({m.start, std::string(m.original)});
    });
    return out;
}

TEST(ReplaceAllRecord, GivesBackEveryMatchWithItsOwnText) {
    // Gaps at the edges of one, two and many bytes of the encoding, matches
    // that touch, and texts of another case or another length.
    const std::vector<Given> matches = {
        {0, "value"},       {5, "Value"},          {68, "value"},   {137, "VALUE"},
        {270, "value"},     {16654, "value"},      {16659, "v"},    {(int64_t(1) << 40), "valu\xC3\xA9x"},
        {(int64_t(1) << 40) + 200, "value"},
    };
    CReplaceAllRecord record("value", "amount");
    for (const Given& m : matches) record.Add(m.start, static_cast<int64_t>(m.text.size()), m.text.data());
    record.Trim();
    const std::vector<Given> read = Read(record);
    ASSERT_EQ(matches.size(), read.size());
    int64_t growth = 0;
    for (size_t i = 0; i < matches.size(); ++i) {
        EXPECT_EQ(matches[i].start, read[i].start) << i;
        EXPECT_EQ(matches[i].text, read[i].text) << i;
        growth += 6 - static_cast<int64_t>(matches[i].text.size());
    }
    EXPECT_EQ(matches.size(), record.Count());
    EXPECT_EQ(growth, record.Growth());
}

TEST(ReplaceAllRecord, AMatchLikeTheSearchTextCostsAByteWhenClose) {
    CReplaceAllRecord record("value", "amount");
    const size_t empty = record.Size();
    constexpr int kMatches = 100000;
    for (int i = 0; i < kMatches; ++i) record.Add(int64_t(i) * 30, 5, "value");
    record.Trim();
    EXPECT_EQ(empty + kMatches, record.Size());
}

TEST(ReplaceAllRecord, CaretsAsOneByOne) {
    const struct {
        const char* replacement;
        std::vector<int64_t> starts;  // matches of "ab"
        int64_t undoCaret, redoCaret;
    } table[] = {
        // After the first match's text; after the last replacement.
        {"xyz", {0, 2, 4, 10}, 2, 12 + 4},
        {"x", {3, 9}, 5, 11 - 2},
        // An empty replacement: removals that touch the first join in one.
        {"", {0, 2, 4, 10}, 6, 12 - 8},
        {"", {1, 4, 6}, 3, 8 - 6},
        {"", {7}, 9, 7},
    };
    for (const auto& row : table) {
        CReplaceAllRecord record("ab", row.replacement);
        for (int64_t start : row.starts) record.Add(start, 2, "ab");
        EXPECT_EQ(row.undoCaret, record.UndoCaret()) << row.replacement << " " << row.starts.size();
        EXPECT_EQ(row.redoCaret, record.RedoCaret()) << row.replacement << " " << row.starts.size();
    }
}

}  // namespace
