#pragma once
// Reads each file a search scans into one buffer kept from file to file:
// a plain read is several times cheaper than mapping a file under Wine, and
// the buffer is never larger than the largest file searched.
#include <windows.h>

#include <cstddef>
#include <vector>

// The codes of the "Cannot open file" line.
enum FileReadResult {
    kReadDone = 0,
    kReadCannotOpen = 1,
    kReadFailed = 3,  // opened, but its contents could not be read
};

class CSearchFileReader {
public:
    // Opens path for reading with read sharing and reads up to limit bytes
    // of it; the bytes stay valid until the next Read.
    FileReadResult Read(const char* path, size_t limit);
    const char* Bytes() const { return m_buffer.data(); }
    size_t Size() const { return m_size; }

private:
    std::vector<char> m_buffer;
    size_t m_size = 0;
};
