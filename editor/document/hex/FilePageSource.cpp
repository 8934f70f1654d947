#include "FilePageSource.h"

#include <windows.h>

#include <algorithm>

namespace {

class ReadHandle {
public:
    explicit ReadHandle(const std::string& path)
        : m_handle(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~ReadHandle() {
        if (Valid()) ::CloseHandle(m_handle);
    }
    ReadHandle(const ReadHandle&) = delete;
    ReadHandle& operator=(const ReadHandle&) = delete;
    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

}  // namespace

size_t FilePageSource::Read(uint64_t offset, uint8_t* buffer, size_t length) {
    ReadHandle file(m_path);
    if (!file.Valid()) return 0;
    LARGE_INTEGER position;
    position.QuadPart = (LONGLONG)offset;
    if (!::SetFilePointerEx(file.Get(), position, nullptr, FILE_BEGIN)) return 0;
    size_t total = 0;
    while (total < length) {
        DWORD chunk = (DWORD)std::min<size_t>(length - total, 1u << 30);
        DWORD got = 0;
        if (!::ReadFile(file.Get(), buffer + total, chunk, &got, nullptr) || got == 0) break;
        total += got;
    }
    return total;
}

std::optional<uint64_t> FilePageSource::FileSize(const std::string& path) {
    ReadHandle file(path);
    LARGE_INTEGER size;
    if (!file.Valid() || !::GetFileSizeEx(file.Get(), &size)) return std::nullopt;
    return (uint64_t)size.QuadPart;
}
