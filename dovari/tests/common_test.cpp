// The helpers the library shares with the updater: centring arithmetic and
// process start.
#include "dovari_common/process_start.h"
#include "dovari_common/window_centre.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace dovari_test;

namespace {

TEST(CentredOrigin, StandsThirtyPixelsAboveTheCentre)
{
    struct {
        int screenW, screenH, windowW, windowH;
        LONG x, y;
    } cases[] = {
        {1024, 768, 400, 300, 312, 204},
        {1025, 769, 400, 301, 312, 204},
        {800, 600, 800, 600, 0, -30},
        // Larger than the screen: the divisions truncate toward zero.
        {800, 600, 1001, 701, -100, -80},
    };
    for (const auto& c : cases) {
        POINT at = dovari_common::CentredOrigin(c.screenW, c.screenH, c.windowW, c.windowH);
        EXPECT_EQ(at.x, c.x) << c.screenW << "x" << c.screenH << " " << c.windowW << "x" << c.windowH;
        EXPECT_EQ(at.y, c.y) << c.screenW << "x" << c.screenH << " " << c.windowW << "x" << c.windowH;
    }
}

TEST(StartProcess, WaitsForTheChildInTheGivenFolder)
{
    TempFolder tmp;
    std::string command = Quoted(ProgramPath()) + " --touch marker.txt";
    EXPECT_TRUE(dovari_common::StartProcess(command.c_str(), tmp.Path().c_str(), true));
    // The child sleeps before it writes: the file is there only if we waited.
    EXPECT_TRUE(IsFile(tmp.File("marker.txt")));
}

TEST(StartProcess, WithoutAFolderTheChildSharesOurs)
{
    TempFolder tmp;
    CurrentFolder here(tmp.Path());
    std::string command = Quoted(ProgramPath()) + " --touch here.txt";
    EXPECT_TRUE(dovari_common::StartProcess(command.c_str(), nullptr, true));
    EXPECT_TRUE(IsFile(tmp.File("here.txt")));
}

TEST(StartProcess, AMissingProgramAnswersZero)
{
    TempFolder tmp;
    EXPECT_FALSE(dovari_common::StartProcess(Quoted(tmp.File("none.exe")).c_str(), nullptr, true));
    EXPECT_FALSE(dovari_common::StartProcess(nullptr, nullptr, false));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--touch") == 0) {
        Sleep(300);
        WriteFile(argv[2], "started");
        return 0;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
