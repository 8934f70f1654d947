#include "dovari_common/process_start.h"

#include "UniqueHandle.h"

#include <cstring>
#include <vector>

namespace dovari_common {

BOOL RunProcess(const char* commandLine, const char* folder, bool wait)
{
    if (commandLine == nullptr)
        return FALSE;
    // CreateProcessA may write into the command line, so it gets a copy.
    std::vector<char> line(commandLine, commandLine + std::strlen(commandLine) + 1);

    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    si.wShowWindow = SW_SHOWNORMAL;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);

    PROCESS_INFORMATION pi{};
    BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS,
                                  nullptr, folder, &si, &pi);
    if (!started)
        return FALSE;
    UniqueHandle process(pi.hProcess);
    UniqueHandle thread(pi.hThread);
    if (!wait)
        return started;
    // A program that never ends (any windowed one) must not freeze the
    // caller's windows: they still answer sent messages and repaint.
    HANDLE waitFor = process.get();
    while (MsgWaitForMultipleObjects(1, &waitFor, FALSE, INFINITE, QS_SENDMESSAGE | QS_PAINT) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        // Sent messages are delivered by the peek itself; paint is dispatched.
        while (PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE | PM_QS_PAINT))
            DispatchMessageA(&msg);
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    return started;
}

} // namespace dovari_common
