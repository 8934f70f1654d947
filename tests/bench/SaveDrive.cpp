#include "SaveDrive.h"

#include <vector>

#include "RemoteEditor.h"

namespace {

bool NothingToPaint(HWND window) {
    if (::GetUpdateRect(window, nullptr, FALSE)) return false;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::IsWindowVisible(child) && !NothingToPaint(child)) return false;
    return true;
}

}  // namespace

bool WaitUntilIdle(const RemoteEditor& editor, DWORD timeoutMs) {
    // Idle: the thread answers, nothing of the main window waits to be
    // painted, and that holds over a few looks (a first paint, and what it
    // queues, come after the load is done).
    const DWORD until = ::GetTickCount() + timeoutMs;
    int calm = 0;
    while (calm < 5) {
        if (::GetTickCount() > until || !editor.Answers()) return false;
        calm = NothingToPaint(editor.Frame()) ? calm + 1 : 0;
        ::Sleep(20);
    }
    return true;
}

double MedianSave(int runs, const std::string& exe, const std::string& folder, const char* className,
                  const char* componentClass, const std::string& source, const std::string& copyPath,
                  UINT save) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (!::CopyFileA(source.c_str(), copyPath.c_str(), FALSE)) return -1;
        const ULONGLONG size = FileSize(copyPath);
        RemoteEditor editor(className, componentClass);
        if (!editor.Open(exe, folder, copyPath)) return -1;
        ::SendMessageA(editor.Component(), WM_CHAR, 'x', 0);  // one edit at the caret
        // Both programs idle first, so the clock holds the save alone.
        if (!WaitUntilIdle(editor, 60000)) return -1;
        LARGE_INTEGER start, written;
        ::QueryPerformanceCounter(&start);
        editor.Command(save);
        // Polled tightly: the save takes tens of milliseconds. The size can
        // be reached before the save ends; the answer comes after it.
        const DWORD until = ::GetTickCount() + 60000;
        while (FileSize(copyPath) != size + 1 && ::GetTickCount() < until) ::Sleep(1);
        const bool done = FileSize(copyPath) == size + 1 && editor.Answers();
        ::QueryPerformanceCounter(&written);
        if (!done) return -1;
        times.push_back(Milliseconds(start, written));
    }
    return Median(times);
}

double MedianFlush(int runs, const std::string& source, const std::string& path) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (!::CopyFileA(source.c_str(), path.c_str(), FALSE)) return -1;
        // The copy is in the page cache, not yet on the disk: as a save's
        // content is just before its flush.
        HANDLE file =
            ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return -1;
        LARGE_INTEGER start, flushed;
        ::QueryPerformanceCounter(&start);
        const bool ok = ::FlushFileBuffers(file) != FALSE;
        ::QueryPerformanceCounter(&flushed);
        ::CloseHandle(file);
        if (!ok) return -1;
        times.push_back(Milliseconds(start, flushed));
    }
    ::DeleteFileA(path.c_str());
    return Median(times);
}
