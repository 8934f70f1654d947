#include "RemoteEditor.h"

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

LONG_PTR AskOf(HWND component, UINT message, DWORD timeoutMs) {
    DWORD_PTR answer = 0;
    if (!component || !::SendMessageTimeoutA(component, message, 0, 0, SMTO_NORMAL, timeoutMs, &answer)) return -1;
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
    const ULONGLONG size = FileSize(file);
    if (!m_program.Start(exe, "\"" + file + "\"", folder)) return false;
    m_running = true;
    m_frame = m_program.WaitForMainWindow(30000, m_frameClass);
    if (!m_frame) return false;
    // Either program may have more than one component (the peer has an output
    // pane): the one that holds the file is the editor.
    return WaitUntil([&] {
        if (!Answers()) return false;
        m_component = FindBelow(m_frame, [&](HWND child) {
            return HasClass(child, m_componentClass) && static_cast<ULONGLONG>(AskOf(child, SCI_GETLENGTH, 60000)) == size;
        });
        return m_component != nullptr;
    }, 60000);
}

LONG_PTR RemoteEditor::Ask(UINT message, DWORD timeoutMs) const { return AskOf(m_component, message, timeoutMs); }

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
