// GetProcessMemoryInfo from kernel32, without psapi.
#define PSAPI_VERSION 2
#include "RemoteEditor.h"

#include <psapi.h>

#include <algorithm>
#include <vector>

#include <scintilla/Scintilla.h>

namespace {

bool HasClass(HWND window, const char* className) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof(name));
    return lstrcmpiA(name, className) == 0;
}

// The visible top-level windows of a process.
std::vector<HWND> TopLevelWindows(DWORD processId) {
    struct State {
        DWORD processId;
        std::vector<HWND> windows;
    } state{processId, {}};
    ::EnumWindows([](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<State*>(param);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == s->processId && ::IsWindowVisible(window)) s->windows.push_back(window);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&state));
    return state.windows;
}

template <typename Match>
HWND FindBelow(HWND parent, const Match& match) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::IsWindowVisible(child) && match(child)) return child;
        if (HWND found = FindBelow(child, match)) return found;
    }
    return nullptr;
}

LONG_PTR AskOf(HWND component, UINT message, DWORD timeoutMs, WPARAM argument = 0) {
    DWORD_PTR answer = 0;
    if (!component || !::SendMessageTimeoutA(component, message, argument, 0, SMTO_NORMAL, timeoutMs, &answer))
        return -1;
    return static_cast<LONG_PTR>(answer);
}

// A message box or a question: a dialog box with no field to fill in (the
// find and replace dialogs have combo boxes, and are left alone).
bool IsQuestion(HWND box) {
    if (!HasClass(box, "#32770")) return false;
    return !FindBelow(box, [](HWND child) { return HasClass(child, "Edit") || HasClass(child, "ComboBox"); });
}

}  // namespace

RemoteEditor::RemoteEditor(const char* frameClass, const char* componentClass)
    : m_frameClass(frameClass), m_componentClass(componentClass) {}

RemoteEditor::~RemoteEditor() { Close(); }

bool RemoteEditor::Open(const std::string& exe, const std::string& folder, const std::string& file) {
    return Open(exe, folder, "", file, -1);
}

bool RemoteEditor::Start(const std::string& exe, const std::string& folder, const std::string& arguments) {
    if (!m_program.Start(exe, arguments, folder)) return false;
    m_running = true;
    // Tighter than the test support's wait, which looks every 50 ms.
    const DWORD until = ::GetTickCount() + 30000;
    while (!m_frame && ::GetTickCount() < until) {
        for (HWND top : TopLevelWindows(ProcessId()))
            if (HasClass(top, m_frameClass)) m_frame = top;
        if (!m_frame) ::Sleep(1);
    }
    return m_frame != nullptr;
}

bool RemoteEditor::Open(const std::string& exe, const std::string& folder, const std::string& switches,
                        const std::string& file, LONG_PTR length) {
    const ULONGLONG size = length < 0 ? FileSize(file) : static_cast<ULONGLONG>(length);
    if (!Start(exe, folder, (switches.empty() ? "" : switches + " ") + "\"" + file + "\"")) return false;
    // Either program may have more than one component (the peer has an output
    // pane): the one that holds the file is the editor. A busy window thread
    // holds each question until it is free, so the loop needs no pause then.
    const DWORD until = ::GetTickCount() + 60000;
    while (::GetTickCount() < until) {
        if (Answers()) {
            m_component = FindBelow(m_frame, [&](HWND child) {
                return HasClass(child, m_componentClass) &&
                       static_cast<ULONGLONG>(AskOf(child, SCI_GETLENGTH, 60000)) == size;
            });
            if (m_component) return true;
        }
        ::Sleep(1);
    }
    return false;
}

bool RemoteEditor::ShowLastLine(DWORD timeoutMs) const {
    if (Ask(SCI_DOCUMENTEND, timeoutMs) < 0) return false;
    const DWORD until = ::GetTickCount() + timeoutMs;
    while (::GetTickCount() < until) {
        const LONG_PTR lines = Ask(SCI_GETLINECOUNT, timeoutMs);
        const LONG_PTR below = Ask(SCI_GETFIRSTVISIBLELINE, timeoutMs) + Ask(SCI_LINESONSCREEN, timeoutMs);
        const LONG_PTR lastInView = AskOf(m_component, SCI_DOCLINEFROMVISIBLE, timeoutMs, below);
        // Painted: nothing of the component is left to draw.
        if (lines > 0 && lastInView >= lines - 1 && !::GetUpdateRect(m_component, nullptr, FALSE) &&
            Answers(timeoutMs))
            return true;
        ::Sleep(1);
    }
    return false;
}

size_t RemoteEditor::PeakMemory() const {
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, ProcessId());
    if (!process) return 0;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    const size_t peak = ::GetProcessMemoryInfo(process, &counters, sizeof counters) ? counters.PeakWorkingSetSize : 0;
    ::CloseHandle(process);
    return peak;
}

LONG_PTR RemoteEditor::Ask(UINT message, DWORD timeoutMs) const { return AskOf(m_component, message, timeoutMs); }

LONG_PTR RemoteEditor::AskFrame(UINT message, DWORD timeoutMs) const { return AskOf(m_frame, message, timeoutMs); }

LONG_PTR RemoteEditor::Length(DWORD timeoutMs) const { return Ask(SCI_GETLENGTH, timeoutMs); }

bool RemoteEditor::Answers(DWORD timeoutMs) const {
    DWORD_PTR answer = 0;
    return m_frame && ::SendMessageTimeoutA(m_frame, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &answer) != 0;
}

void RemoteEditor::Command(UINT id) const { ::PostMessageA(m_frame, WM_COMMAND, id, 0); }

HWND RemoteEditor::FindControl(int id, const char* className) const {
    for (HWND top : TopLevelWindows(ProcessId())) {
        const auto match = [&](HWND window) { return ::GetDlgCtrlID(window) == id && HasClass(window, className); };
        if (HWND found = FindBelow(top, match)) return found;
    }
    return nullptr;
}

int RemoteEditor::AnswerQuestions(HWND keep) const {
    int answered = 0;
    for (HWND box : TopLevelWindows(ProcessId())) {
        if (box == keep || !IsQuestion(box)) continue;
        int answer = IDCANCEL;
        for (int id : {IDNO, IDOK}) {
            if (::GetDlgItem(box, id)) {
                answer = id;
                break;
            }
        }
        // Posted: a box ends its own modal loop, which must not hold ours.
        ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(box, answer)));
        ++answered;
    }
    return answered;
}

bool RemoteEditor::Close(DWORD timeoutMs) {
    if (!m_running) return true;
    if (m_frame) ::PostMessageA(m_frame, WM_CLOSE, 0, 0);
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < timeoutMs) {
        if (m_program.WaitForExit(100) != -1) {
            m_running = false;
            return true;
        }
        AnswerQuestions();
    }
    return false;  // ProgramProcess ends it
}

bool SetRemoteText(HWND control, const std::string& text) {
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, 10000,
                               &result))
        return false;
    char back[512] = {};
    ::SendMessageTimeoutA(control, WM_GETTEXT, sizeof(back), reinterpret_cast<LPARAM>(back), SMTO_NORMAL, 10000,
                          &result);
    return text == back;
}

bool CheckRemoteBox(HWND box) {
    DWORD_PTR state = 0;
    if (!box || !::SendMessageTimeoutA(box, BM_GETCHECK, 0, 0, SMTO_NORMAL, 10000, &state)) return false;
    if (state != BST_CHECKED) ::SendMessageTimeoutA(box, BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &state);
    return ::SendMessageTimeoutA(box, BM_GETCHECK, 0, 0, SMTO_NORMAL, 10000, &state) && state == BST_CHECKED;
}

ULONGLONG FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string ReadAll(const std::string& path) {
    std::string text;
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return text;
    LARGE_INTEGER size{};
    ::GetFileSizeEx(file, &size);
    text.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    for (size_t at = 0; at < text.size(); at += read)
        if (!::ReadFile(file, &text[at], static_cast<DWORD>(std::min<size_t>(text.size() - at, 1 << 24)), &read,
                        nullptr) || read == 0)
            break;
    ::CloseHandle(file);
    return text;
}
