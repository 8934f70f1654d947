// The network copy where no FTP server is needed.
#include "dovari.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

using namespace dovari_test;

namespace {

TEST(CopyNetFile, LocalToLocalCopiesAndAnnounces)
{
    TempFolder tmp;
    WriteFile(tmp.File("src.txt"), "content");
    WriteFile(tmp.File("kept.txt"), "old");
    struct {
        const char* source;
        const char* destination;
        int flag;
        int expected;
        const char* destinationAfter;
    } cases[] = {
        {"src.txt", "copy.txt", 0, 1, "content"},
        {"src.txt", "kept.txt", 1, 0, "old"},
        {"missing.txt", "other.txt", 0, 0, ""},
    };
    for (const auto& c : cases) {
        std::string src = tmp.File(c.source);
        std::string dst = tmp.File(c.destination);
        StdoutCapture out;
        EXPECT_EQ(CopyNetFile(src.c_str(), dst.c_str(), c.flag) != 0, c.expected != 0) << c.source;
        EXPECT_EQ(out.Text(), "CopyFile(" + Slashed(src) + ", " + Slashed(dst) + ", " + std::to_string(c.flag) + ")\n");
        EXPECT_EQ(ReadFile(dst), c.destinationAfter) << c.destination;
    }
    // The caller's texts keep their backslashes; the current folder stays.
    std::string src = tmp.File("src.txt");
    const std::string before = src;
    char folder[MAX_PATH];
    GetCurrentDirectoryA(sizeof folder, folder);
    StdoutCapture out;
    CopyNetFile(src.c_str(), (tmp.File("again.txt")).c_str(), 0);
    EXPECT_EQ(src, before);
    char after[MAX_PATH];
    GetCurrentDirectoryA(sizeof after, after);
    EXPECT_STREQ(after, folder);
}

TEST(CopyNetFile, FtpToFtpIsRefusedWithItsLineAndAnswersZero)
{
    StdoutCapture out;
    EXPECT_EQ(CopyNetFile("ftp://127.0.0.1/d/a", "ftp://127.0.0.1/d/b", 0), 0) << "nothing was copied";
    EXPECT_EQ(out.Text(), "[ERROR]: CopyNetFile not support ftp to ftp copy mode.\n");
}

TEST(CopyNetFile, OverlongPathsAreRefused)
{
    std::string longPath = "C:\\" + std::string(300, 'x');
    StdoutCapture out;
    EXPECT_EQ(CopyNetFile(longPath.c_str(), "C:\\b", 0), 0);
    EXPECT_EQ(CopyNetFile("C:\\a", longPath.c_str(), 0), 0);
    EXPECT_EQ(out.Text(), "");
}

TEST(DeleteNetFile, DeletesALocalFileAndReportsAMissingOne)
{
    TempFolder tmp;
    WriteFile(tmp.File("f.txt"), "x");
    EXPECT_EQ(DeleteNetFile((tmp.File("f.txt")).c_str()), 1);
    EXPECT_FALSE(IsFile(tmp.File("f.txt")));
    EXPECT_EQ(DeleteNetFile((tmp.File("f.txt")).c_str()), 0);
    EXPECT_EQ(DeleteNetFile(nullptr), 0);
}

} // namespace
