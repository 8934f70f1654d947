#include "FileInfo.h"

bool GetFileStampDetail(const char* path, FileStampDetail& detail) {
    detail = FileStampDetail();
    // Not FindFirstFile: a wildcard in the path would match another file.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    FILETIME local{};
    WORD date = 0, time = 0;
    if (!::FileTimeToLocalFileTime(&data.ftLastWriteTime, &local)) return false;
    if (!::FileTimeToDosDateTime(&local, &date, &time)) return false;
    detail.stamp = (FileStamp)(((uint32_t)date << 16) | time);
    detail.lastWriteUtc = data.ftLastWriteTime;
    detail.size = ((uint64_t)data.nFileSizeHigh << 32) | data.nFileSizeLow;
    return true;
}

FileStamp GetFileStamp(const char* path) {
    FileStampDetail detail;
    GetFileStampDetail(path, detail);
    return detail.stamp;
}

bool FileExists(const char* path) { return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

bool IsDirectory(const char* path) {
    DWORD attributes = ::GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
