#pragma once
// Every save of the editor (Save, Save As, save-all, a tool's "save first",
// the save on close) and its other whole-file writes go through here. The
// rule, chosen so that no byte is ever lost and the file stays the same file:
//
// 1. The complete new content is written to a copy and flushed before the
//    file itself is touched. The copy lives beside the file; in the
//    temporary folder when the file's folder cannot be written or the copy's
//    name would pass the path limit. It is written under a "part" name and
//    renamed to its "save" name once complete and flushed, so a copy under
//    the save name is always whole.
// 2. A file that does not exist yet is made by renaming the copy to its
//    name (one atomic step) when the copy is beside it.
// 3. An existing file is written in place: the same file, so a symbolic link
//    stays a link and its target gets the text, every hard link sees it, and
//    the owner, the mode and the attributes stay as they were. (Under Wine a
//    program sees neither the Unix mode nor whether a name is a link by its
//    attributes, and a renamed-in file takes the umask's mode: a rename would
//    make a 600 file 644 and drop a script's executable bit.) The copy is
//    kept until the in-place write is complete and flushed, then deleted.
// 4. Anything refused before the file is touched (no write access, locked,
//    disk too full for the growth) fails cleanly: the file stays
//    byte-identical and no copy remains. An interrupted in-place write leaves
//    the whole copy under its save name; the next open of that path finds it
//    (SaveCopyFor) and offers it.
//
// Paths come in the ANSI code page and are used whole through the wide
// calls, so a path longer than the ANSI calls take is still written under
// its own name, never a cut one.
#include <windows.h>

#include <string>
#include <vector>

#include "ByteStreams.h"
#include "UniqueHandle.h"

// The stages a save passes, for the interruption seam of the tests.
enum SaveStage : int {
    kSaveCopyWritten = 0,  // the copy is whole and flushed under its save name
    kSaveTargetHalfWritten = 1,  // part of the in-place write has been done
};
// Returns true to stop the save at that stage as a killed process would: the
// files are left exactly as they are then. Null (the default) never stops.
using SaveInterruptSeam = bool (*)(SaveStage stage);
SaveInterruptSeam SetSaveInterruptSeam(SaveInterruptSeam seam);

// What the caller of CReplacingFile promises of the bytes it gives Write.
enum class WrittenBytes : int {
    kReused = 0,   // they may change once Write returns
    kStayPut = 1,  // they stay where they are, unchanged, until Commit returns
};

class CReplacingFile : public IByteSink {
public:
    CReplacingFile() = default;
    ~CReplacingFile() override;
    CReplacingFile(const CReplacingFile&) = delete;
    CReplacingFile& operator=(const CReplacingFile&) = delete;

    // Fails at once, before anything is written, when the target exists but
    // cannot be written (read-only, locked, a folder) or its folder is
    // missing. With WrittenBytes::kStayPut the in-place write takes the new
    // bytes from where the caller has them, so the copy is only written,
    // never read back.
    bool Open(const std::string& target, WrittenBytes bytes = WrittenBytes::kReused);
    bool Write(const void* data, size_t length) override;
    // Flushes the copy, then puts the content into the target by the rule
    // above. False leaves the target untouched unless the in-place write
    // itself failed, when the whole copy is kept for the next open.
    bool Commit();

    DWORD LastError() const { return m_error; }
    // True after a Commit that failed while writing the target in place: the
    // new content is only whole in the copy.
    bool KeptCopy() const { return m_keptCopy; }
    // Microseconds the last Commit spent in its flushes, the copy's and the
    // file's together: the time a save waits for the disk, which the save
    // benchmark shows apart from the writing.
    long long FlushMicroseconds() const;

private:
    bool Fail(DWORD error = ::GetLastError());
    void Discard();
    bool WriteInPlace();
    // Writes count of the bytes Write was given, from offset on, at the
    // target's position; *touched once anything was written.
    bool WriteKept(HANDLE target, unsigned long long offset, unsigned long long count, bool* touched) const;
    // FlushFileBuffers, its time added to m_flushTicks.
    bool TimedFlush(HANDLE file);

    struct Span {
        const char* bytes;
        size_t length;
    };

    std::wstring m_target;
    std::wstring m_part;  // the copy while it is written
    std::wstring m_copy;  // the copy once whole
    UniqueHandle m_file;  // the copy
    UniqueHandle m_targetFile;  // the existing target, opened for writing
    unsigned long long m_written = 0;
    DWORD m_error = 0;
    bool m_failed = false;
    bool m_keptCopy = false;
    bool m_copyBeside = false;
    long long m_flushTicks = 0;
    bool m_bytesStay = false;
    std::vector<Span> m_spans;  // what Write was given, when those bytes stay put
};

// The whole copy an interrupted save of path left behind, or "" when there
// is none; a partial copy of an interrupted save is removed on the way (the
// file was never touched by that save).
std::wstring SaveCopyFor(const std::wstring& target);
// The same for an ANSI path.
std::string SaveCopyFor(const std::string& target);
