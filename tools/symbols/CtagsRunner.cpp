#include "CtagsRunner.h"

#include <cwctype>
#include <mutex>
#include <vector>

#include "UniqueHandle.h"
#include "TagParser.h"

namespace {

using KernelHandle = UniqueHandle;

constexpr DWORD kReadSize = 16384;
constexpr DWORD kPollMs = 10;

// Runs on several threads start ctags at once. While one run's inheritable
// pipe ends exist, another run's ctags would inherit them too, and this
// run's output would not end until that other ctags had ended as well: so
// making the pipes and the process is one run at a time.
std::mutex g_startLock;

}  // namespace

bool ShouldForceLanguage(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    const std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind(L'.');
    if (dot == std::wstring::npos) return true;
    static const wchar_t kTmp[] = L".tmp";
    for (size_t i = 0; i < 4; ++i)
        if (dot + i >= name.size() || std::towlower(name[dot + i]) != kTmp[i]) return false;
    return true;
}

std::wstring BuildCtagsCommandLine(const std::wstring& program, const std::wstring& path, const std::string& lexer) {
    std::wstring line = program;
    const char* language = CtagsLanguageOf(lexer);
    if (language && ShouldForceLanguage(path)) {
        line += L" --language-force=";
        for (const char* c = language; *c; ++c) line += static_cast<wchar_t>(*c);
    }
    line += L" -n --fields=fkns -f - \"" + path + L"\"";
    return line;
}

bool RunCtags(TagSink& sink, const std::wstring& path, TagMask mask, const std::string& lexer,
              const CtagsProgram& program, DWORD* exitCode, const std::atomic<bool>* stop) {
    if (exitCode) *exitCode = 0;
    std::unique_lock<std::mutex> starting(g_startLock);
    // Inheritable ends for ctags; the default descriptor is enough for anonymous pipes.
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE outRead = nullptr, outWrite = nullptr, inRead = nullptr, inWrite = nullptr;
    if (!::CreatePipe(&outRead, &outWrite, &inherit, 0)) return false;
    KernelHandle ownOut(outRead), childOut(outWrite);
    if (!::CreatePipe(&inRead, &inWrite, &inherit, 0)) return false;
    KernelHandle childIn(inRead), ownIn(inWrite);
    ::SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(inWrite, HANDLE_FLAG_INHERIT, 0);
    // Warnings go nowhere: mixed into the output they would cut tag lines.
    KernelHandle childErr(::CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                        OPEN_EXISTING, 0, nullptr));

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = inRead;
    startup.hStdOutput = outWrite;
    startup.hStdError = childErr ? childErr.get() : outWrite;
    std::wstring commandLine = BuildCtagsCommandLine(program.command, path, lexer);
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, TRUE, CREATE_NEW_PROCESS_GROUP | CREATE_NO_WINDOW,
                          nullptr, nullptr, &startup, &info))
        return false;
    KernelHandle process(info.hProcess), thread(info.hThread);
    // Only ctags holds the write end now: its end of output is the pipe's end.
    childOut.reset();
    childIn.reset();
    childErr.reset();
    starting.unlock();

    CTagLineParser parser(sink, lexer, mask);
    std::vector<char> data(kReadSize);
    const DWORD start = ::GetTickCount();
    bool inTime = true, stopped = false;
    for (;;) {
        DWORD available = 0;
        if (!::PeekNamedPipe(outRead, nullptr, 0, nullptr, &available, nullptr)) break;  // ended and drained
        if (available) {
            DWORD read = 0;
            if (!::ReadFile(outRead, data.data(), available < kReadSize ? available : kReadSize, &read, nullptr) ||
                !read)
                break;
            parser.Feed(data.data(), read);
            continue;
        }
        if (::GetTickCount() - start > program.overallMs) {
            inTime = false;
            break;
        }
        if (stop && *stop) {
            stopped = true;
            break;
        }
        // Sleeps while the pipe is empty; once ctags has ended, what is left is read above.
        if (::WaitForSingleObject(process.get(), kPollMs) == WAIT_OBJECT_0) {
            if (::PeekNamedPipe(outRead, nullptr, 0, nullptr, &available, nullptr) && available) continue;
            break;
        }
    }
    parser.Finish();
    // A stopped ctags is left to end by itself, its output going nowhere:
    // under Wine, one ended while it still starts leaves its console host
    // running for good, holding whatever ctags inherited.
    if (stopped) ownOut.reset();

    if (!inTime || ::WaitForSingleObject(process.get(), program.exitWaitMs) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.get(), 2);
        ::WaitForSingleObject(process.get(), program.exitWaitMs);
        if (exitCode) ::GetExitCodeProcess(process.get(), exitCode);
        return false;
    }
    if (exitCode) ::GetExitCodeProcess(process.get(), exitCode);
    return !stopped;
}
