#include "FilePageSource.h"

#include <windows.h>

#include <algorithm>

#include "UniqueHandle.h"

namespace {

// Shared for writing too, as the text view opens: a file another program
// holds open for writing still shows.
UniqueHandle OpenToRead(const std::string& path) {
    return UniqueHandle(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

size_t FilePageSource::Read(uint64_t offset, uint8_t* buffer, size_t length) {
    UniqueHandle file = OpenToRead(m_path);
    if (!file) return 0;
    LARGE_INTEGER position;
    position.QuadPart = (LONGLONG)offset;
    if (!::SetFilePointerEx(file.get(), position, nullptr, FILE_BEGIN)) return 0;
    size_t total = 0;
    while (total < length) {
        DWORD chunk = (DWORD)std::min<size_t>(length - total, 1u << 30);
        DWORD got = 0;
        if (!::ReadFile(file.get(), buffer + total, chunk, &got, nullptr) || got == 0) break;
        total += got;
    }
    return total;
}

std::optional<uint64_t> FilePageSource::FileSize(const std::string& path) {
    UniqueHandle file = OpenToRead(path);
    LARGE_INTEGER size;
    if (!file || !::GetFileSizeEx(file.get(), &size)) return std::nullopt;
    return (uint64_t)size.QuadPart;
}
