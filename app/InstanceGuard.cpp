#include "InstanceGuard.h"

#include "ForwardedFileList.h"

const char kMainFrameClassName[] = "CMainFrame";

namespace {

const char kSharedBlockName[] = "Tarnwick_IFM";
// One try: long enough for a first instance that is busy loading a file.
const UINT kHandOverTimeoutMs = 10000;
// A first instance that does not answer in time but still has its window is
// tried again until this much time has passed; only then does the later
// start open the names itself.
const DWORD kBusyEditorPatienceMs = 60000;
const DWORD kRetryPauseMs = 250;

BOOL CALLBACK CollectEditorWindow(HWND hWnd, LPARAM param) {
    char className[64] = {};
    ::GetClassNameA(hWnd, className, sizeof(className));
    if (lstrcmpA(className, kMainFrameClassName) == 0) reinterpret_cast<std::vector<HWND>*>(param)->push_back(hWnd);
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

bool CInstanceGuard::SendToRunningEditor(WPARAM command, LPARAM length) const {
    // The running editor lets this process take the foreground.
    ::AllowSetForegroundWindow(ASFW_ANY);
    const DWORD start = ::GetTickCount();
    for (;;) {
        std::vector<HWND> windows;
        ::EnumWindows(CollectEditorWindow, reinterpret_cast<LPARAM>(&windows));
        for (HWND window : windows) {
            // The send waits, so the block outlives the receiver's read.
            DWORD_PTR answer = 0;
            if (::SendMessageTimeoutA(window, m_message, command, length, SMTO_ABORTIFHUNG, kHandOverTimeoutMs,
                                      &answer))
                return true;
        }
        // Busy is not gone: a window that still exists is asked again. A
        // send that timed out may still be handled later; the receiver
        // then reads the same block, and an open document is only activated.
        if (windows.empty() || ::GetTickCount() - start >= kBusyEditorPatienceMs) return false;
        ::Sleep(kRetryPauseMs);
    }
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

std::vector<std::string> CInstanceGuard::ForwardCommandLine(int argc, char** argv) const {
    std::vector<std::string> pending(argv + 1, argv + argc);
    if (pending.empty()) {
        BroadcastActivate();
        return {};
    }
    char folder[MAX_PATH + 1] = {};
    DWORD got = ::GetCurrentDirectoryA(sizeof(folder), folder);
    if (got == 0 || got >= sizeof(folder)) folder[0] = '\0';
    char* view = nullptr;
    HANDLE mapping = nullptr;
    if (!MapSharedBlock(&view, &mapping, kForwardBlockSize)) {
        // Nothing can be handed over: this start opens the names itself.
        std::vector<std::string> own;
        for (const std::string& argument : pending)
            if (!IsForwardingSwitch(argument)) own.push_back(MakeForwardedPath(folder, argument));
        return own;
    }
    // The block holds only a few paths: the rest go in further rounds, each
    // a full block of its own that is answered before the next is written,
    // so a receiver that reads one block per message gets every name.
    std::vector<std::string> notDelivered;
    do {
        std::vector<std::string> left;
        const size_t length = BuildForwardedFileList(pending, folder, view, kForwardBlockSize, &left);
        if (length == 0 && !left.empty()) {
            notDelivered = left;  // a path that fits no block at all
            break;
        }
        if (!SendToRunningEditor(kInstanceOpenFiles, (LPARAM)length)) {
            notDelivered = ParseForwardedFileList(view, kForwardBlockSize, length);
            notDelivered.insert(notDelivered.end(), left.begin(), left.end());
            break;
        }
        pending = std::move(left);
    } while (!pending.empty());
    UnmapSharedBlock(view, mapping);
    return notDelivered;
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
