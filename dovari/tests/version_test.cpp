// Version queries and the banner. This program has no version resource of
// its own; dovari_version_fixture.exe beside it reads 2.0.318.0.
#include "dovari_common/process_start.h"
#include "dovari_sys.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace dovari_test;

namespace {

std::string Fixture()
{
    return ProgramFolder() + "\\dovari_version_fixture.exe";
}

TEST(FileVersion, ReadsTheFixedRecord)
{
    VS_FIXEDFILEINFO info{};
    ASSERT_EQ(GetFileFixedVersion(Fixture().c_str(), &info), 1);
    EXPECT_EQ(info.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(info.dwFileVersionMS, 0x00020000u);
    EXPECT_EQ(info.dwFileVersionLS, 318u << 16);
}

TEST(FileVersion, FilesWithoutARecordAnswerZero)
{
    TempFolder tmp;
    WriteFile(tmp.File("plain.txt"), "no resource here");
    const std::string cases[] = {tmp.File("plain.txt"), tmp.File("missing.exe"), ProgramPath()};
    VS_FIXEDFILEINFO info{};
    char text[32] = "untouched";
    for (const auto& path : cases) {
        EXPECT_EQ(GetFileFixedVersion(path.c_str(), &info), 0) << path;
        EXPECT_EQ(GetFileVersionText(path.c_str(), text, sizeof text), 0) << path;
    }
    EXPECT_EQ(GetFileFixedVersion(nullptr, &info), 0); // this program
    EXPECT_STREQ(text, "untouched");
}

TEST(FileVersion, TextIsCopiedOnlyWhenItFits)
{
    struct {
        int size;
        const char* expected;
    } cases[] = {
        {64, "2.0.318.0"},
        {10, "2.0.318.0"},
        {9, "#########"}, // the answer is still 1
        {0, "#########"},
    };
    for (const auto& c : cases) {
        char text[64];
        std::memset(text, '#', sizeof text);
        text[9] = '\0';
        EXPECT_EQ(GetFileVersionText(Fixture().c_str(), text, c.size), 1) << c.size;
        EXPECT_STREQ(text, c.expected) << c.size;
    }
}

TEST(Banner, NamesTheProgramWithTheDefaultVersion)
{
    // A child copy of this program prints the banner into a file of ours.
    TempFolder tmp;
    std::string outPath = tmp.File("banner.txt");
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE out = CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(out, INVALID_HANDLE_VALUE);
    HANDLE saved = GetStdHandle(STD_OUTPUT_HANDLE);
    SetStdHandle(STD_OUTPUT_HANDLE, out);
    std::string command = Quoted(ProgramPath()) + " --print-banner";
    BOOL started = dovari_common::RunProcess(command.c_str(), nullptr, true);
    SetStdHandle(STD_OUTPUT_HANDLE, saved);
    CloseHandle(out);
    ASSERT_TRUE(started);

    std::string text = ReadFile(outPath);
    std::string name = ProgramPath().substr(ProgramPath().rfind('\\') + 1);
    // The child's standard output is in text mode.
    EXPECT_EQ(text, name + " Version 1.0.0\r\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--print-banner") == 0) {
        int printed = PrintVersionBanner();
        std::fflush(stdout);
        return printed > 0 ? 0 : 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
