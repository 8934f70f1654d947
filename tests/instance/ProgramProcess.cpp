#include "ProgramProcess.h"

namespace {

struct FindState {
    DWORD processId;
    HWND found;
    const char* className;
};

BOOL CALLBACK FindMainFrame(HWND hWnd, LPARAM param) {
    auto* state = reinterpret_cast<FindState*>(param);
    char className[64] = {};
    ::GetClassNameA(hWnd, className, sizeof(className));
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid == state->processId && lstrcmpA(className, state->className) == 0 && ::IsWindowVisible(hWnd)) {
        state->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

ProgramProcess::~ProgramProcess() {
    if (!m_info.hProcess) return;
    if (::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_info.hProcess, 99);
        ::WaitForSingleObject(m_info.hProcess, 5000);
    }
    ::CloseHandle(m_info.hProcess);
    ::CloseHandle(m_info.hThread);
}

bool ProgramProcess::Start(const std::string& exe, const std::string& arguments, const std::string& folder) {
    // A copied program needs the library it imports beside it.
    std::string programFolder = exe.substr(0, exe.find_last_of('\\'));
    if (programFolder != BuildFolder()) {
        ::CopyFileA((BuildFolder() + "\\dovari.dll").c_str(), (programFolder + "\\dovari.dll").c_str(), TRUE);
    }
    std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{sizeof(startup)};
    return ::CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                            &startup, &m_info) != 0;
}

long ProgramProcess::WaitForExit(DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    for (;;) {
        DWORD elapsed = ::GetTickCount() - start;
        if (elapsed > timeoutMs) return -1;
        DWORD wait = ::MsgWaitForMultipleObjects(1, &m_info.hProcess, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
        if (wait == WAIT_OBJECT_0) break;
        PumpMessagesFor(0);
    }
    DWORD code = 0;
    ::GetExitCodeProcess(m_info.hProcess, &code);
    return (long)code;
}

HWND ProgramProcess::WaitForMainWindow(DWORD timeoutMs, const char* className) const {
    FindState state{m_info.dwProcessId, nullptr, className};
    WaitUntil([&] {
        ::EnumWindows(FindMainFrame, reinterpret_cast<LPARAM>(&state));
        return state.found != nullptr;
    }, timeoutMs);
    return state.found;
}

std::string ProgramProcess::DismissMessageBox(DWORD timeoutMs) const {
    // A message box is a "#32770" dialog whose text is its static 0xFFFF.
    FindState state{m_info.dwProcessId, nullptr, "#32770"};
    WaitUntil([&] {
        ::EnumWindows(FindMainFrame, reinterpret_cast<LPARAM>(&state));
        return state.found != nullptr;
    }, timeoutMs);
    if (!state.found) return std::string();
    char text[4096] = {};
    ::GetDlgItemTextA(state.found, 0xFFFF, text, sizeof(text));
    ::PostMessageA(state.found, WM_COMMAND, IDOK, 0);
    return text;
}

std::vector<std::string> DocumentTitles(HWND mainFrame) {
    std::vector<std::string> titles;
    HWND client = ::FindWindowExA(mainFrame, nullptr, "MDIClient", nullptr);
    for (HWND child = ::GetWindow(client, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char title[MAX_PATH] = {};
        ::GetWindowTextA(child, title, sizeof(title));
        titles.emplace_back(title);
    }
    return titles;
}

std::string BuildFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}
