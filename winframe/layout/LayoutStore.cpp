#include "LayoutStore.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "LayoutCodec.h"

LayoutCode CLayoutStore::WriteBinary(const char* key, const uint8_t* bytes, size_t count) {
    return WriteString(key, FormatLayoutHex(bytes, count).c_str());
}

LayoutCode CLayoutStore::ReadBinary(const char* key, uint8_t* buffer, size_t& length) {
    size_t chars = 0;
    LayoutCode code = ReadString(key, nullptr, chars);
    if (code != kLayoutMoreData) {
        length = 0;
        return code == kLayoutOk ? kLayoutNoData : code;
    }
    std::vector<char> text(chars + 1);
    size_t size = text.size();
    if (ReadString(key, text.data(), size) != kLayoutOk) {
        length = 0;
        return kLayoutNoData;
    }
    std::vector<uint8_t> bytes = ParseLayoutHex(text.data());
    if (bytes.size() > length) {
        length = bytes.size();
        return kLayoutMoreData;
    }
    if (!bytes.empty()) std::memcpy(buffer, bytes.data(), bytes.size());
    length = bytes.size();
    return kLayoutOk;
}

bool CLayoutStore::ReadExact(const char* key, uint8_t* buffer, size_t count) {
    std::vector<uint8_t> value(count);
    size_t length = count;
    if (ReadBinary(key, value.data(), length) != kLayoutOk || length != count) return false;
    std::memcpy(buffer, value.data(), count);
    return true;
}

std::string ProgramFolder() {
    char path[MAX_PATH] = "";
    DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n < MAX_PATH ? n : 0);
    size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

CLayoutFile::CLayoutFile() : CLayoutFile(ProgramFolder() + "\\default.ui") {}

CLayoutFile::CLayoutFile(std::string path) : m_path(std::move(path)), m_file(std::make_shared<CProfileFile>(m_path)) {}

void CLayoutFile::OpenSection(const CLayoutStore& parent, const char* section) {
    if (auto* file = dynamic_cast<const CLayoutFile*>(&parent)) {
        m_path = file->m_path;
        m_file = file->m_file;
    }
    m_section.assign(section ? section : "");
    if (m_section.size() > kSectionChars) m_section.resize(kSectionChars);
}

LayoutCode CLayoutFile::OpenSectionForReading(const CLayoutStore& parent, const char* section, int) {
    OpenSection(parent, section);
    return kLayoutOk;
}

LayoutCode CLayoutFile::OpenSectionForWriting(const CLayoutStore& parent, const char* section, int) {
    OpenSection(parent, section);
    return kLayoutOk;
}

LayoutCode CLayoutFile::WriteString(const char* key, const char* text) {
    m_file->WriteString(m_section.c_str(), key, text);
    return kLayoutOk;
}

LayoutCode CLayoutFile::ReadString(const char* key, char* buffer, size_t& length) {
    // As a read into a buffer of kReadChars would give it.
    const std::string value = m_file->ReadString(m_section.c_str(), key, "");
    const char* text = value.c_str();
    const size_t count = std::min(value.size(), kReadChars - 1);
    if (count == 0) {
        length = 0;
        return kLayoutNoData;
    }
    // Room for every character and the terminator, or the count needed:
    // a buffer of exactly the count would lose the last character.
    if (!buffer || length <= count) {
        length = count;
        return kLayoutMoreData;
    }
    std::memcpy(buffer, text, count);
    buffer[count] = '\0';
    length = count;
    return kLayoutOk;
}
