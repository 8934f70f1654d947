#include "HexSave.h"

#include <windows.h>

#include <algorithm>

#include "UniqueHandle.h"

namespace {

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
    UniqueHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER actual;
    if (!file || !::GetFileSizeEx(file.get(), &actual) || (uint64_t)actual.QuadPart != size) return false;
    for (const auto& run : edits.Runs()) {
        // Edits never lie past the size, but the file must not grow if one did.
        if (run.offset + run.bytes.size() > size) return false;
        if (!WriteAll(file.get(), run.offset, run.bytes)) return false;
    }
    if (!::FlushFileBuffers(file.get())) return false;
    return file.close();
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
