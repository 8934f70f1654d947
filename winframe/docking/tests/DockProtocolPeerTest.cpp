// The registered docking message is private to a process: a pane of the
// same framework in another process ignores our id. The program runs itself
// again with --peer to make that pane.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "DockTestSupport.h"

namespace {

constexpr const char* kPeerFlag = "--peer";

int RunPeer(const char* title) {
    CTestPane pane;
    if (!pane.Create(nullptr)) return 1;
    ::SetWindowTextA(pane.m_hWnd, title);
    HANDLE ready = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, title);
    if (ready) {
        ::SetEvent(ready);
        ::CloseHandle(ready);
    }
    // Ends when the pane is closed, or after a while if nobody closes it.
    ::SetTimer(nullptr, 0, 15000, [](HWND, UINT, UINT_PTR, DWORD) { ::PostQuitMessage(2); });
    MSG msg;
    while (pane.IsWindow() && ::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}

class PeerProcess {
public:
    PeerProcess() : title("TwDockPeer-" + std::to_string(::GetCurrentProcessId())) {
        HANDLE ready = ::CreateEventA(nullptr, TRUE, FALSE, title.c_str());
        char exe[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
        char command[2 * MAX_PATH];
        std::snprintf(command, sizeof command, "\"%s\" %s %s", exe, kPeerFlag, title.c_str());
        STARTUPINFOA si{sizeof si};
        if (::CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_process)) {
            ::CloseHandle(m_process.hThread);
            if (::WaitForSingleObject(ready, 10000) == WAIT_OBJECT_0) window = ::FindWindowA("TwDockTestPane", title.c_str());
        }
        if (ready) ::CloseHandle(ready);
    }
    ~PeerProcess() {
        if (window) ::PostMessageA(window, WM_CLOSE, 0, 0);
        if (m_process.hProcess) {
            if (::WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0) ::TerminateProcess(m_process.hProcess, 3);
            ::CloseHandle(m_process.hProcess);
        }
    }
    std::string title;
    HWND window = nullptr;

private:
    PROCESS_INFORMATION m_process{};
};

TEST(DockProtocolAcrossProcesses, APeerPaneIgnoresOurId) {
    PeerProcess peer;
    ASSERT_NE(peer.window, nullptr);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(peer.window, &pid);
    ASSERT_NE(pid, ::GetCurrentProcessId());

    UINT codes[] = {kDockProtocolQuery, kDockHitTest};
    for (UINT code : codes) {
        DockMessage record(peer.window, nullptr, code);
        DWORD_PTR reply = 99;
        ASSERT_TRUE(::SendMessageTimeoutA(peer.window, DockingBoxMessage(), 0, (LPARAM)&record, SMTO_ABORTIFHUNG,
                                          5000, &reply));
        EXPECT_EQ(reply, 0u) << code;
        EXPECT_EQ(record.target, nullptr);
    }
    EXPECT_FALSE(SpeaksDockProtocol(peer.window));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], kPeerFlag) == 0) return RunPeer(argv[2]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
