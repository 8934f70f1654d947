// The cabinet check over real packages (written by gcab) and over copies
// of one with a single fault put in: each fault is found before anything is
// unpacked.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "CabinetCheck.h"

using namespace vantrel;

namespace {

std::string Fixture(const char* name) {
    std::ifstream in(std::string(UPDATER_FIXTURES_DIR) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put32(std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

TEST(CabinetCheck, ASoundPackageListsItsEntries) {
    const CabinetCheck check = CheckCabinet(Fixture("good.cab"));
    ASSERT_EQ(check.fault, kCabinetSound);
    ASSERT_EQ(check.entries.size(), 4u);
    EXPECT_EQ(check.entries[0].name, "lib.dll");
    EXPECT_EQ(check.entries[0].size, std::string("new library").size());
    EXPECT_EQ(check.entries[1].name, "data\\a.txt");
    EXPECT_EQ(check.entries[3].name, "marker.exe");
    EXPECT_TRUE(check.entries[3].attributes & 0x40) << "marked to run";
}

TEST(CabinetCheck, EachFaultIsFound) {
    const std::string good = Fixture("good.cab");
    ASSERT_GT(good.size(), 1000u);
    // Cut, with the header's size made to agree: a block now runs past the end.
    std::string cut = good.substr(0, good.size() - 100);
    Put32(cut, 8, static_cast<uint32_t>(cut.size()));
    std::string spans = good;
    spans[30] = 0x02;  // "continues in the next cabinet"
    std::string notCab = good;
    notCab[0] = 'X';
    std::string longer = good + "tail";
    struct Case {
        const char* what;
        std::string bytes;
        CabinetFault fault;
    } cases[] = {
        {"empty", "", kNotACabinet},
        {"an error page", "<html>not found</html>\n", kNotACabinet},
        {"no signature", notCab, kNotACabinet},
        {"truncated file", Fixture("truncated.cab"), kCabinetSizeDiffers},
        {"bytes after the end", longer, kCabinetSizeDiffers},
        {"cut with a matching size", cut, kCabinetCutShort},
        {"damaged last block", Fixture("damaged.cab"), kCabinetBadChecksum},
        {"spans cabinets", spans, kCabinetSpans},
    };
    for (const Case& c : cases) {
        const CabinetCheck check = CheckCabinet(c.bytes);
        EXPECT_EQ(check.fault, c.fault) << c.what;
        EXPECT_TRUE(check.entries.empty()) << c.what;
    }
}

TEST(CabinetCheck, ChecksumTakesTheLastBytesFirstHighest) {
    const uint8_t bytes[] = {1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(CabinetChecksum(bytes, 4, 0), 0x04030201u);
    EXPECT_EQ(CabinetChecksum(bytes, 7, 0), 0x04030201u ^ 0x050607u);
    EXPECT_EQ(CabinetChecksum(bytes, 2, 0x10), 0x10u ^ 0x0102u);
}

}  // namespace
