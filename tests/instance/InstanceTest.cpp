// Two real editor processes: the hand-over of a later start's command line
// to the running instance, the several-instances option, the close request
// of the updater and what a normal exit writes back to the ini.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "ForwardedFileList.h"
#include "ProgramProcess.h"
#include "TempFolder.h"

namespace {

std::string FixtureIni(unsigned mask) {
    return "[EDITOR]\r\nEditorMask=" + std::to_string(mask) +
           "\r\nTabSize=8\r\n[SEARCH]\r\nFindText=abc\r\nSearchMask=5\r\n[USER]\r\nUSER=me\r\n";
}

// A program folder holding a copy of the editor and its ini.
class ProgramFolder {
public:
    explicit ProgramFolder(unsigned mask) {
        std::string source = BuildFolder() + "\\Tarnwick.exe";
        exe = folder.File("Tarnwick.exe");
        ::CopyFileA(source.c_str(), exe.c_str(), FALSE);
        folder.Write("tarnwick.ini", FixtureIni(mask));
    }
    std::string Ini() const { return folder.Read("tarnwick.ini"); }

    TempFolder folder;
    std::string exe;
};

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

UINT InstanceMessage() { return ::RegisterWindowMessageA("Tarnwick"); }

TEST(InstanceHandOver, ASecondStartHandsItsFilesOverAndLeavesTheIniAlone) {
    // EditorMask bit 2: document titles are full paths.
    ProgramFolder program(4);
    TempFolder work;
    work.Write("rel.txt", "hello");
    work.Write("own.txt", "mine");

    ProgramProcess first;
    // The first instance opens its own arguments, switches included.
    ASSERT_TRUE(first.Start(program.exe, "-x \"" + work.File("own.txt") + "\"", program.folder.Path()));
    HWND frame = first.WaitForMainWindow(20000);
    ASSERT_TRUE(frame);
    EXPECT_TRUE(WaitUntil([&] { return Contains(DocumentTitles(frame), work.File("own.txt")); }, 10000));
    // The switch is opened too, as a file that does not exist, and told.
    EXPECT_NE(std::string::npos, first.DismissMessageBox(10000).find("-x"));

    std::string iniBefore = program.Ini();
    ProgramProcess second;
    ASSERT_TRUE(second.Start(program.exe, "rel.txt /switch", work.Path()));
    EXPECT_EQ(0, second.WaitForExit(20000));
    EXPECT_EQ(iniBefore, program.Ini()) << "a second instance never writes the ini";
    EXPECT_TRUE(WaitUntil([&] { return Contains(DocumentTitles(frame), work.File("rel.txt")); }, 10000));

    // Without arguments a later start only brings the first to the front.
    size_t documents = DocumentTitles(frame).size();
    ProgramProcess third;
    ASSERT_TRUE(third.Start(program.exe, "", work.Path()));
    EXPECT_EQ(0, third.WaitForExit(20000));
    EXPECT_EQ(documents, DocumentTitles(frame).size());

    // A normal exit writes the search state and "EditorMask" back.
    ::PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, first.WaitForExit(20000));
    std::string after = program.Ini();
    EXPECT_NE(std::string::npos, after.find("EditorMask=4\r\n"));
    EXPECT_NE(std::string::npos, after.find("FindText=abc\r\n"));
    EXPECT_NE(std::string::npos, after.find("ReplaceText=\r\n"));
    EXPECT_NE(std::string::npos, after.find("SearchMask=5\r\n"));
    EXPECT_NE(std::string::npos, after.find("USER=me\r\n"));
}

TEST(InstanceHandOver, EveryNameOfALongListReachesTheRunningEditor) {
    ProgramFolder program(4);  // full paths as document titles
    TempFolder work;
    std::string arguments;
    std::vector<std::string> expected;
    for (int i = 1; i <= 20; ++i) {
        char name[8];
        snprintf(name, sizeof(name), "h%02d", i);
        work.Write(name, name);
        arguments += std::string(arguments.empty() ? "" : " ") + name;
        expected.push_back(work.File(name));
    }
    ProgramProcess first;
    ASSERT_TRUE(first.Start(program.exe, "", program.folder.Path()));
    HWND frame = first.WaitForMainWindow(20000);
    ASSERT_TRUE(frame);
    ProgramProcess second;
    ASSERT_TRUE(second.Start(program.exe, arguments, work.Path()));
    EXPECT_EQ(0, second.WaitForExit(60000));
    EXPECT_TRUE(WaitUntil([&] { return DocumentTitles(frame).size() >= expected.size(); }, 20000));
    std::vector<std::string> titles = DocumentTitles(frame);
    for (const std::string& path : expected) EXPECT_TRUE(Contains(titles, path)) << path;
    ::PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, first.WaitForExit(20000));
}

// Plays a first instance that is slow to answer the first hand-over: the
// later start must keep the shared block until an answer comes. Every path
// read from the block is recorded once.
class FakeFirstInstance {
public:
    explicit FakeFirstInstance(DWORD firstDelayMs) {
        s_firstDelayMs = firstDelayMs;
        s_calls = 0;
        s_received.clear();
        m_mutex = ::CreateMutexA(nullptr, FALSE, "Tarnwick");
        m_alone = ::GetLastError() != ERROR_ALREADY_EXISTS;
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "CMainFrame";
        ::RegisterClassA(&wc);
        m_window = ::CreateWindowA("CMainFrame", "fake", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                   wc.hInstance, nullptr);
    }
    ~FakeFirstInstance() {
        ::DestroyWindow(m_window);
        ::UnregisterClassA("CMainFrame", ::GetModuleHandleA(nullptr));
        ::CloseHandle(m_mutex);
    }
    // False when an editor runs beside the test.
    bool Ready() const { return m_alone && m_window; }
    static const std::vector<std::string>& Received() { return s_received; }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM w, LPARAM l) {
        if (msg != InstanceMessage() || w != 1) return ::DefWindowProcA(hWnd, msg, w, l);
        if (s_calls++ == 0) ::Sleep(s_firstDelayMs);
        HANDLE mapping = ::OpenFileMappingA(FILE_MAP_READ, FALSE, "Tarnwick_IFM");
        if (mapping) {
            const char* view = (const char*)::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
            if (view)
                for (const std::string& path : ParseForwardedFileList(view, kForwardBlockSize, (size_t)l))
                    if (!Contains(s_received, path)) s_received.push_back(path);
            if (view) ::UnmapViewOfFile(view);
            ::CloseHandle(mapping);
        }
        return 0;
    }

    static inline DWORD s_firstDelayMs = 0;
    static inline int s_calls = 0;
    static inline std::vector<std::string> s_received;
    HANDLE m_mutex = nullptr;
    bool m_alone = false;
    HWND m_window = nullptr;
};

TEST(InstanceHandOver, AFirstInstanceSlowOrBusyPastOneWaitStillGetsTheNames) {
    const struct {
        DWORD firstDelayMs;  // 13 s: longer than the later start waits for one answer
        std::vector<std::string> names;
    } rows[] = {{2000, {"a.txt"}}, {13000, {"a.txt", "b.txt"}}};
    for (const auto& row : rows) {
        FakeFirstInstance first(row.firstDelayMs);
        ASSERT_TRUE(first.Ready()) << "no editor may run beside this test";
        ProgramFolder program(0);
        TempFolder work;
        std::string arguments;
        std::vector<std::string> expected;
        for (const std::string& name : row.names) {
            arguments += (arguments.empty() ? "" : " ") + name;
            expected.push_back(work.File(name));
        }
        ProgramProcess second;
        ASSERT_TRUE(second.Start(program.exe, arguments, work.Path()));
        EXPECT_EQ(0, second.WaitForExit(90000)) << row.firstDelayMs;
        EXPECT_EQ(expected, FakeFirstInstance::Received()) << row.firstDelayMs;
        EXPECT_EQ(nullptr, second.WaitForMainWindow(0)) << "handed over, not opened by the later start";
    }
}

TEST(InstanceHandOver, WithSeveralInstancesAllowedEveryStartIsFull) {
    ProgramFolder program(1);
    ProgramProcess first, second;
    ASSERT_TRUE(first.Start(program.exe, "", program.folder.Path()));
    HWND firstFrame = first.WaitForMainWindow(20000);
    ASSERT_TRUE(firstFrame);
    ASSERT_TRUE(second.Start(program.exe, "", program.folder.Path()));
    HWND secondFrame = second.WaitForMainWindow(20000);
    ASSERT_TRUE(secondFrame);
    EXPECT_NE(firstFrame, secondFrame);
    ::PostMessageA(secondFrame, WM_CLOSE, 0, 0);
    ::PostMessageA(firstFrame, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, second.WaitForExit(20000));
    EXPECT_EQ(0, first.WaitForExit(20000));
}

TEST(InstanceHandOver, TheUpdatersCloseRequestEndsAnUnmodifiedEditor) {
    ProgramFolder program(0);
    ProgramProcess editor;
    ASSERT_TRUE(editor.Start(program.exe, "", program.folder.Path()));
    HWND frame = editor.WaitForMainWindow(20000);
    ASSERT_TRUE(frame);
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutA(frame, InstanceMessage(), 2, 0, SMTO_ABORTIFHUNG, 10000, &answer);
    EXPECT_EQ(0, editor.WaitForExit(20000));
}

}  // namespace
