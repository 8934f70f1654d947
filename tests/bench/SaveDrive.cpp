#include "SaveDrive.h"

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

SaveFigures SaveOnce(const BenchProgram& program, const std::string& source, const std::string& copyPath,
                     UINT saveCommand, UINT flushMessage) {
    SaveFigures figures;
    if (!::CopyFileA(source.c_str(), copyPath.c_str(), FALSE)) return figures;
    const ULONGLONG size = FileSize(copyPath);
    RemoteEditor editor(program.frameClass, program.componentClass);
    if (!editor.Open(program.exe, program.folder, program.switches, copyPath, -1)) return figures;
    ::SendMessageA(editor.Component(), WM_CHAR, 'x', 0);  // one edit at the caret
    // Both programs idle first, so the clock holds the save alone.
    if (!WaitUntilIdle(editor, 60000)) return figures;
    LARGE_INTEGER start, written;
    ::QueryPerformanceCounter(&start);
    editor.Command(saveCommand);
    // Polled tightly: the save takes tens of milliseconds. The size can
    // be reached before the save ends; the answer comes after it.
    const DWORD until = ::GetTickCount() + 60000;
    while (FileSize(copyPath) != size + 1 && ::GetTickCount() < until) ::Sleep(1);
    const bool done = FileSize(copyPath) == size + 1 && editor.Answers();
    ::QueryPerformanceCounter(&written);
    if (!done) return figures;
    // Asked once the clock has stopped: the question costs the save nothing.
    if (flushMessage) {
        const LONG_PTR microseconds = editor.AskFrame(flushMessage);
        if (microseconds < 0) return figures;
        figures.flushMilliseconds = static_cast<double>(microseconds) / 1000.0;
    }
    figures.milliseconds = Milliseconds(start, written);
    return figures;
}
