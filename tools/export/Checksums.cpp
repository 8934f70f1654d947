#include "Checksums.h"

#include <cstdio>
#include <memory>

void CCrc32::Init() {
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        m_table[n] = c;
    }
    m_crc = 0xFFFFFFFF;
}

void CCrc32::Update(const void* data, size_t length) {
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    uint32_t crc = m_crc;
    for (size_t i = 0; i < length; ++i) crc = m_table[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
    m_crc = crc;
}

void CCryptoHash::Release() {
    if (m_hash) ::CryptDestroyHash(m_hash);
    if (m_provider) ::CryptReleaseContext(m_provider, 0);
    m_hash = 0;
    m_provider = 0;
}

bool CCryptoHash::Init() {
    Release();
    m_failed = !::CryptAcquireContextA(&m_provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT) ||
               !::CryptCreateHash(m_provider, m_algorithm, 0, 0, &m_hash);
    return !m_failed;
}

void CCryptoHash::Update(const void* data, size_t length) {
    const BYTE* bytes = static_cast<const BYTE*>(data);
    while (!m_failed && length > 0) {
        const DWORD step = length > 0x40000000 ? 0x40000000 : static_cast<DWORD>(length);
        if (!::CryptHashData(m_hash, bytes, step, 0)) m_failed = true;
        bytes += step;
        length -= step;
    }
}

bool CCryptoHash::Final(unsigned char* digest) {
    DWORD size = static_cast<DWORD>(m_size);
    const bool ok = !m_failed && ::CryptGetHashParam(m_hash, HP_HASHVAL, digest, &size, 0) && size == m_size;
    Release();
    return ok;
}

std::string HexDigits(const unsigned char* bytes, size_t count) {
    std::string text;
    char pair[3];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(pair, sizeof pair, "%02X", bytes[i]);
        text += pair;
    }
    return text;
}

bool ComputeFileChecksums(const std::string& path, FileChecksums& checksums) {
    struct FileCloser {
        void operator()(FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    constexpr size_t kBlock = 8192;
    std::unique_ptr<unsigned char[]> buffer(new (std::nothrow) unsigned char[kBlock]);
    if (!buffer) return false;
    CCrc32 crc;
    CMd5Digest md5;
    CSha1Digest sha1;
    crc.Init();
    if (!md5.Init() || !sha1.Init()) return false;
    uint64_t size = 0;
    for (;;) {
        const size_t got = std::fread(buffer.get(), 1, kBlock, file.get());
        if (got == 0) break;
        size += got;
        crc.Update(buffer.get(), got);
        md5.Update(buffer.get(), got);
        sha1.Update(buffer.get(), got);
    }
    if (std::ferror(file.get())) return false;
    unsigned char sha1Digest[CSha1Digest::kSize];
    if (!md5.Final() || !sha1.Final(sha1Digest)) return false;
    checksums.size = size;
    checksums.crc32 = crc.Final();
    checksums.md5 = HexDigits(md5.digest, CMd5Digest::kSize);
    checksums.sha1 = HexDigits(sha1Digest, CSha1Digest::kSize);
    return true;
}

std::string FileSizeText(uint64_t bytes) {
    char text[96];
    std::snprintf(text, sizeof text, "%llu B\t%llu KB\t%llu MB", static_cast<unsigned long long>(bytes),
                  static_cast<unsigned long long>(bytes / 1024), static_cast<unsigned long long>(bytes / 1048576));
    return text;
}
