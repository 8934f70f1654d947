#include "MappedFile.h"

MapResult MapFileReadOnly(const char* path, HANDLE& file, HANDLE& mapping, const void*& view) {
    file = mapping = nullptr;
    view = nullptr;
    HANDLE opened = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
    if (opened == INVALID_HANDLE_VALUE) return kMapCannotOpen;
    HANDLE made = ::CreateFileMappingA(opened, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!made || ::GetLastError() == ERROR_ALREADY_EXISTS) {
        if (made) ::CloseHandle(made);
        ::CloseHandle(opened);
        return kMapNoMapping;
    }
    const void* mapped = ::MapViewOfFile(made, FILE_MAP_READ, 0, 0, 0);
    if (!mapped) {
        ::CloseHandle(made);
        ::CloseHandle(opened);
        return kMapNoView;
    }
    file = opened;
    mapping = made;
    view = mapped;
    return kMapDone;
}

void UnmapFileView(const void* view, HANDLE file, HANDLE mapping) {
    if (view) ::UnmapViewOfFile(view);
    if (mapping) ::CloseHandle(mapping);
    if (file) ::CloseHandle(file);
}

CMappedFile::CMappedFile(const char* path) : m_result(MapFileReadOnly(path, m_file, m_mapping, m_view)) {
    if (m_result != kMapDone) return;
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(m_file, &size)) m_size = static_cast<size_t>(size.QuadPart);
}
