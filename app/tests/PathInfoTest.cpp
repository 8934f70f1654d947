// The path and file information helpers: path texts, file stamps, existence
// tests and the size and hex texts. The Wine session runs code page 936 with
// ',' as thousands separator and '.' as decimal point.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "FileInfo.h"
#include "PathString.h"
#include "SizeText.h"
#include "TempFolder.h"

namespace {

// A GBK character whose trail byte is '\'.
const std::string kTrailBackslash = "\x95\x5C";

TEST(PathString, TestsNameAndDirectory) {
    struct Row {
        std::string path;
        bool set, absolute, root;
        std::string name, directory;
    } rows[] = {
        {"C:\\", true, true, true, "", "C:\\"},
        {"C:\\a.txt", true, true, false, "a.txt", "C:\\"},
        {"C:\\dir\\a.txt", true, true, false, "a.txt", "C:\\dir"},
        {"C:\\my.dir\\a", true, true, false, "a", "C:\\my.dir"},
        {"a.txt", true, false, false, "a.txt", ""},
        {"a\\b", true, false, false, "b", "a"},
        {"\\x.txt", true, true, false, "x.txt", "\\"},
        {"\\\\srv\\sh\\f", true, true, false, "f", "\\\\srv\\sh"},
        {"C:rel.txt", true, true, false, "C:rel.txt", ""},
        {"", false, false, false, "", ""},
        {"C:\\d" + kTrailBackslash, true, true, false, "d" + kTrailBackslash, "C:\\"},
        {"C:\\" + kTrailBackslash + "\\f", true, true, false, "f", "C:\\" + kTrailBackslash},
    };
    for (const Row& row : rows) {
        CPathString path(row.path);
        SCOPED_TRACE(row.path);
        EXPECT_EQ(row.set, path.IsSet());
        EXPECT_EQ(row.absolute, path.IsAbsolute());
        EXPECT_EQ(row.root, path.IsRoot());
        EXPECT_EQ(row.name, path.Name().AsText());
        EXPECT_EQ(row.directory, path.Directory().AsText());
    }
}

TEST(PathString, Joins) {
    struct Row {
        std::string directory, name, joined;
    } rows[] = {
        {"", "x", "x"},
        {"C:\\d", "x", "C:\\d\\x"},
        {"C:\\d", "D:\\y", "D:\\y"},
        {"C:\\d", "\\y", "\\y"},
        {"C:\\", "x", "C:\\x"},
        {"C:\\d\\", "x", "C:\\d\\x"},
        {"C:\\d" + kTrailBackslash, "x", "C:\\d" + kTrailBackslash + "\\x"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.joined, CPathString::Join(row.directory, row.name).AsText()) << row.directory << " + " << row.name;
        EXPECT_EQ(row.joined, CPathString(row.directory, row.name).AsText());
    }
}

TEST(PathString, OpensForReadingAndWriting) {
    TempFolder folder;
    CPathString path(folder.File("f.txt"));
    {
        UniqueFile out = path.Open("wb");
        ASSERT_TRUE(out);
        std::fputs("abc", out.get());
    }
    UniqueFile in = path.Open("rb");
    ASSERT_TRUE(in);
    char text[8] = {};
    EXPECT_EQ(3u, std::fread(text, 1, sizeof(text), in.get()));
    EXPECT_STREQ("abc", text);
    EXPECT_FALSE(CPathString(folder.File("missing.txt")).Open("rb"));
    EXPECT_FALSE(CPathString().Open("rb"));
}

// Sets the file's last-write time to a local calendar time.
void SetLocalWriteTime(const std::string& path, WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME local{year, month, 0, day, hour, minute, second, 0};
    FILETIME localTime{}, utc{};
    ASSERT_TRUE(::SystemTimeToFileTime(&local, &localTime));
    ASSERT_TRUE(::LocalFileTimeToFileTime(&localTime, &utc));
    HANDLE file = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    EXPECT_TRUE(::SetFileTime(file, nullptr, nullptr, &utc));
    ::CloseHandle(file);
}

FileStamp DosStamp(int year, int month, int day, int hour, int minute, int second) {
    uint32_t date = ((year - 1980) << 9) | (month << 5) | day;
    uint32_t time = (hour << 11) | (minute << 5) | (second / 2);
    return (FileStamp)((date << 16) | time);
}

TEST(FileStamp, IsTheLocalDosTimeOfTheLastWrite) {
    TempFolder folder;
    folder.Write("a.txt", "12345");
    std::string path = folder.File("a.txt");
    SetLocalWriteTime(path, 2020, 6, 15, 10, 20, 30);
    EXPECT_EQ(DosStamp(2020, 6, 15, 10, 20, 30), GetFileStamp(path.c_str()));

    FileStampDetail detail;
    ASSERT_TRUE(GetFileStampDetail(path.c_str(), detail));
    EXPECT_EQ(5u, detail.size);

    // A rewrite more than 2 s later is a new stamp; one within the same 2 s
    // is not, but the UTC time still tells them apart.
    SetLocalWriteTime(path, 2020, 6, 15, 10, 20, 33);
    EXPECT_EQ(DosStamp(2020, 6, 15, 10, 20, 33), GetFileStamp(path.c_str()));
    FileStampDetail later;
    SetLocalWriteTime(path, 2020, 6, 15, 10, 20, 32);
    ASSERT_TRUE(GetFileStampDetail(path.c_str(), later));
    EXPECT_EQ(DosStamp(2020, 6, 15, 10, 20, 33), later.stamp);
    EXPECT_NE(0, ::CompareFileTime(&detail.lastWriteUtc, &later.lastWriteUtc));
}

TEST(FileStamp, IsMinusOneWithoutADosTime) {
    TempFolder folder;
    folder.Write("old.txt", "x");
    SetLocalWriteTime(folder.File("old.txt"), 1975, 1, 2, 3, 4, 6);
    folder.Write("b.txt", "x");
    const std::string paths[] = {folder.Path(), folder.File("missing.txt"), "C:\\", folder.File("old.txt"),
                                 folder.File("b*.txt")};
    for (const std::string& path : paths) EXPECT_EQ(kNoFileStamp, GetFileStamp(path.c_str())) << path;
}

TEST(FileInfo, ExistsAndIsDirectory) {
    TempFolder folder;
    folder.Write("f.txt", "x");
    struct Row {
        std::string path;
        bool exists, directory;
    } rows[] = {
        {folder.File("f.txt"), true, false},
        {folder.Path(), true, true},
        {folder.File("missing"), false, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.exists, FileExists(row.path.c_str())) << row.path;
        EXPECT_EQ(row.directory, IsDirectory(row.path.c_str())) << row.path;
    }
}

TEST(SizeText, AddsThousandsSeparators) {
    struct Row {
        std::string text, separator, expected;
    } rows[] = {
        {"", ",", ""},          {"1", ",", "1"},       {"123", ",", "123"},
        {"1234", ",", "1,234"}, {"123456", ",", "123,456"}, {"1234567", ",", "1,234,567"},
        {"1234", "", "1234"},   {"1234", "\xA1\xA4", "1\xA1\xA4" "234"},
    };
    for (const Row& row : rows) {
        char text[32];
        std::strcpy(text, row.text.c_str());
        EXPECT_TRUE(AddThousandsSeparator(text, sizeof(text), row.separator));
        EXPECT_EQ(row.expected, text) << row.text;
    }
    EXPECT_EQ(",", UserThousandsSeparator());
}

TEST(SizeText, RefusesWhatDoesNotFit) {
    char text[8] = "1234567";  // "1,234,567" needs 10 bytes
    EXPECT_FALSE(AddThousandsSeparator(text, sizeof(text), ","));
    EXPECT_STREQ("1234567", text);
    char exact[6] = "1234";
    EXPECT_TRUE(AddThousandsSeparator(exact, sizeof(exact), ","));
    EXPECT_STREQ("1,234", exact);
}

TEST(SizeText, FormatsByteSizes) {
    struct Row {
        uint64_t count;
        const char* text;
    } rows[] = {
        {0, "0 Bytes"},          {1023, "1,023 Bytes"},      {1024, "1.00 KB"},
        {1536, "1.50 KB"},       {1048575, "1,024.00 KB"},   {1048576, "1.00 MB"},
        {0xFFFFFFFFull, "4.00 GB"}, {1ull << 40, "1,024.00 GB"},
    };
    for (const Row& row : rows) {
        char buffer[50];
        FormatByteSize(buffer, sizeof(buffer), row.count);
        EXPECT_STREQ(row.text, buffer) << row.count;
    }
    char small[6];
    FormatByteSize(small, sizeof(small), 1023);
    EXPECT_STREQ("1,023", small) << "cut to the buffer, still terminated";
}

TEST(SizeText, FormatsHex) {
    const unsigned char bytes[] = {0x00, 0xAB, 0x1F};
    char out[2 * sizeof(bytes) + 1];
    std::memset(out, 'x', sizeof(out));
    FormatHex(out, bytes, sizeof(bytes));
    EXPECT_STREQ("00AB1F", out);
    FormatHex(out, bytes, 0);
    EXPECT_STREQ("", out);
}

}  // namespace
