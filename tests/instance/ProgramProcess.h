#pragma once
// Starting Tarnwick.exe from a program folder of its own and watching its windows.
#include <windows.h>

#include <string>
#include <vector>

#include "MessagePump.h"

class ProgramProcess {
public:
    ProgramProcess() = default;
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool Start(const std::string& exe, const std::string& arguments, const std::string& folder);
    // Waits for the process to end while this thread keeps answering messages;
    // answers the exit code, or -1 on time-out.
    long WaitForExit(DWORD timeoutMs);
    // The process's main frame once it is visible, or null.
    // The process's visible top-level window of that class (the editor's
    // main frame unless another program is timed).
    HWND WaitForMainWindow(DWORD timeoutMs, const char* className = "CMainFrame") const;
    // Answers the process's message box with OK once one shows; its text,
    // or "" when none showed in time.
    std::string DismissMessageBox(DWORD timeoutMs) const;
    DWORD Id() const { return m_info.dwProcessId; }

private:
    PROCESS_INFORMATION m_info{};
};

// The titles of the MDI children of a main frame.
std::vector<std::string> DocumentTitles(HWND mainFrame);
// Polls a condition, pumping messages between tries.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > timeoutMs) return false;
        PumpMessagesFor(50);
    }
    return true;
}
// The folder of this test program, where Tarnwick.exe is built too.
std::string BuildFolder();
