// PackBuf's block rules, seen through its exports.
#include "dovari.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Freer {
    void operator()(PackBuf* buf) const { PackBufFree(buf); }
};
using Buffer = std::unique_ptr<PackBuf, Freer>;

Buffer Make(int blockSize)
{
    Buffer buf(PackBufCreate(blockSize));
    EXPECT_NE(buf, nullptr);
    return buf;
}

struct Dump {
    int result = -1;
    std::vector<std::string> blocks;
};

void Collect(const char* text, int length, void* param, void* user)
{
    auto dump = static_cast<Dump*>(param);
    EXPECT_EQ(user, &dump->blocks);
    EXPECT_EQ(static_cast<int>(std::strlen(text)), length);
    dump->blocks.emplace_back(text, length);
}

Dump DumpOf(PackBuf* buf)
{
    Dump dump;
    dump.result = DumpPackBuf(buf, Collect, &dump, &dump.blocks);
    return dump;
}

int Append(PackBuf* buf, const std::string& text, int length = 0)
{
    return PackBufAppend(buf, text.c_str(), length);
}

TEST(PackBuf, BlockSizeIsClampedAndOffersSizeLessEight)
{
    struct {
        int asked;
        int room;
    } cases[] = {
        {0, 4088}, {100, 1016}, {-5, 1016}, {1024, 1016}, {2000, 1992}, {5 * 1024 * 1024, 4194296},
    };
    for (const auto& c : cases) {
        Buffer fits = Make(c.asked);
        EXPECT_EQ(Append(fits.get(), std::string(c.room, 'x')), 1) << c.asked;
        EXPECT_EQ(DumpOf(fits.get()).blocks, std::vector<std::string>{std::string(c.room, 'x')});
        Buffer over = Make(c.asked);
        EXPECT_EQ(Append(over.get(), std::string(c.room + 1, 'x')), 0) << c.asked;
    }
}

TEST(PackBuf, PiecesThatFitShareABlock)
{
    Buffer buf = Make(1024);
    EXPECT_EQ(Append(buf.get(), "ab"), 1);
    EXPECT_EQ(Append(buf.get(), "cd"), 1);
    Dump dump = DumpOf(buf.get());
    EXPECT_EQ(dump.result, 1);
    EXPECT_EQ(dump.blocks, std::vector<std::string>{"abcd"});
}

TEST(PackBuf, APieceThatDoesNotFitOpensTheNextBlockWhole)
{
    const std::string full(1016, 'x');
    struct {
        std::vector<std::string> pieces;
        std::vector<std::string> blocks;
    } cases[] = {
        {{full, "y"}, {full, "y"}},
        {{std::string(1000, 'a'), std::string(20, 'b')}, {std::string(1000, 'a'), std::string(20, 'b')}},
        // A later block filled exactly to its room by an append without length.
        {{"a", full}, {"a", full}},
        {{"a", full, full, "z"}, {"a", full, full, "z"}},
    };
    for (const auto& c : cases) {
        Buffer buf = Make(1024);
        for (const auto& piece : c.pieces)
            EXPECT_EQ(Append(buf.get(), piece), 1);
        Dump dump = DumpOf(buf.get());
        EXPECT_EQ(dump.result, 1);
        EXPECT_EQ(dump.blocks, c.blocks);
    }
}

TEST(PackBuf, OversizedPieceIsRefusedAndChangesNothing)
{
    Buffer buf = Make(1024);
    Append(buf.get(), "ab");
    EXPECT_EQ(Append(buf.get(), std::string(1017, 'x')), 0);
    EXPECT_EQ(Append(buf.get(), "x", 1017), 0);
    EXPECT_EQ(Append(buf.get(), "cd"), 1);
    EXPECT_EQ(DumpOf(buf.get()).blocks, std::vector<std::string>{"abcd"});
}

TEST(PackBuf, AGivenLengthCopiesExactlyThatManyBytes)
{
    Buffer buf = Make(1024);
    // "abcdef" cut to 3; then "ab" padded to 5 hides what follows in the block.
    EXPECT_EQ(Append(buf.get(), "abcdef", 3), 1);
    EXPECT_EQ(Append(buf.get(), "ab", 5), 1);
    EXPECT_EQ(Append(buf.get(), "hidden"), 1);
    EXPECT_EQ(DumpOf(buf.get()).blocks, std::vector<std::string>{"abcab"});
}

TEST(PackBuf, NewAndResetBuffersDumpNothing)
{
    Buffer buf = Make(1024);
    Dump fresh = DumpOf(buf.get());
    EXPECT_EQ(fresh.result, 0);
    EXPECT_TRUE(fresh.blocks.empty());

    Append(buf.get(), std::string(1000, 'a'));
    Append(buf.get(), std::string(1000, 'b'));
    EXPECT_EQ(PackBufReset(buf.get()), 1);
    Dump reset = DumpOf(buf.get());
    EXPECT_EQ(reset.result, 0);
    EXPECT_TRUE(reset.blocks.empty());

    // One block again, written from its start.
    EXPECT_EQ(Append(buf.get(), "q"), 1);
    EXPECT_EQ(DumpOf(buf.get()).blocks, std::vector<std::string>{"q"});
}

TEST(PackBuf, AnEmptyBlockEndsTheDump)
{
    Buffer buf = Make(1024);
    Append(buf.get(), "first");
    ASSERT_NE(PackBufReserve(buf.get(), 1016), nullptr); // a second block, left unfilled
    Append(buf.get(), "third");
    Dump dump = DumpOf(buf.get());
    EXPECT_EQ(dump.result, 0);
    EXPECT_EQ(dump.blocks, std::vector<std::string>{"first"});
}

TEST(PackBuf, ReservedBytesAreZeroedAndJoinTheDump)
{
    Buffer buf = Make(1024);
    Append(buf.get(), "ab");
    char* reserved = PackBufReserve(buf.get(), 3);
    ASSERT_NE(reserved, nullptr);
    EXPECT_EQ(std::string(reserved, 3), std::string(3, '\0'));
    std::memcpy(reserved, "xyz", 3);
    Append(buf.get(), "!");
    EXPECT_EQ(DumpOf(buf.get()).blocks, std::vector<std::string>{"abxyz!"});

    char* next = PackBufReserve(buf.get(), 1016);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(std::string(next, 1016), std::string(1016, '\0'));
}

TEST(PackBuf, RefusesMissingBuffersTextsAndNegativeCounts)
{
    Buffer buf = Make(1024);
    EXPECT_EQ(PackBufAppend(nullptr, "x", 0), 0);
    EXPECT_EQ(DumpPackBuf(nullptr, Collect, nullptr, nullptr), 0);
    EXPECT_EQ(PackBufReserve(nullptr, 1), nullptr);
    EXPECT_EQ(PackBufReset(nullptr), 0);
    EXPECT_EQ(PackBufFree(nullptr), 0);

    EXPECT_EQ(PackBufAppend(buf.get(), nullptr, 0), 0);
    EXPECT_EQ(PackBufAppend(buf.get(), nullptr, 4), 0);
    EXPECT_EQ(PackBufAppend(buf.get(), "x", -1), 0);
    for (int count : {0, -1, -100000, 1017})
        EXPECT_EQ(PackBufReserve(buf.get(), count), nullptr) << count;
    EXPECT_EQ(DumpPackBuf(buf.get(), nullptr, nullptr, nullptr), 0);
    // None of that wrote anything.
    Append(buf.get(), "ok");
    EXPECT_EQ(DumpOf(buf.get()).blocks, std::vector<std::string>{"ok"});
}

} // namespace
