#include "CommandProcessor.h"

#include <dovari.h>

#include <vector>

#include "WideText.h"

namespace {

// The argument holds at most this many characters with its path.
constexpr size_t kArgumentLimit = 260;

UniqueHandle OpenConsole(const char* name) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    return UniqueHandle(::CreateFileA(name, GENERIC_READ | GENERIC_WRITE,
                                                     FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING,
                                                     0, nullptr));
}

std::wstring ProcessorPath() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return L"cmd.exe";
    return std::wstring(folder) + L"\\cmd.exe";
}

}  // namespace

CCommandProcessor::CCommandProcessor(std::string initBatch) : m_initBatch(std::move(initBatch)) {}

CCommandProcessor::~CCommandProcessor() { Stop(); }

std::wstring CCommandProcessor::CommandLine() const {
    std::wstring line = L"\"" + ProcessorPath() + L"\"";
    if (m_initBatch.empty() || !::CheckFileExists(m_initBatch.c_str())) return line;
    const std::wstring argument = L"/K \"" + ToWide(m_initBatch) + L"\"";
    // A path too long for the argument is not run rather than run cut short.
    if (argument.size() > kArgumentLimit) return line;
    return line + L" " + argument;
}

bool CCommandProcessor::Start() {
    m_started = ::GetTickCount();
    m_input = OpenConsole("CONIN$");
    m_output = OpenConsole("CONOUT$");
    if (!m_input || !m_output) return false;
    m_job.reset(::CreateJobObjectA(nullptr, nullptr));
    if (m_job) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        ::SetInformationJobObject(m_job.get(), JobObjectExtendedLimitInformation, &limits, sizeof(limits));
    }
    return Launch();
}

bool CCommandProcessor::Launch() {
    m_process.reset();
    m_processId = 0;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = m_input.get();
    startup.hStdOutput = m_output.get();
    startup.hStdError = m_output.get();
    std::wstring line = CommandLine();
    std::vector<wchar_t> writable(line.begin(), line.end());
    writable.push_back(L'\0');
    PROCESS_INFORMATION info{};
    // Suspended until it is in the job, so that nothing it starts escapes.
    if (!::CreateProcessW(ProcessorPath().c_str(), writable.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                          nullptr, nullptr, &startup, &info))
        return false;
    UniqueHandle thread(info.hThread);
    m_process.reset(info.hProcess);
    m_processId = info.dwProcessId;
    if (m_job && !::AssignProcessToJobObject(m_job.get(), info.hProcess)) m_job.reset();
    ::ResumeThread(info.hThread);
    m_started = ::GetTickCount();
    return true;
}

bool CCommandProcessor::IsRunning() const {
    return m_process && ::WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT;
}

void CCommandProcessor::Stop() {
    // Without a job (the platform refused one) the processor itself is ended.
    if (m_job) {
        m_job.reset();
    } else if (IsRunning()) {
        ::TerminateProcess(m_process.get(), 1);
    }
    if (m_process) ::WaitForSingleObject(m_process.get(), 2000);
    m_process.reset();
    m_processId = 0;
    m_input.reset();
    m_output.reset();
}
