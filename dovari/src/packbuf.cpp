// PackBuf: a text buffer that grows by linking fixed-size blocks (exports 27-32).
//
// Every block is its link followed by block-size bytes of text area, of
// which block size - 8 are offered. The unused tail keeps a NUL after any
// text, so a block's text always ends inside its own allocation.
#include "dovari.h"

#include <cstring>

namespace {

constexpr int kDefaultBlock = 4096;
constexpr int kMinBlock = 1024;
constexpr int kMaxBlock = 4194304;
constexpr int kTail = 8;

// The text area follows the link in the same allocation.
struct Block {
    Block* next;
};

constexpr size_t kBlockHead = sizeof(Block);

char* TextOf(Block* block)
{
    return reinterpret_cast<char*>(block + 1);
}

int ClampBlockSize(int size)
{
    if (size == 0)
        return kDefaultBlock;
    if (size < kMinBlock)
        return kMinBlock;
    return size > kMaxBlock ? kMaxBlock : size;
}

} // namespace

// The header and the first block share one allocation.
struct PackBuf {
    Block* first;
    Block* current;
    char* write;
    int left;
    int blockSize;
};

namespace {

int Room(const PackBuf* buf)
{
    return buf->blockSize - kTail;
}

Block* FirstBlock(PackBuf* buf)
{
    return reinterpret_cast<Block*>(reinterpret_cast<char*>(buf) + sizeof(PackBuf));
}

void StartBlock(PackBuf* buf, Block* block)
{
    buf->current = block;
    buf->write = TextOf(block);
    buf->left = Room(buf);
}

// Makes room for count bytes, opening a new block when the current one is
// too full. False (buffer unchanged) when the allocation fails.
bool MakeRoom(PackBuf* buf, int count)
{
    if (count <= buf->left)
        return true;
    auto block = static_cast<Block*>(GlobalAlloc(GPTR, kBlockHead + buf->blockSize));
    if (block == nullptr)
        return false;
    buf->current->next = block;
    StartBlock(buf, block);
    return true;
}

void FreeLaterBlocks(PackBuf* buf)
{
    Block* block = buf->first->next;
    while (block != nullptr) {
        Block* next = block->next;
        GlobalFree(block);
        block = next;
    }
}

} // namespace

extern "C" PackBuf* PackBufCreate(int blockSize)
{
    int size = ClampBlockSize(blockSize);
    auto buf = static_cast<PackBuf*>(GlobalAlloc(GPTR, sizeof(PackBuf) + kBlockHead + size));
    if (buf == nullptr)
        return nullptr;
    buf->blockSize = size;
    buf->first = FirstBlock(buf);
    StartBlock(buf, buf->first);
    return buf;
}

extern "C" int PackBufAppend(PackBuf* buf, const char* text, int length)
{
    if (buf == nullptr || text == nullptr || length < 0)
        return 0;
    int bytes = length != 0 ? length : static_cast<int>(strnlen(text, Room(buf) + 1));
    if (bytes > Room(buf) || !MakeRoom(buf, bytes))
        return 0;
    if (length != 0) {
        // Exactly length bytes: the text up to its NUL, then NULs.
        size_t copied = strnlen(text, bytes);
        std::memcpy(buf->write, text, copied);
        std::memset(buf->write + copied, 0, bytes - copied);
    } else {
        std::memcpy(buf->write, text, bytes);
        buf->write[bytes] = '\0';
    }
    buf->write += bytes;
    buf->left -= bytes;
    return 1;
}

extern "C" char* PackBufReserve(PackBuf* buf, int count)
{
    if (buf == nullptr || count <= 0 || count > Room(buf) || !MakeRoom(buf, count))
        return nullptr;
    char* reserved = buf->write;
    buf->write += count;
    buf->left -= count;
    return reserved;
}

extern "C" int DumpPackBuf(PackBuf* buf, PackBufDumpCallback callback, void* param, void* user)
{
    if (buf == nullptr || callback == nullptr)
        return 0;
    for (Block* block = buf->first; block != nullptr; block = block->next) {
        const char* text = TextOf(block);
        int length = static_cast<int>(strnlen(text, buf->blockSize));
        if (length == 0) {
            OutputDebugStringA("DumpPackBuf: Zeror Buffer found");
            return 0;
        }
        callback(text, length, param, user);
    }
    return 1;
}

extern "C" int PackBufReset(PackBuf* buf)
{
    if (buf == nullptr)
        return 0;
    FreeLaterBlocks(buf);
    std::memset(buf->first, 0, kBlockHead + buf->blockSize);
    StartBlock(buf, buf->first);
    return 1;
}

extern "C" int PackBufFree(PackBuf* buf)
{
    if (buf == nullptr)
        return 0;
    FreeLaterBlocks(buf);
    GlobalFree(buf);
    return 1;
}
