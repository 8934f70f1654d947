// Searches a folder tree for a word with the find-in-files engine and
// prints the median time of a few runs beside the floor: a plain ReadFile
// pass over every file of the same tree, in the same run. Usage: findinfiles_bench FOLDER WORD
// [RUNS]; scripts/bench/findinfiles_bench.sh makes the tree and prints
// grep's time over it beside this one.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
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

// Reads every file under folder into one buffer; answers the bytes read.
size_t ReadTree(const std::string& folder, std::vector<char>& buffer) {
    size_t total = 0;
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = folder + "\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            total += ReadTree(path, buffer);
            continue;
        }
        HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        DWORD got = 0;
        while (::ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) && got > 0)
            total += got;
        ::CloseHandle(file);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return total;
}

template <typename F>
double MedianSeconds(int runs, F run) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        run();
        ::QueryPerformanceCounter(&end);
        times.push_back(Seconds(start, end));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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
    FindInFilesCounts counts;
    const double engine = MedianSeconds(runs, [&] {
        CountingSink sink;
        counts = RunFindInFiles(request, sink, stop);
    });
    std::vector<char> buffer(0x100000);
    size_t bytes = 0;
    const double floor = MedianSeconds(runs, [&] { bytes = ReadTree(argv[1], buffer); });
    printf("find in files: median %.3f s of %d runs, %d hits in %d files\n", engine, runs, counts.hits, counts.files);
    printf("ReadFile floor (every byte of the tree, %.0f MB): median %.3f s; engine / floor %.2f (goal 2)\n",
           bytes / 1e6, floor, engine / floor);
    return counts.hits > 0 ? 0 : 1;
}
