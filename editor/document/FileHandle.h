#pragma once
// Owns a Win32 file handle; closes it unless Close() already did.
#include <windows.h>

#include <utility>

class CFileHandle {
public:
    CFileHandle() = default;
    explicit CFileHandle(HANDLE handle) : m_handle(handle) {}
    ~CFileHandle() { Close(); }
    CFileHandle(CFileHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, INVALID_HANDLE_VALUE)) {}
    CFileHandle& operator=(CFileHandle&& other) noexcept {
        if (this != &other) {
            Close();
            m_handle = std::exchange(other.m_handle, INVALID_HANDLE_VALUE);
        }
        return *this;
    }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    // False when closing failed, which for a written file means lost data.
    bool Close() {
        if (!*this) return true;
        const BOOL ok = ::CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        return ok != FALSE;
    }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};
