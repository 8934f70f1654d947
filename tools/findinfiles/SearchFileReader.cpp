#include "SearchFileReader.h"

#include "UniqueHandle.h"

FileReadResult CSearchFileReader::Read(const char* path, size_t limit) {
    m_size = 0;
    UniqueHandle file(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return kReadCannotOpen;
    if (m_buffer.size() < limit) m_buffer.resize(limit);
    // A file that grew since it was listed is read up to the limit only.
    while (m_size < limit) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), m_buffer.data() + m_size, static_cast<DWORD>(limit - m_size), &got, nullptr)) {
            m_size = 0;
            return kReadFailed;
        }
        if (got == 0) break;
        m_size += got;
    }
    return kReadDone;
}
