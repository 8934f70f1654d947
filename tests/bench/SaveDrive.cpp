#include "SaveDrive.h"

#include <vector>

#include "RemoteEditor.h"

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
        editor.Answers();
        LARGE_INTEGER start, written;
        ::QueryPerformanceCounter(&start);
        editor.Command(save);
        // Polled tightly: the save takes tens of milliseconds.
        const DWORD until = ::GetTickCount() + 60000;
        while (FileSize(copyPath) != size + 1 && ::GetTickCount() < until) ::Sleep(1);
        const bool done = FileSize(copyPath) == size + 1 && editor.Answers();
        ::QueryPerformanceCounter(&written);
        if (!done) return -1;
        times.push_back(Milliseconds(start, written));
    }
    return Median(times);
}
