#include "SearchFileReader.h"

#include "UniqueHandle.h"

FileReadResult CSearchFileReader::Read(const char* path, size_t limit) {
    m_size = 0;
    // Every sharing mode: a file another program has open for writing is
    // still searched, as an editor would show it.
    UniqueHandle file(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                                    nullptr));
    if (!file) return kReadCannotOpen;
    if (m_buffer.size() < limit) m_buffer.resize(limit);
    // A file that grew since it was listed is read up to the limit only. A
    // short read is the end of the file, so a file takes one ReadFile and no
    // second one that only finds the end.
    while (m_size < limit) {
        const DWORD wanted = static_cast<DWORD>(limit - m_size);
        DWORD got = 0;
        if (!::ReadFile(file.get(), m_buffer.data() + m_size, wanted, &got, nullptr)) {
            m_size = 0;
            return kReadFailed;
        }
        m_size += got;
        if (got < wanted) break;
    }
    return kReadDone;
}
