#pragma once
// Writes a file's new contents beside it and puts them in its place only
// when everything was written: a failed save leaves the old file as it was.
#include <windows.h>

#include <string>

#include "ByteStreams.h"
#include "UniqueHandle.h"

class CReplacingFile : public IByteSink {
public:
    CReplacingFile() = default;
    ~CReplacingFile() override;
    CReplacingFile(const CReplacingFile&) = delete;
    CReplacingFile& operator=(const CReplacingFile&) = delete;

    // Fails at once when the target exists but cannot be replaced
    // (read-only, locked, open elsewhere without delete sharing).
    bool Open(const std::string& target);
    bool Write(const void* data, size_t length) override;
    // Flushes and closes the new file, then replaces the target with it,
    // keeping the target's attributes. False leaves the target untouched.
    bool Commit();

    DWORD LastError() const { return m_error; }

private:
    bool Fail(DWORD error = ::GetLastError());
    void Discard();

    std::string m_target;
    std::string m_temporary;
    UniqueHandle m_file;
    DWORD m_attributes = INVALID_FILE_ATTRIBUTES;
    DWORD m_error = 0;
    bool m_failed = false;
};
