#include <gtest/gtest.h>

#include <cstdio>

#include "Checksums.h"
#include "TempFolder.h"

namespace {

struct Digests {
    std::string crc, md5, sha1;
    bool operator==(const Digests&) const = default;
};

// The data fed in pieces of the given sizes, in turn (0: all at once).
Digests Compute(const std::string& data, std::initializer_list<size_t> pieces) {
    CCrc32 crc;
    CMd5Digest md5;
    CSha1Digest sha1;
    crc.Init();
    EXPECT_TRUE(md5.Init());
    EXPECT_TRUE(sha1.Init());
    size_t at = 0;
    for (auto piece = pieces.begin(); at < data.size(); ++piece) {
        if (piece == pieces.end()) piece = pieces.begin();
        const size_t n = *piece ? std::min(*piece, data.size() - at) : data.size();
        crc.Update(data.data() + at, n);
        md5.Update(data.data() + at, n);
        sha1.Update(data.data() + at, n);
        at += n;
    }
    unsigned char sha1Digest[CSha1Digest::kSize];
    EXPECT_TRUE(md5.Final());
    EXPECT_TRUE(sha1.Final(sha1Digest));
    char crcText[16];
    std::snprintf(crcText, sizeof crcText, "%08X", static_cast<unsigned>(crc.Final()));
    return {crcText, HexDigits(md5.digest, CMd5Digest::kSize), HexDigits(sha1Digest, CSha1Digest::kSize)};
}

struct Case {
    const char* name;
    std::string data;
    Digests digests;
};

// The published values; 55 to 65 bytes cross the padding limits of MD5 and SHA-1.
const Case kCases[] = {
    {"empty", "", {"00000000", "D41D8CD98F00B204E9800998ECF8427E", "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709"}},
    {"abc", "abc", {"352441C2", "900150983CD24FB0D6963F7D28E17F72", "A9993E364706816ABA3E25717850C26C9CD0D89D"}},
    {"123456789", "123456789", {"CBF43926", "25F9E794323B453885F5181F1B624D0B", "F7C3BC1D808E04732ADF679965CCC34CA7AE3441"}},
    {"55 a", std::string(55, 'a'), {"AADFE34E", "EF1772B6DFF9A122358552954AD0DF65", "C1C8BBDC22796E28C0E15163D20899B65621D65A"}},
    {"56 a", std::string(56, 'a'), {"79790D37", "3B0C8AC703F828B04C6C197006D17218", "C2DB330F6083854C99D4B5BFB6E8F29F201BE699"}},
    {"63 a", std::string(63, 'a'), {"6824C5DE", "B06521F39153D618550606BE297466D5", "03F09F5B158A7A8CDAD920BDDC29B81C18A551F5"}},
    {"64 a", std::string(64, 'a'), {"89B46555", "014842D480B571495A4A0363793F7367", "0098BA824B5C16427BD7A1122A5A442A25EC644D"}},
    {"65 a", std::string(65, 'a'), {"F33FAF5D", "C743A45E0D2E6A95CB859ADAE0248435", "11655326C708D70319BE2610E8A57D9A5B959D3B"}},
    {"1000000 a", std::string(1000000, 'a'),
     {"DC25BFBC", "7707D6AE4E027C70EEA2A935C2296F21", "34AA973CD4C4DAA4F61EEB2BDBAD27316534016F"}},
};

TEST(Checksums, PublishedValuesInOnePieceAndInUnevenPieces) {
    for (const Case& c : kCases) {
        EXPECT_EQ(Compute(c.data, {0}), c.digests) << c.name;
        EXPECT_EQ(Compute(c.data, {1, 63, 8192, 8193}), c.digests) << c.name;
    }
}

TEST(Checksums, OfAFile) {
    TempFolder folder;
    for (const Case& c : kCases) {
        folder.Write("data.bin", c.data);
        FileChecksums checksums;
        ASSERT_TRUE(ComputeFileChecksums(folder.File("data.bin"), checksums)) << c.name;
        char crc[16];
        std::snprintf(crc, sizeof crc, "%08X", static_cast<unsigned>(checksums.crc32));
        EXPECT_EQ((Digests{crc, checksums.md5, checksums.sha1}), c.digests) << c.name;
        EXPECT_EQ(checksums.size, c.data.size());
    }
    FileChecksums missing;
    EXPECT_FALSE(ComputeFileChecksums(folder.File("missing.bin"), missing));
}

TEST(Checksums, SizeText) {
    EXPECT_EQ(FileSizeText(0), "0 B\t0 KB\t0 MB");
    EXPECT_EQ(FileSizeText(1048576), "1048576 B\t1024 KB\t1 MB");
    EXPECT_EQ(FileSizeText(5000000000ull), "5000000000 B\t4882812 KB\t4768 MB");
}

}  // namespace
