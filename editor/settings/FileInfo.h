#pragma once
// What the editor asks of a file on disk: its stamp, whether it is there,
// whether it is a folder.
#include <windows.h>

#include <cstdint>

// The last-write time as local DOS date (high 16 bits) and time (low 16 bits).
using FileStamp = int32_t;
inline constexpr FileStamp kNoFileStamp = -1;

// The stamp with what it cannot tell apart: the stamp has 2-second steps and
// moves with daylight saving, so a change is judged on the UTC time at full
// precision and the size.
struct FileStampDetail {
    FileStamp stamp = kNoFileStamp;
    FILETIME lastWriteUtc = {};
    uint64_t size = 0;
};
// True when the two describe different states of a file: a rewrite within
// the stamp's two seconds, or one that kept the time but not the size.
bool FileStateDiffers(const FileStampDetail& a, const FileStampDetail& b);

// False (stamp -1) for a missing file, a folder or a time without DOS form.
// The path is used whole (wide calls), however long.
bool GetFileStampDetail(const char* path, FileStampDetail& detail);
FileStamp GetFileStamp(const char* path);
// Files and folders alike.
bool FileExists(const char* path);
bool IsDirectory(const char* path);
