#include "dovari_common/process_start.h"

#include "UniqueHandle.h"

#include <cstring>
#include <vector>

namespace dovari_common {

BOOL StartProcess(const char* commandLine, const char* folder, bool wait)
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
    if (wait)
        WaitForSingleObject(process.get(), INFINITE);
    return started;
}

} // namespace dovari_common
