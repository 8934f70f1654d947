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

TEST(RunProcess, WaitsForTheChildInTheGivenFolder)
{
    TempFolder tmp;
    std::string command = Quoted(ProgramPath()) + " --touch marker.txt";
    EXPECT_TRUE(dovari_common::RunProcess(command.c_str(), tmp.Path().c_str(), true));
    // The child sleeps before it writes: the file is there only if we waited.
    EXPECT_TRUE(IsFile(tmp.File("marker.txt")));
}

TEST(RunProcess, WithoutAFolderTheChildSharesOurs)
{
    TempFolder tmp;
    CurrentFolder here(tmp.Path());
    std::string command = Quoted(ProgramPath()) + " --touch here.txt";
    EXPECT_TRUE(dovari_common::RunProcess(command.c_str(), nullptr, true));
    EXPECT_TRUE(IsFile(tmp.File("here.txt")));
}

TEST(RunProcess, AMissingProgramAnswersZero)
{
    TempFolder tmp;
    EXPECT_FALSE(dovari_common::RunProcess(Quoted(tmp.File("none.exe")).c_str(), nullptr, true));
    EXPECT_FALSE(dovari_common::RunProcess(nullptr, nullptr, false));
}

// Answers WM_APP by making the file its window text names.
LRESULT CALLBACK MakeFileOnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_APP)
        return DefWindowProcA(window, message, wParam, lParam);
    char path[MAX_PATH] = {};
    GetWindowTextA(window, path, MAX_PATH);
    WriteFile(path, "sent");
    return 1;
}

TEST(RunProcess, WhileItWaitsSentMessagesAreAnswered)
{
    TempFolder tmp;
    WNDCLASSA wc{};
    wc.lpfnWndProc = MakeFileOnMessage;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "RunProcessWaitTest";
    RegisterClassA(&wc);
    const std::string signal = tmp.File("signal.txt");
    HWND window = CreateWindowA(wc.lpszClassName, signal.c_str(), 0, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance,
                                nullptr);
    ASSERT_TRUE(window);
    // Another thread sends while we wait; the child ends only once the
    // message was answered (or after 20 seconds without it).
    HANDLE sender = CreateThread(nullptr, 0, [](void* target) -> DWORD {
        Sleep(100);
        return (DWORD)SendMessageA((HWND)target, WM_APP, 0, 0);
    }, window, 0, nullptr);
    std::string command = Quoted(ProgramPath()) + " --wait-for " + Quoted(signal) + " " + Quoted(tmp.File("seen.txt"));
    EXPECT_TRUE(dovari_common::RunProcess(command.c_str(), nullptr, true));
    EXPECT_TRUE(IsFile(tmp.File("seen.txt"))) << "the child saw the answer to the message sent meanwhile";
    WaitForSingleObject(sender, INFINITE);
    CloseHandle(sender);
    DestroyWindow(window);
}

// Wine under load sometimes fails a new process in its DLL initialisation;
// the child here fails that way the first two times (it counts its starts in
// a file), as such a start does before any of the program's code runs.
TEST(RunProcess, AStartThatFailsInDllInitialisationIsTriedAgain)
{
    TempFolder tmp;
    std::string command = Quoted(ProgramPath()) + " --fail-init-twice " + Quoted(tmp.File("starts.txt"));
    EXPECT_TRUE(dovari_common::RunProcess(command.c_str(), nullptr, true));
    EXPECT_EQ(3u, ReadFile(tmp.File("starts.txt")).size()) << "two failed starts, then the one that ran";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--wait-for") == 0) {
        for (int i = 0; i < 400 && !IsFile(argv[2]); ++i)
            Sleep(50);
        if (IsFile(argv[2]))
            WriteFile(argv[3], "seen");
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--fail-init-twice") == 0) {
        const std::string starts = ReadFile(argv[2]) + "x";
        WriteFile(argv[2], starts);
        return starts.size() < 3 ? (int)0xC0000142 : 0;  // STATUS_DLL_INIT_FAILED
    }
    if (argc == 3 && std::strcmp(argv[1], "--touch") == 0) {
        Sleep(300);
        WriteFile(argv[2], "started");
        return 0;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
