#include "SaveDrive.h"

#include <algorithm>
#include <vector>

#include "ProgramProcess.h"

namespace {

// The editing component's SCI_GETLENGTH, the same in both programs.
constexpr UINT kGetLength = 2006;

HWND FindDescendant(HWND parent, const char* className) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char name[64] = {};
        ::GetClassNameA(child, name, sizeof(name));
        if (lstrcmpiA(name, className) == 0 && ::IsWindowVisible(child)) return child;
        if (HWND found = FindDescendant(child, className)) return found;
    }
    return nullptr;
}

ULONGLONG FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool Answers(HWND window, UINT timeoutMs) {
    DWORD_PTR answer = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &answer) != 0;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

double MedianSave(int runs, const std::string& exe, const std::string& folder, const char* className,
                  const char* componentClass, const std::string& source, const std::string& copyPath,
                  UINT save) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (!::CopyFileA(source.c_str(), copyPath.c_str(), FALSE)) return -1;
        const ULONGLONG size = FileSize(copyPath);
        ProgramProcess program;
        if (!program.Start(exe, "\"" + copyPath + "\"", folder)) return -1;
        HWND frame = program.WaitForMainWindow(30000, className);
        HWND editor = nullptr;
        // The file is loaded once the component holds all of it (the text is
        // UTF-8 without a mark, so its length is the file's size) and the UI
        // thread answers: a program that loads in the background holds some
        // text long before it is done.
        WaitUntil([&] {
            editor = frame ? FindDescendant(frame, componentClass) : nullptr;
            return editor && Answers(frame, 60000) &&
                   static_cast<ULONGLONG>(::SendMessageA(editor, kGetLength, 0, 0)) == size;
        }, 60000);
        double elapsed = -1;
        if (editor) {
            ::SendMessageA(editor, WM_CHAR, 'x', 0);  // one edit at the caret
            Answers(frame, 60000);
            LARGE_INTEGER start, written;
            ::QueryPerformanceCounter(&start);
            ::PostMessageA(frame, WM_COMMAND, save, 0);
            // Polled tightly: the save takes tens of milliseconds.
            const DWORD until = ::GetTickCount() + 60000;
            while (FileSize(copyPath) != size + 1 && ::GetTickCount() < until) ::Sleep(1);
            const bool done = FileSize(copyPath) == size + 1 && Answers(frame, 60000);
            ::QueryPerformanceCounter(&written);
            if (done) elapsed = Milliseconds(start, written);
        }
        if (frame) ::PostMessageA(frame, WM_CLOSE, 0, 0);
        program.WaitForExit(20000);
        if (elapsed < 0) return -1;
        times.push_back(elapsed);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
