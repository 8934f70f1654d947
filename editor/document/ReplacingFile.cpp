#include "ReplacingFile.h"

namespace {

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return ".";
    if (slash == 0 || path[slash - 1] == ':') return path.substr(0, slash + 1);
    return path.substr(0, slash);
}

}  // namespace

CReplacingFile::~CReplacingFile() { Discard(); }

bool CReplacingFile::Fail(DWORD error) {
    if (!m_failed) m_error = error ? error : ERROR_WRITE_FAULT;
    m_failed = true;
    Discard();
    return false;
}

void CReplacingFile::Discard() {
    m_file.close();
    if (!m_temporary.empty()) ::DeleteFileA(m_temporary.c_str());
    m_temporary.clear();
}

bool CReplacingFile::Open(const std::string& target) {
    Discard();
    m_target = target;
    m_failed = false;
    m_error = 0;
    m_attributes = ::GetFileAttributesA(target.c_str());
    if (m_attributes != INVALID_FILE_ATTRIBUTES) {
        // Read-only, locked, a folder, or open elsewhere without delete
        // sharing (which the replace needs): refused before anything is
        // written, and without truncating. A replace that fails late can
        // leave a stray file of its own under Wine.
        UniqueHandle probe(::CreateFileA(target.c_str(), GENERIC_WRITE | DELETE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!probe) return Fail();
    }

    char name[MAX_PATH];
    if (!::GetTempFileNameA(FolderOf(target).c_str(), "tw", 0, name)) return Fail();
    m_temporary = name;
    m_file =
        UniqueHandle(::CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!m_file) return Fail();
    return true;
}

bool CReplacingFile::Write(const void* data, size_t length) {
    if (m_failed || !m_file) return false;
    const char* bytes = static_cast<const char*>(data);
    while (length > 0) {
        const DWORD step = length > 0x10000000 ? 0x10000000 : static_cast<DWORD>(length);
        DWORD written = 0;
        if (!::WriteFile(m_file.get(), bytes, step, &written, nullptr) || written == 0) return Fail();
        bytes += written;
        length -= written;
    }
    return true;
}

bool CReplacingFile::Commit() {
    if (m_failed || !m_file) return false;
    if (!::FlushFileBuffers(m_file.get())) return Fail();
    if (!m_file.close()) return Fail();

    if (m_attributes == INVALID_FILE_ATTRIBUTES) {
        if (!::MoveFileExA(m_temporary.c_str(), m_target.c_str(), MOVEFILE_WRITE_THROUGH)) return Fail();
    } else {
        if (!::ReplaceFileA(m_target.c_str(), m_temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                            nullptr)) {
            const DWORD error = ::GetLastError();
            if (error != ERROR_UNABLE_TO_MOVE_REPLACEMENT ||
                ::GetFileAttributesA(m_target.c_str()) != INVALID_FILE_ATTRIBUTES)
                return Fail(error);
            // The old file is gone already; the new contents are all there is.
            if (!::MoveFileExA(m_temporary.c_str(), m_target.c_str(), MOVEFILE_WRITE_THROUGH)) {
                m_error = ::GetLastError();
                m_failed = true;
                m_temporary.clear();
                return false;
            }
        }
        const DWORD now = ::GetFileAttributesA(m_target.c_str());
        if (now != INVALID_FILE_ATTRIBUTES && now != m_attributes) ::SetFileAttributesA(m_target.c_str(), m_attributes);
    }
    m_temporary.clear();
    return true;
}
