#include "CabinetCheck.h"

namespace vantrel {

namespace {

constexpr uint16_t kPreviousCabinet = 0x0001, kNextCabinet = 0x0002, kReservePresent = 0x0004;
constexpr uint16_t kContinuedEntry = 0xFFFD;  // 0xFFFD..0xFFFF: an entry shared with another cabinet
constexpr uint32_t kBlockLimit = 32768;       // uncompressed bytes of one data block

// Bounds-checked little-endian reads over the file.
class Reader {
public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}
    bool Has(size_t at, size_t count) const { return at <= m_bytes.size() && count <= m_bytes.size() - at; }
    uint8_t U8(size_t at) const { return static_cast<uint8_t>(m_bytes[at]); }
    uint16_t U16(size_t at) const { return static_cast<uint16_t>(U8(at) | (U8(at + 1) << 8)); }
    uint32_t U32(size_t at) const { return U16(at) | (static_cast<uint32_t>(U16(at + 2)) << 16); }
    const uint8_t* At(size_t at) const { return reinterpret_cast<const uint8_t*>(m_bytes.data()) + at; }
    // A NUL-ended text starting at at; false when it has no NUL in the file.
    bool Text(size_t at, std::string& out, size_t& end) const {
        if (at > m_bytes.size()) return false;
        const size_t nul = m_bytes.find('\0', at);
        if (nul == std::string_view::npos) return false;
        out.assign(m_bytes.substr(at, nul - at));
        end = nul + 1;
        return true;
    }

private:
    std::string_view m_bytes;
};

struct Folder {
    uint32_t firstBlock;
    uint16_t blocks;
    uint64_t uncompressed = 0;
};

}  // namespace

uint32_t CabinetChecksum(const uint8_t* bytes, size_t count, uint32_t seed) {
    uint32_t sum = seed;
    size_t i = 0;
    for (; i + 4 <= count; i += 4)
        sum ^= bytes[i] | (bytes[i + 1] << 8) | (bytes[i + 2] << 16) | (static_cast<uint32_t>(bytes[i + 3]) << 24);
    // The last one to three bytes go in with the first of them highest.
    uint32_t tail = 0;
    for (; i < count; ++i) tail = (tail << 8) | bytes[i];
    return sum ^ tail;
}

CabinetCheck CheckCabinet(std::string_view file) {
    CabinetCheck check;
    const Reader in(file);
    auto refuse = [&check](CabinetFault fault) {
        check.fault = fault;
        check.entries.clear();
        return check;
    };
    if (!in.Has(0, 36) || file.substr(0, 4) != "MSCF") return refuse(kNotACabinet);
    if (in.U32(8) != file.size()) return refuse(kCabinetSizeDiffers);
    const uint32_t entriesAt = in.U32(16);
    const uint16_t folderCount = in.U16(26), entryCount = in.U16(28), flags = in.U16(30);
    if (flags & (kPreviousCabinet | kNextCabinet)) return refuse(kCabinetSpans);
    size_t at = 36;
    size_t folderReserve = 0, blockReserve = 0;
    if (flags & kReservePresent) {
        if (!in.Has(at, 4)) return refuse(kCabinetCutShort);
        const size_t headerReserve = in.U16(at);
        folderReserve = in.U8(at + 2);
        blockReserve = in.U8(at + 3);
        at += 4 + headerReserve;
    }

    std::vector<Folder> folders;
    for (uint16_t f = 0; f < folderCount; ++f, at += 8 + folderReserve) {
        if (!in.Has(at, 8 + folderReserve)) return refuse(kCabinetCutShort);
        folders.push_back(Folder{in.U32(at), in.U16(at + 4)});
    }
    // Every data block of every folder, each within the file and, where it
    // carries a checksum, matching it: the whole package is read here, before
    // a single file is written.
    for (Folder& folder : folders) {
        size_t block = folder.firstBlock;
        for (uint16_t b = 0; b < folder.blocks; ++b) {
            if (!in.Has(block, 8 + blockReserve)) return refuse(kCabinetCutShort);
            const uint32_t sum = in.U32(block);
            const uint16_t packed = in.U16(block + 4), unpacked = in.U16(block + 6);
            const size_t data = block + 8 + blockReserve;
            if (!in.Has(data, packed) || unpacked > kBlockLimit) return refuse(kCabinetCutShort);
            if (sum != 0) {
                const uint32_t overData = CabinetChecksum(in.At(data), packed, 0);
                if (CabinetChecksum(in.At(block + 4), 4 + blockReserve, overData) != sum)
                    return refuse(kCabinetBadChecksum);
            }
            folder.uncompressed += unpacked;
            block = data + packed;
        }
    }

    at = entriesAt;
    for (uint16_t e = 0; e < entryCount; ++e) {
        if (!in.Has(at, 16)) return refuse(kCabinetCutShort);
        CabinetEntry entry;
        entry.size = in.U32(at);
        const uint64_t offset = in.U32(at + 4);
        const uint16_t folder = in.U16(at + 8);
        entry.attributes = in.U16(at + 14);
        if (folder >= kContinuedEntry) return refuse(kCabinetSpans);
        if (folder >= folders.size() || offset + entry.size > folders[folder].uncompressed)
            return refuse(kCabinetCutShort);
        if (!in.Text(at + 16, entry.name, at)) return refuse(kCabinetCutShort);
        check.entries.push_back(std::move(entry));
    }
    return check;
}

}  // namespace vantrel
