// Searches a folder tree for a word with the find-in-files engine and
// prints the median time of a few runs. Usage: findinfiles_bench FOLDER WORD
// [RUNS]; scripts/bench/findinfiles_bench.sh makes the tree and prints
// grep's time over it beside this one.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "FindInFilesSearch.h"

namespace {

struct CountingSink : IFindResultSink {
    int lines = 0;
    void AddResultLine(const char*, int, const char*) override { ++lines; }
    void AddText(const char*) override { ++lines; }
};

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        printf("usage: findinfiles_bench FOLDER WORD [RUNS]\n");
        return 1;
    }
    const int runs = argc > 3 ? std::max(1, atoi(argv[3])) : 5;
    FindInFilesRequest request;
    request.findText = argv[2];
    request.folder = argv[1];
    request.mask = 0x80;  // subfolders
    const std::atomic<bool> stop{false};
    std::vector<double> times;
    FindInFilesCounts counts;
    for (int run = 0; run < runs; ++run) {
        CountingSink sink;
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        counts = RunFindInFiles(request, sink, stop);
        ::QueryPerformanceCounter(&end);
        times.push_back(Seconds(start, end));
    }
    std::sort(times.begin(), times.end());
    printf("find in files: median %.3f s of %d runs (fastest %.3f s), %d hits in %d files\n", times[times.size() / 2],
           runs, times.front(), counts.hits, counts.files);
    return counts.hits > 0 ? 0 : 1;
}
