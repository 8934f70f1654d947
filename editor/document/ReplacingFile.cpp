#include "ReplacingFile.h"

#include <algorithm>
#include <vector>

#include "ResourceText.h"

namespace {

SaveInterruptSeam g_interruptSeam = nullptr;

bool Interrupted(SaveStage stage) { return g_interruptSeam && g_interruptSeam(stage); }

constexpr const wchar_t* kPartSuffix = L".tarnwick-part";
constexpr const wchar_t* kSaveSuffix = L".tarnwick-save";
// Large blocks for reading the copy back: fewer calls are what make the
// in-place copy fast.
constexpr size_t kCopyBlock = 4 * 1024 * 1024;

std::wstring FullPath(const std::wstring& path) {
    const DWORD length = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) return path;
    std::wstring full(length, L'\0');
    const DWORD got = ::GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
    if (got == 0 || got >= length) return path;
    full.resize(got);
    return full;
}

// The copy's name in the temporary folder: one per target path, so that the
// next open of the path finds it.
std::wstring TemporaryStem(const std::wstring& target) {
    unsigned long long hash = 14695981039346656037ull;
    for (wchar_t c : target) {
        hash ^= static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(::CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c))))) & 0xFFFF;
        hash *= 1099511628211ull;
    }
    wchar_t folder[MAX_PATH + 1] = {};
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, folder);
    wchar_t name[32];
    ::wsprintfW(name, L"tarnwick-%08lx%08lx", (unsigned long)(hash >> 32), (unsigned long)hash);
    return std::wstring(folder, length) + name;
}

bool BesideFits(const std::wstring& target) { return target.size() + ::lstrlenW(kSaveSuffix) < MAX_PATH; }

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Writes go out in calls of at most 1 MB. Into new pages of a file (the
// copy, a file's growth) one call of several megabytes is many times slower
// than the same bytes in 1 MB calls: under Wine on Linux 50 MB took 90-170 ms
// in one call or in 4 MB calls, and 12-17 ms in 1 MB calls (at 2 MB it is
// slow at times). Over pages the file has already, the call size makes no
// difference.
constexpr size_t kWriteStep = 1024 * 1024;

bool WriteAll(HANDLE file, const char* bytes, size_t length) {
    while (length > 0) {
        const DWORD step = static_cast<DWORD>(length < kWriteStep ? length : kWriteStep);
        DWORD written = 0;
        if (!::WriteFile(file, bytes, step, &written, nullptr)) return false;
        if (written == 0) {
            ::SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        bytes += written;
        length -= written;
    }
    return true;
}

bool Seek(HANDLE file, unsigned long long offset) {
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(offset);
    return ::SetFilePointerEx(file, to, nullptr, FILE_BEGIN) != FALSE;
}

// Copies count bytes from the current position of from to that of to.
bool CopyBytes(HANDLE from, HANDLE to, unsigned long long count, std::vector<char>& buffer, bool* touched) {
    while (count > 0) {
        const DWORD want = count < buffer.size() ? static_cast<DWORD>(count) : static_cast<DWORD>(buffer.size());
        DWORD got = 0;
        if (!::ReadFile(from, buffer.data(), want, &got, nullptr)) return false;
        if (got == 0) {
            ::SetLastError(ERROR_HANDLE_EOF);
            return false;
        }
        if (touched) *touched = true;
        if (!WriteAll(to, buffer.data(), got)) return false;
        count -= got;
    }
    return true;
}

long long Ticks() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

}  // namespace

SaveInterruptSeam SetSaveInterruptSeam(SaveInterruptSeam seam) {
    SaveInterruptSeam previous = g_interruptSeam;
    g_interruptSeam = seam;
    return previous;
}

CReplacingFile::~CReplacingFile() { Discard(); }

bool CReplacingFile::Fail(DWORD error) {
    if (!m_failed) m_error = error ? error : ERROR_WRITE_FAULT;
    m_failed = true;
    Discard();
    return false;
}

void CReplacingFile::Discard() {
    m_file.close();
    m_targetFile.close();
    if (!m_part.empty()) ::DeleteFileW(m_part.c_str());
    if (!m_copy.empty() && !m_keptCopy) ::DeleteFileW(m_copy.c_str());
    m_part.clear();
    m_copy.clear();
    m_spans.clear();
}

bool CReplacingFile::Open(const std::string& target, WrittenBytes bytes) {
    Discard();
    m_bytesStay = bytes == WrittenBytes::kStayPut;
    m_failed = false;
    m_keptCopy = false;
    m_error = 0;
    m_written = 0;
    m_flushTicks = 0;
    m_target = FullPath(ToWide(target));

    const DWORD attributes = ::GetFileAttributesW(m_target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        // Wine lets root open a read-only file for writing; the attribute is
        // the user's word that it is not to be written.
        if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return Fail(ERROR_ACCESS_DENIED);
        // Held from here to the end: read-only, locked or written by another
        // program, it is refused before anything is written; and nobody else
        // writes it while the save runs.
        m_targetFile = UniqueHandle(::CreateFileW(m_target.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!m_targetFile) return Fail();
    }

    const std::wstring temporary = TemporaryStem(m_target);
    m_copyBeside = BesideFits(m_target);
    if (m_copyBeside) {
        m_part = m_target + kPartSuffix;
        m_file = UniqueHandle(::CreateFileW(m_part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!m_file) {
            const DWORD error = ::GetLastError();
            m_part.clear();
            // A missing folder, or a new file in a folder that cannot be
            // written: the file could not be made either.
            if (!m_targetFile) return Fail(error);
            m_copyBeside = false;
        }
    }
    if (!m_copyBeside) {
        m_part = temporary + L".part";
        m_file = UniqueHandle(::CreateFileW(m_part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!m_file) {
            const DWORD error = ::GetLastError();
            m_part.clear();
            return Fail(error);
        }
    }
    return true;
}

bool CReplacingFile::Write(const void* data, size_t length) {
    if (m_failed || !m_file) return false;
    if (!WriteAll(m_file.get(), static_cast<const char*>(data), length)) return Fail();
    if (m_bytesStay && length > 0) m_spans.push_back({static_cast<const char*>(data), length});
    m_written += length;
    return true;
}

bool CReplacingFile::Commit() {
    if (m_failed || !m_file) return false;
    if (!TimedFlush(m_file.get()) || !m_file.close()) return Fail();

    if (!m_targetFile && m_copyBeside) {
        // A new file: the whole copy takes its name in one step.
        if (!::MoveFileExW(m_part.c_str(), m_target.c_str(), MOVEFILE_WRITE_THROUGH)) return Fail();
        m_part.clear();
        return true;
    }

    // The copy is whole: under its save name it is what an interruption
    // leaves for the next open.
    const std::wstring copy = m_copyBeside ? m_target + kSaveSuffix : TemporaryStem(m_target) + L".save";
    if (!::MoveFileExW(m_part.c_str(), copy.c_str(), MOVEFILE_REPLACE_EXISTING)) return Fail();
    m_part.clear();
    m_copy = copy;
    if (Interrupted(kSaveCopyWritten)) {
        m_targetFile.close();
        m_copy.clear();
        m_failed = true;
        m_error = ERROR_OPERATION_ABORTED;
        return false;
    }
    if (!m_targetFile) {
        m_targetFile = UniqueHandle(::CreateFileW(m_target.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                                  nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!m_targetFile) return Fail();
    }
    if (!WriteInPlace()) return false;
    m_targetFile.close();
    ::DeleteFileW(m_copy.c_str());
    m_copy.clear();
    return true;
}

bool CReplacingFile::WriteInPlace() {
    HANDLE target = m_targetFile.get();
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(target, &size)) return Fail();
    const unsigned long long oldSize = static_cast<unsigned long long>(size.QuadPart);
    const unsigned long long newSize = m_written;
    // The new bytes come from where the caller keeps them, the same bytes
    // the copy got; else they are read back from the copy, opened shared for
    // deleting: a failure below removes the copy while it is open.
    UniqueHandle copy;
    std::vector<char> buffer;
    if (!m_bytesStay) {
        copy = UniqueHandle(::CreateFileW(m_copy.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (!copy) return Fail();
        buffer.resize(newSize < kCopyBlock ? static_cast<size_t>(newSize) + 1 : kCopyBlock);
    }
    // Writes count new bytes, from offset on, at the target's position.
    const auto put = [&](unsigned long long offset, unsigned long long count, bool* touched) {
        if (m_bytesStay) return WriteKept(target, offset, count, touched);
        return Seek(copy.get(), offset) && CopyBytes(copy.get(), target, count, buffer, touched);
    };

    // The growth first, after the old bytes: a disk too full for it fails
    // here, and cutting the file back leaves it as it was. (Space cannot be
    // reserved ahead: Wine 8 does not implement FileAllocationInfo.)
    if (newSize > oldSize) {
        if (!Seek(target, oldSize) || !put(oldSize, newSize - oldSize, nullptr)) {
            const DWORD error = ::GetLastError();
            if (Seek(target, oldSize)) ::SetEndOfFile(target);
            return Fail(error);
        }
    }
    // From here on the old bytes change: a failure keeps the whole copy.
    bool touched = false;
    const unsigned long long head = newSize < oldSize ? newSize : oldSize;
    const unsigned long long half = head / 2;
    bool ok = Seek(target, 0) && put(0, half, &touched);
    if (ok && Interrupted(kSaveTargetHalfWritten)) {
        m_targetFile.close();
        m_copy.clear();
        m_failed = true;
        m_error = ERROR_OPERATION_ABORTED;
        return false;
    }
    ok = ok && put(half, head - half, &touched);
    ok = ok && (newSize >= oldSize || (Seek(target, newSize) && ::SetEndOfFile(target)));
    ok = ok && TimedFlush(target);
    if (!ok) {
        const DWORD error = ::GetLastError();
        m_keptCopy = touched || newSize < oldSize;
        if (!m_keptCopy && newSize > oldSize && Seek(target, oldSize)) ::SetEndOfFile(target);
        return Fail(error);
    }
    return true;
}

bool CReplacingFile::WriteKept(HANDLE target, unsigned long long offset, unsigned long long count,
                               bool* touched) const {
    for (const Span& span : m_spans) {
        if (count == 0) break;
        if (offset >= span.length) {
            offset -= span.length;
            continue;
        }
        const size_t n = static_cast<size_t>(std::min<unsigned long long>(span.length - offset, count));
        if (touched) *touched = true;
        if (!WriteAll(target, span.bytes + offset, n)) return false;
        offset = 0;
        count -= n;
    }
    if (count == 0) return true;
    ::SetLastError(ERROR_HANDLE_EOF);
    return false;
}

bool CReplacingFile::TimedFlush(HANDLE file) {
    const long long start = Ticks();
    const bool ok = ::FlushFileBuffers(file) != FALSE;
    m_flushTicks += Ticks() - start;
    return ok;
}

long long CReplacingFile::FlushMicroseconds() const {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart > 0 ? m_flushTicks * 1000000 / frequency.QuadPart : 0;
}

std::wstring SaveCopyFor(const std::wstring& target) {
    const std::wstring full = FullPath(target);
    const std::wstring temporary = TemporaryStem(full);
    struct Names {
        std::wstring part, save;
    };
    std::vector<Names> places;
    if (BesideFits(full)) places.push_back({full + kPartSuffix, full + kSaveSuffix});
    places.push_back({temporary + L".part", temporary + L".save"});
    std::wstring found;
    for (const Names& names : places) {
        if (Exists(names.part)) ::DeleteFileW(names.part.c_str());
        if (found.empty() && Exists(names.save)) found = names.save;
    }
    return found;
}

std::string SaveCopyFor(const std::string& target) {
    const std::wstring copy = SaveCopyFor(ToWide(target));
    return copy.empty() ? std::string() : ToAnsi(copy);
}
