#pragma once
// The checksums of the file statistics: the reflected CRC-32, and MD5 and
// SHA-1 over the platform's cryptographic provider. Each is Init, Update
// with any number of pieces, then Final.
#include <windows.h>
#include <wincrypt.h>

#include <cstddef>
#include <cstdint>
#include <string>

class CCrc32 {
public:
    // Builds the table and starts over.
    void Init();
    void Update(const void* data, size_t length);
    uint32_t Final() const { return ~m_crc; }

private:
    uint32_t m_table[256] = {};
    uint32_t m_crc = 0xFFFFFFFF;
};

// One hash object of the provider; false from Init or Final when the
// provider could not be had.
class CCryptoHash {
public:
    CCryptoHash(ALG_ID algorithm, size_t size) : m_algorithm(algorithm), m_size(size) {}
    ~CCryptoHash() { Release(); }
    CCryptoHash(const CCryptoHash&) = delete;
    CCryptoHash& operator=(const CCryptoHash&) = delete;

    bool Init();
    void Update(const void* data, size_t length);
    // digest holds the hash's size in bytes.
    bool Final(unsigned char* digest);

private:
    void Release();

    ALG_ID m_algorithm;
    size_t m_size;
    HCRYPTPROV m_provider = 0;
    HCRYPTHASH m_hash = 0;
    bool m_failed = false;
};

class CMd5Digest : public CCryptoHash {
public:
    static constexpr size_t kSize = 16;
    CMd5Digest() : CCryptoHash(CALG_MD5, kSize) {}
    // Keeps the digest in the object.
    bool Final() { return CCryptoHash::Final(digest); }
    unsigned char digest[kSize] = {};
};

class CSha1Digest : public CCryptoHash {
public:
    static constexpr size_t kSize = 20;
    CSha1Digest() : CCryptoHash(CALG_SHA1, kSize) {}
};

// Bytes as upper-case hexadecimal digits, two a byte.
std::string HexDigits(const unsigned char* bytes, size_t count);

// What the statistics show of a file on disk.
struct FileChecksums {
    uint64_t size = 0;
    uint32_t crc32 = 0;
    std::string md5;   // 32 digits
    std::string sha1;  // 40 digits
};

// Reads the file in blocks of 8192 bytes; false when it cannot be opened
// or read to its end (a read error is not taken for the end of the file),
// or a checksum could not be made.
bool ComputeFileChecksums(const std::string& path, FileChecksums& checksums);

// "%llu B\t%llu KB\t%llu MB" of a byte count.
std::string FileSizeText(uint64_t bytes);
