// Prints the median time from process start to the main window shown, over
// several starts of the editor from a program folder of its own, and, when
// a peer program is named, the same for it in the same run with the ratio.
// With a FILE, each start opens it and the time runs until it is loaded:
// its name is in the main window's or a document's title and the window's
// thread answers again (a load holds that thread).
// Usage: startup_bench [RUNS [PEER_EXE PEER_WINDOW_CLASS [FILE]]].
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ProgramProcess.h"
#include "RemoteEditor.h"
#include "SaveDrive.h"
#include "resource.h"
#include "TempFolder.h"

namespace {

// Median milliseconds to the window of className, or a negative value when
// it did not appear.
bool ShowsFile(HWND frame, const std::string& name) {
    char title[512] = {};
    ::GetWindowTextA(frame, title, sizeof(title));
    if (std::string(title).find(name) != std::string::npos) return true;
    for (const std::string& document : DocumentTitles(frame))
        if (document.find(name) != std::string::npos) return true;
    return false;
}

double MedianStart(int runs, const std::string& exe, const std::string& folder, const char* className,
                   const std::string& file = "") {
    const std::string name = file.substr(file.find_last_of('\\') + 1);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start, shown;
        ::QueryPerformanceCounter(&start);
        ProgramProcess program;
        if (!program.Start(exe, file.empty() ? "" : "\"" + file + "\"", folder)) return -1;
        HWND frame = program.WaitForMainWindow(30000, className);
        if (frame && !file.empty()) {
            const DWORD until = ::GetTickCount() + 60000;
            while (!ShowsFile(frame, name) && ::GetTickCount() < until) ::Sleep(1);
            DWORD_PTR answer = 0;
            ::SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer);
        }
        ::QueryPerformanceCounter(&shown);
        if (!frame) return -1;
        times.push_back(Milliseconds(start, shown));
        ::PostMessageA(frame, WM_CLOSE, 0, 0);
        program.WaitForExit(20000);
    }
    return Median(times);
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    TempFolder folder;
    std::string exe = folder.File("Tarnwick.exe");
    ::CopyFileA((BuildFolder() + "\\Tarnwick.exe").c_str(), exe.c_str(), FALSE);
    const double ours = MedianStart(runs, exe, folder.Path(), "CMainFrame");
    if (ours < 0) {
        std::printf("the main window did not appear\n");
        return 1;
    }
    std::printf("start to main window: median %.1f ms over %d runs\n", ours, runs);
    if (argc > 3) {
        const std::string peer = argv[2];
        const std::string peerFolder = peer.substr(0, peer.find_last_of('\\'));
        const double theirs = MedianStart(runs, peer, peerFolder, argv[3]);
        if (theirs < 0)
            std::printf("peer: its main window did not appear\n");
        else
            std::printf("peer start to main window: median %.1f ms; ratio %.2f\n", theirs, ours / theirs);
        if (argc > 4) {
            const double ourLoad = MedianStart(runs, exe, folder.Path(), "CMainFrame", argv[4]);
            const double theirLoad = MedianStart(runs, peer, peerFolder, argv[3], argv[4]);
            std::printf("start and open %s until loaded: ours %.1f ms, peer %.1f ms; ratio %.2f (goal 0.5)\n",
                        argv[4], ourLoad, theirLoad, ourLoad / theirLoad);
            const std::string copy = folder.File("save-bench.txt");
            // Our view is a superclass of the component; 106 is the peer's own Save command.
            const double ourSave =
                MedianSave(runs, exe, folder.Path(), "CMainFrame", "languagewnd", argv[4], copy, ID_FILE_SAVE);
            const double theirSave = MedianSave(runs, peer, peerFolder, argv[3], "Scintilla", argv[4], copy, 106);
            const double flush = MedianFlush(runs, argv[4], folder.File("flush-bench.txt"));
            if (ourSave < 0 || theirSave < 0)
                std::printf("save after one edit: ours %.1f ms, peer %.1f ms (negative: could not be driven)\n",
                            ourSave, theirSave);
            else
                std::printf("save after one edit, both idle first, from the Save command until written: ours %.1f ms,"
                            " peer %.1f ms; ratio %.2f (goal 1.5)\n"
                            "  one flush of that size, which the peer does not do: %.1f ms; ours flushes twice (the"
                            " whole copy, then the file written in place); ours without the two %.1f ms, ratio %.2f\n",
                            ourSave, theirSave, ourSave / theirSave, flush, ourSave - 2 * flush,
                            (ourSave - 2 * flush) / theirSave);
        }
    }
    return 0;
}
