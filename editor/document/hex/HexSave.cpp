#include "HexSave.h"

#include <windows.h>

#include <algorithm>

namespace {

class WriteHandle {
public:
    explicit WriteHandle(const std::string& path)
        : m_handle(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~WriteHandle() { Close(); }
    WriteHandle(const WriteHandle&) = delete;
    WriteHandle& operator=(const WriteHandle&) = delete;
    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }
    bool Close() {
        if (!Valid()) return false;
        bool closed = ::CloseHandle(m_handle) != 0;
        m_handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE m_handle;
};

bool WriteAll(HANDLE file, uint64_t offset, const std::vector<uint8_t>& bytes) {
    LARGE_INTEGER position;
    position.QuadPart = (LONGLONG)offset;
    if (!::SetFilePointerEx(file, position, nullptr, FILE_BEGIN)) return false;
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = (DWORD)std::min<size_t>(bytes.size() - done, 1u << 30);
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

bool PatchInPlace(const std::string& path, uint64_t size, const ByteOverlay& edits) {
    WriteHandle file(path);
    LARGE_INTEGER actual;
    if (!file.Valid() || !::GetFileSizeEx(file.Get(), &actual) || (uint64_t)actual.QuadPart != size) return false;
    for (const auto& run : edits.Runs()) {
        // Edits never lie past the size, but the file must not grow if one did.
        if (run.offset + run.bytes.size() > size) return false;
        if (!WriteAll(file.Get(), run.offset, run.bytes)) return false;
    }
    if (!::FlushFileBuffers(file.Get())) return false;
    return file.Close();
}

std::string FullPath(const std::string& path) {
    char full[MAX_PATH * 2];
    DWORD length = ::GetFullPathNameA(path.c_str(), sizeof(full), full, nullptr);
    if (length == 0 || length >= sizeof(full)) return path;
    return full;
}

}  // namespace

bool SaveHexEdits(const std::string& source, const std::string& target, uint64_t size, const ByteOverlay& edits) {
    if (::lstrcmpiA(FullPath(source).c_str(), FullPath(target).c_str()) == 0)
        return PatchInPlace(source, size, edits);
    std::string temporary = target + ".tw-save";
    if (!::CopyFileA(source.c_str(), temporary.c_str(), FALSE) || !PatchInPlace(temporary, size, edits) ||
        !::MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}
