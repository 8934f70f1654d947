#include "ProfileFile.h"

#include <cstring>
#include <vector>

#include "UniqueHandle.h"
#include "WideText.h"

// The platform reads an ini file without a mark as ANSI text: ToWide and
// ToAnsi convert with the ANSI code page.

namespace {

// The whole file; nothing when it cannot be read.
std::optional<std::string> ReadAll(const std::string& path) {
    UniqueHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > (1 << 24)) return std::nullopt;
    std::string bytes((size_t)size.QuadPart, '\0');
    DWORD got = 0;
    if (!bytes.empty() && (!::ReadFile(file.get(), bytes.data(), (DWORD)bytes.size(), &got, nullptr) || got != bytes.size()))
        return std::nullopt;
    return bytes;
}

// Marks and NULs make the platform guess at another encoding.
bool PlainText(const std::string& bytes) {
    if (bytes.find('\0') != std::string::npos) return false;
    const auto starts = [&](const char* mark) { return bytes.rfind(mark, 0) == 0; };
    return !starts("\xEF\xBB\xBF") && !starts("\xFF\xFE") && !starts("\xFE\xFF");
}

bool HasLineBreak(const char* text) { return text && (std::strchr(text, '\r') || std::strchr(text, '\n')); }

}  // namespace

CProfileFile::Stamp CProfileFile::StampOf(const std::string& path) {
    Stamp stamp;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return stamp;
    stamp.exists = true;
    stamp.written = data.ftLastWriteTime;
    stamp.sizeLow = data.nFileSizeLow;
    stamp.sizeHigh = data.nFileSizeHigh;
    return stamp;
}

bool CProfileFile::SameStamp(const Stamp& a, const Stamp& b) {
    return a.exists == b.exists && ::CompareFileTime(&a.written, &b.written) == 0 && a.sizeLow == b.sizeLow &&
           a.sizeHigh == b.sizeHigh;
}

bool CProfileFile::Fresh() {
    // Asking for the file's time and size takes no round trip under Wine.
    const Stamp now = StampOf(m_path);
    if (m_image && SameStamp(now, m_stamp)) return true;
    m_image.reset();
    m_stamp = now;
    if (!now.exists) {
        m_image.emplace();
        return true;
    }
    std::optional<std::string> bytes = ReadAll(m_path);
    if (!bytes || !PlainText(*bytes)) return false;
    m_image.emplace(ToWide(*bytes));
    return true;
}

std::string CProfileFile::ReadString(const char* section, const char* key, const char* defaultText) {
    std::lock_guard<std::mutex> hold(m_lock);
    if (!Fresh()) {
        std::vector<char> buffer(1024);
        for (;;) {
            DWORD got = ::GetPrivateProfileStringA(section, key, defaultText, buffer.data(), (DWORD)buffer.size(),
                                                   m_path.c_str());
            if (got < buffer.size() - 2 || buffer.size() >= (1u << 20)) return std::string(buffer.data(), got);
            buffer.resize(buffer.size() * 2);
        }
    }
    std::optional<std::wstring> value = m_image->Value(ToWide(section ? section : ""), ToWide(key ? key : ""));
    if (value) return ToAnsi(*value);
    return ToAnsi(CProfileImage::Unquoted(CProfileImage::TrimDefault(ToWide(defaultText ? defaultText : ""))));
}

std::optional<std::string> CProfileFile::ReadSection(const char* section) {
    std::lock_guard<std::mutex> hold(m_lock);
    if (!Fresh()) {
        // The platform answers size - 2 when the lines did not fit.
        std::vector<char> buffer(4096);
        for (;;) {
            DWORD got = ::GetPrivateProfileSectionA(section, buffer.data(), (DWORD)buffer.size(), m_path.c_str());
            if (got < buffer.size() - 2 || buffer.size() >= (1u << 24))
                return got ? std::optional(std::string(buffer.data(), got)) : std::nullopt;
            buffer.resize(buffer.size() * 2);
        }
    }
    std::optional<std::wstring> lines = m_image->SectionLines(ToWide(section ? section : ""));
    if (!lines || lines->empty()) return std::nullopt;
    return ToAnsi(*lines);
}

bool CProfileFile::WriteString(const char* section, const char* key, const char* text) {
    std::lock_guard<std::mutex> hold(m_lock);
    const bool written = ::WritePrivateProfileStringA(section, key, text, m_path.c_str()) != FALSE;
    // Removals, line breaks and failures are read back from the file.
    if (!written || !section || !key || !text || HasLineBreak(key) || HasLineBreak(text) || !m_image) {
        m_image.reset();
        return written;
    }
    m_image->Set(ToWide(section), ToWide(key), ToWide(text));
    m_stamp = StampOf(m_path);
    return true;
}

bool CProfileFile::WriteSection(const char* section, const char* lines) {
    std::lock_guard<std::mutex> hold(m_lock);
    const bool written = ::WritePrivateProfileSectionA(section, lines, m_path.c_str()) != FALSE;
    m_image.reset();
    return written;
}
