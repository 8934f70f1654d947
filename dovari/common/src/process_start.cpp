#include "dovari_common/process_start.h"

#include "UniqueHandle.h"

#include <cstring>
#include <vector>

namespace dovari_common {

namespace {

// Wine, under heavy load, now and then fails a new process while it loads
// its DLLs: CreateProcess answers ERROR_DLL_INIT_FAILED, or the process ends
// at once with STATUS_DLL_INIT_FAILED. None of the program's own code has run
// then, so starting it again is safe; a program whose DLLs really cannot load
// fails the same way each time and costs only these few tries.
constexpr int kStartAttempts = 3;
// STATUS_DLL_INIT_FAILED (ntstatus.h clashes with windows.h).
constexpr DWORD kStatusDllInitFailed = 0xC0000142;

bool FailedInDllInit(DWORD code) { return code == ERROR_DLL_INIT_FAILED || code == kStatusDllInitFailed; }

// Waits for the process to end. A program that never ends (any windowed one)
// must not freeze the caller's windows: they still answer sent messages and
// repaint. Answers the exit code.
DWORD WaitWhileAnswering(HANDLE process)
{
    while (MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_SENDMESSAGE | QS_PAINT) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        // Sent messages are delivered by the peek itself; paint is dispatched.
        while (PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE | PM_QS_PAINT))
            DispatchMessageA(&msg);
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return code;
}

} // namespace

BOOL RunProcess(const char* commandLine, const char* folder, bool wait)
{
    if (commandLine == nullptr)
        return FALSE;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    si.wShowWindow = SW_SHOWNORMAL;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);

    for (int attempt = 1;; ++attempt) {
        // CreateProcessA may write into the command line, so it gets a copy.
        std::vector<char> line(commandLine, commandLine + std::strlen(commandLine) + 1);
        PROCESS_INFORMATION pi{};
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr, folder,
                            &si, &pi)) {
            if (attempt < kStartAttempts && FailedInDllInit(GetLastError()))
                continue;
            return FALSE;
        }
        UniqueHandle process(pi.hProcess);
        UniqueHandle thread(pi.hThread);
        if (!wait)
            return TRUE;
        if (WaitWhileAnswering(process.get()) != kStatusDllInitFailed || attempt == kStartAttempts)
            return TRUE;
    }
}

} // namespace dovari_common
