// Start-up and load of the editor beside the peer's, in one run: the median
// time from process start to the main window shown, and, for each FILE,
// from process start on that file until the component holds its whole text
// and the last line has been shown (caret at the end, painted, the window
// thread answering), with the peak memory of that load. Ours runs from its
// program folder as shipped; the peer runs once drawing and decoding like
// ours (GDI, the file's code page) and once with its defaults. Each FILE is
// PATH=CODE_PAGE, the code page the like peer is given for it. Last, the save
// of the first FILE after one edit, ours beside the like peer: the writing,
// and apart from it the time ours spent in its flushes, which the peer skips.
// Usage: startup_bench FOLDER [RUNS [PEER_EXE [FILE...]]].
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <scintilla/Scintilla.h>

#include "BenchTable.h"
#include "RemoteEditor.h"
#include "SaveDrive.h"
#include "SaveFlushMessage.h"
#include "resource.h"
#include "TempFolder.h"

namespace {

// What the component holds of a file: a text with a UTF-16 mark is held
// converted to UTF-8, any other as it is on disk (those given here carry no
// mark).
LONG_PTR HeldLength(const std::string& path) {
    const std::string bytes = ReadAll(path);
    if (bytes.size() < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE') return static_cast<LONG_PTR>(bytes.size());
    const wchar_t* text = reinterpret_cast<const wchar_t*>(bytes.data() + 2);
    const int units = static_cast<int>((bytes.size() - 2) / 2);
    return ::WideCharToMultiByte(CP_UTF8, 0, text, units, nullptr, 0, nullptr, nullptr);
}

struct BenchFile {
    std::string path;
    std::string codePage;
    std::string name;  // for the row: the file's name without its folder
    LONG_PTR length;
};

// PATH=CODE_PAGE, UTF-8 when no code page is given.
BenchFile BenchFileOf(const std::string& argument) {
    const size_t equals = argument.find_last_of('=');
    BenchFile file{argument.substr(0, equals), equals == std::string::npos ? "65001" : argument.substr(equals + 1)};
    file.name = file.path.substr(file.path.find_last_of('\\') + 1);
    file.length = HeldLength(file.path);
    return file;
}

double StartOnce(const BenchProgram& program) {
    LARGE_INTEGER start, shown;
    ::QueryPerformanceCounter(&start);
    RemoteEditor editor(program.frameClass, program.componentClass);
    const bool started = editor.Start(program.exe, program.folder, program.switches);
    ::QueryPerformanceCounter(&shown);
    return started ? Milliseconds(start, shown) : -1;
}

// How each program held the file on its last load: its code page and its
// drawing, so the output shows that the like peer is like ours.
std::map<std::string, std::string> s_heldAs;

struct LoadFigures {
    double milliseconds = -1;
    double peakMB = -1;
};

LoadFigures LoadOnce(const BenchProgram& program, const BenchFile& file) {
    LoadFigures figures;
    LARGE_INTEGER start, shown;
    ::QueryPerformanceCounter(&start);
    RemoteEditor editor(program.frameClass, program.componentClass);
    const bool loaded = editor.Open(program.exe, program.folder, program.switches, file.path, file.length) &&
                        editor.ShowLastLine();
    ::QueryPerformanceCounter(&shown);
    if (!loaded) return figures;
    figures.milliseconds = Milliseconds(start, shown);
    figures.peakMB = static_cast<double>(editor.PeakMemory()) / 1e6;
    s_heldAs[program.label] = "code page " + std::to_string(editor.Ask(SCI_GETCODEPAGE)) + ", technology " +
                              std::to_string(editor.Ask(SCI_GETTECHNOLOGY));
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: startup_bench FOLDER [RUNS [PEER_EXE [PATH=CODE_PAGE...]]]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    // The runs write their settings, session and layout into the folder, as
    // a user's starts do: the script hands over a copy of the shipped one.
    const std::string folder = argv[1];
    std::vector<BenchProgram> programs{{"ours", folder + "\\Tarnwick.exe", folder, "", "CMainFrame", "languagewnd"}};
    const bool peer = argc > 3;
    if (peer) {
        programs.push_back(PeerProgram("like peer", argv[3], "-technology=0"));
        programs.push_back(PeerProgram("peer defaults", argv[3], ""));
    } else {
        std::printf("(no peer: only ours is timed)\n");
    }
    const auto column = [&](const std::vector<double>& medians, size_t i) { return i < medians.size() ? medians[i] : -1; };

    const std::vector<double> start = InterleavedMedians(runs, programs, StartOnce);
    if (start[0] < 0) {
        std::printf("our main window did not appear\n");
        return 1;
    }
    PrintRow("start to main window", "ms", start[0], column(start, 1), column(start, 2), 1.0);

    std::vector<BenchFile> files;
    for (int i = 4; i < argc; ++i) files.push_back(BenchFileOf(argv[i]));
    for (const BenchFile& file : files) {
        std::vector<BenchProgram> loaders = programs;
        if (peer) loaders[1].switches += " -code.page=" + file.codePage;
        std::vector<double> peaks[3];
        const std::vector<double> times = InterleavedMedians(runs, loaders, [&](const BenchProgram& program) {
            const LoadFigures figures = LoadOnce(program, file);
            for (size_t p = 0; p < loaders.size(); ++p)
                if (&loaders[p] == &program && figures.peakMB >= 0) peaks[p].push_back(figures.peakMB);
            return figures.milliseconds;
        });
        const auto peak = [&](size_t p) { return peaks[p].empty() ? -1.0 : Median(peaks[p]); };
        PrintRow("open " + file.name + " until the last line is shown", "ms", times[0], column(times, 1),
                 column(times, 2), 0.4);
        PrintRow("peak memory of that load", "MB", peak(0), peak(1), peak(2));
        for (const BenchProgram& program : loaders)
            std::printf("  %s held %s as %s\n", program.label.c_str(), file.name.c_str(), s_heldAs[program.label].c_str());
    }

    if (peer && !files.empty()) {
        const std::string& source = files[0].path;
        TempFolder scratch;
        const std::string copy = scratch.File("save-bench.txt");
        std::vector<BenchProgram> savers{programs[0], programs[1]};
        savers[1].switches += " -code.page=" + files[0].codePage;
        // Ours flushes twice (the whole copy, then the file written in place)
        // and says how long that took; the peer writes without flushing. So
        // the save row is the writing alone, and the flushes a row of their own.
        const UINT flushMessage = ::RegisterWindowMessageA(kLastSaveFlushMessageName);
        std::vector<double> ourFlushes;
        int ourRuns = 0;
        const std::vector<double> writing = InterleavedMedians(runs, savers, [&](const BenchProgram& program) {
            const bool ours = &program == &savers[0];
            // Our view is a superclass of the component; 106 is the peer's own Save command.
            const SaveFigures figures = SaveOnce(program, source, copy, ours ? ID_FILE_SAVE : 106, ours ? flushMessage : 0);
            // Our first run is the untimed warm-up: its flushes do not count either.
            const bool counted = !ours || ourRuns++ > 0;
            if (figures.milliseconds < 0) return -1.0;
            if (ours && counted) ourFlushes.push_back(figures.flushMilliseconds);
            return figures.milliseconds - figures.flushMilliseconds;
        });
        PrintRow("save after one edit, less our flushes", "ms", writing[0], writing[1], -1, 1.5);
        PrintRow("our save's two flushes (the peer has none)", "ms", ourFlushes.empty() ? -1 : Median(ourFlushes), -1);
    }
    return 0;
}
