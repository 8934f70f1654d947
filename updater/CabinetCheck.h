#pragma once
// Reading a downloaded package's cabinet structure before anything is
// unpacked: its declared size against the file's, every folder, entry and
// data block within the file, and each block's checksum where it has one.
// Pure logic over the file's bytes, so damaged packages can be tabled.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

enum CabinetFault : int {
    kCabinetSound = 0,
    kNotACabinet,       // no "MSCF" header
    kCabinetSizeDiffers,  // the header's total size is not the file's size
    kCabinetCutShort,   // a structure or block runs past the end, or an entry past its folder's data
    kCabinetBadChecksum,  // a data block's checksum does not match its bytes
    kCabinetSpans,      // the package continues in another cabinet
};

struct CabinetEntry {
    std::string name;
    uint32_t size = 0;
    uint16_t attributes = 0;
};

struct CabinetCheck {
    CabinetFault fault = kCabinetSound;
    std::vector<CabinetEntry> entries;  // in cabinet order, when sound
};

// The cabinet format's checksum of bytes, continuing from seed.
uint32_t CabinetChecksum(const uint8_t* bytes, size_t count, uint32_t seed);

CabinetCheck CheckCabinet(std::string_view file);

}  // namespace vantrel
