#include "InstanceGuard.h"

#include "ForwardedFileList.h"

const char kMainFrameClassName[] = "CMainFrame";

namespace {

const char kSharedBlockName[] = "Tarnwick_IFM";
// Long enough for a first instance that is busy loading a file.
const UINT kHandOverTimeoutMs = 10000;

struct SendState {
    UINT message;
    WPARAM command;
    LPARAM length;
    bool delivered;
};

BOOL CALLBACK SendToEditorWindow(HWND hWnd, LPARAM param) {
    auto* state = reinterpret_cast<SendState*>(param);
    char className[64] = {};
    ::GetClassNameA(hWnd, className, sizeof(className));
    if (lstrcmpA(className, kMainFrameClassName) != 0) return TRUE;
    DWORD_PTR answer = 0;
    if (::SendMessageTimeoutA(hWnd, state->message, state->command, state->length, SMTO_ABORTIFHUNG,
                              kHandOverTimeoutMs, &answer)) {
        state->delivered = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

CInstanceGuard::CInstanceGuard(const char* name) {
    m_mutex.reset(::CreateMutexA(nullptr, FALSE, name));
    m_alreadyRunning = ::GetLastError() == ERROR_ALREADY_EXISTS;
    m_message = ::RegisterWindowMessageA(name);
}

void CInstanceGuard::Close() {
    m_mutex.reset();
}

void CInstanceGuard::SendToRunningEditor(WPARAM command, LPARAM length) const {
    // The running editor lets this process take the foreground.
    ::AllowSetForegroundWindow(ASFW_ANY);
    SendState state{m_message, command, length, false};
    ::EnumWindows(SendToEditorWindow, reinterpret_cast<LPARAM>(&state));
}

void CInstanceGuard::BroadcastActivate() const { SendToRunningEditor(kInstanceActivate, 0); }

bool CInstanceGuard::MapSharedBlock(char** view, HANDLE* mapping, DWORD size) {
    *view = nullptr;
    *mapping = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, kSharedBlockName);
    if (!*mapping) return false;
    *view = static_cast<char*>(::MapViewOfFile(*mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0));
    if (!*view) {
        ::CloseHandle(*mapping);
        *mapping = nullptr;
        return false;
    }
    return true;
}

void CInstanceGuard::UnmapSharedBlock(char* view, HANDLE mapping) {
    if (view) ::UnmapViewOfFile(view);
    if (mapping) ::CloseHandle(mapping);
}

void CInstanceGuard::ForwardCommandLine(int argc, char** argv) const {
    if (argc <= 1) {
        BroadcastActivate();
        return;
    }
    char folder[MAX_PATH + 1] = {};
    DWORD got = ::GetCurrentDirectoryA(sizeof(folder), folder);
    if (got == 0 || got >= sizeof(folder)) folder[0] = '\0';
    char* view = nullptr;
    HANDLE mapping = nullptr;
    if (!MapSharedBlock(&view, &mapping, kForwardBlockSize)) return;
    std::vector<std::string> arguments(argv + 1, argv + argc);
    size_t length = BuildForwardedFileList(arguments, folder, view, kForwardBlockSize);
    SendToRunningEditor(kInstanceOpenFiles, (LPARAM)length);
    UnmapSharedBlock(view, mapping);
}

bool CInstanceGuard::ReadForwardedFiles(std::vector<std::string>& files, size_t length) const {
    // An all-switch hand-over maps nothing.
    if (length == 0) return false;
    char* view = nullptr;
    HANDLE mapping = nullptr;
    if (!MapSharedBlock(&view, &mapping, kForwardBlockSize)) return false;
    std::vector<std::string> paths = ParseForwardedFileList(view, kForwardBlockSize, length);
    UnmapSharedBlock(view, mapping);
    files.insert(files.end(), paths.begin(), paths.end());
    return true;
}
