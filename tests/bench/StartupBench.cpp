// Prints the median time from process start to the main window shown, over
// several starts of the editor from a program folder of its own.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "ProgramProcess.h"
#include "TempFolder.h"

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    TempFolder folder;
    std::string exe = folder.File("Tarnwick.exe");
    ::CopyFileA((BuildFolder() + "\\Tarnwick.exe").c_str(), exe.c_str(), FALSE);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER frequency, start, shown;
        ::QueryPerformanceFrequency(&frequency);
        ::QueryPerformanceCounter(&start);
        ProgramProcess editor;
        if (!editor.Start(exe, "", folder.Path())) return 1;
        HWND frame = editor.WaitForMainWindow(30000);
        ::QueryPerformanceCounter(&shown);
        if (!frame) {
            std::printf("the main window did not appear\n");
            return 1;
        }
        times.push_back(1000.0 * (double)(shown.QuadPart - start.QuadPart) / (double)frequency.QuadPart);
        ::PostMessageA(frame, WM_CLOSE, 0, 0);
        editor.WaitForExit(20000);
    }
    std::sort(times.begin(), times.end());
    std::printf("start to main window: median %.1f ms over %d runs (min %.1f, max %.1f)\n", times[times.size() / 2],
                runs, times.front(), times.back());
    return 0;
}
