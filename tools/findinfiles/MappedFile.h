#pragma once
// A file mapped read-only into memory for one scan.
#include <windows.h>

#include <cstddef>

enum MapResult {
    kMapDone = 0,
    kMapCannotOpen = 1,
    kMapNoMapping = 2,  // the mapping object cannot be made (or one of that name exists)
    kMapNoView = 3,
};

// Opens the file for reading with read sharing and maps all of it; on
// failure every handle obtained is closed again and the outputs are null.
MapResult MapFileReadOnly(const char* path, HANDLE& file, HANDLE& mapping, const void*& view);
// Releases what MapFileReadOnly obtained; null parts are passed over.
void UnmapFileView(const void* view, HANDLE file, HANDLE mapping);

// MapFileReadOnly and UnmapFileView as one object.
class CMappedFile {
public:
    explicit CMappedFile(const char* path);
    ~CMappedFile() { UnmapFileView(m_view, m_file, m_mapping); }
    CMappedFile(const CMappedFile&) = delete;
    CMappedFile& operator=(const CMappedFile&) = delete;

    MapResult Result() const { return m_result; }
    const char* Bytes() const { return static_cast<const char*>(m_view); }
    // The size of the open file; 0 when it is not mapped.
    size_t Size() const { return m_size; }

private:
    HANDLE m_file = nullptr;
    HANDLE m_mapping = nullptr;
    const void* m_view = nullptr;
    size_t m_size = 0;
    MapResult m_result;
};
