#include "MappedFile.h"

#include "UniqueHandle.h"

MapResult MapFileReadOnly(const char* path, HANDLE& file, HANDLE& mapping, const void*& view) {
    file = mapping = nullptr;
    view = nullptr;
    UniqueHandle opened(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!opened) return kMapCannotOpen;
    UniqueHandle made(::CreateFileMappingA(opened.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!made || ::GetLastError() == ERROR_ALREADY_EXISTS) return kMapNoMapping;
    UniqueView mapped(::MapViewOfFile(made.get(), FILE_MAP_READ, 0, 0, 0));
    if (!mapped) return kMapNoView;
    file = opened.release();
    mapping = made.release();
    view = mapped.release();
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
