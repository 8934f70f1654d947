#include "FileInfo.h"

#include "ResourceText.h"

bool GetFileStampDetail(const char* path, FileStampDetail& detail) {
    detail = FileStampDetail();
    // Not FindFirstFile: a wildcard in the path would match another file.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(ToWide(path).c_str(), GetFileExInfoStandard, &data)) return false;
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

bool FileStateDiffers(const FileStampDetail& a, const FileStampDetail& b) {
    return a.stamp != b.stamp || a.size != b.size || a.lastWriteUtc.dwLowDateTime != b.lastWriteUtc.dwLowDateTime ||
           a.lastWriteUtc.dwHighDateTime != b.lastWriteUtc.dwHighDateTime;
}

FileStamp GetFileStamp(const char* path) {
    FileStampDetail detail;
    GetFileStampDetail(path, detail);
    return detail.stamp;
}

bool FileExists(const char* path) { return ::GetFileAttributesW(ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsDirectory(const char* path) {
    DWORD attributes = ::GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
