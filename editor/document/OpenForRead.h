#pragma once
// A checked way to open a file for reading, and the file as a byte source.
#include <windows.h>

#include <string>

#include "ByteStreams.h"
#include "UniqueHandle.h"

// Opens path for reading, sharing read and write. On failure, unless
// quiet (the session is being restored), shows IDS_OPEN_FILE_FAILED with the path
// and the system's text for the error, owned by owner.
UniqueHandle OpenForRead(const char* path, HWND owner, bool quiet);

// IDS_OPEN_FILE_FAILED's format filled in with the path and the system's text for
// error.
std::string OpenFailureText(const char* format, const char* path, DWORD error);

class CFileByteSource : public IByteSource {
public:
    explicit CFileByteSource(HANDLE file) : m_file(file) {}
    bool Read(char* buffer, size_t size, size_t* got) override;

private:
    HANDLE m_file;
};
