// Searches a folder tree for a word with the find-in-files engine and
// prints its median time beside the floor: the least any search must do over
// the same tree, timed in the same run. Usage: findinfiles_bench FOLDER WORD
// [RUNS [READERS...]]; scripts/bench/findinfiles_bench.sh makes the tree and
// prints grep's time over it beside this one. Each READERS count (the
// engine's own choice when none is given) is timed as a figure of its own,
// so that reader counts compare within one run. RUNS 0 searches once with
// the first count, untimed: what scripts/bench/findinfiles-requests.sh
// counts the Wine server requests of.
//
// The floor walks the tree with the engine's own folder walk and reads,
// with one CreateFile (the engine's flags) and ReadFile each, exactly the files the engine reads
// (names not beginning with '.', 1 byte to 1 MiB), into one buffer, on one
// thread; it scans nothing. Its parts are timed apart over the same files:
// the walk alone, the opens and closes alone (over the walk's list), the
// reads alone (over handles opened before the clock starts), and the
// engine's scan alone (over the files' contents read before the clock
// starts). The opens, reads and closes are also timed over the walk's list
// on as many threads as the engine reads on: what Wine lets several threads
// of one process do at best, with no walk and no scan. The engine is timed
// with its own readers and with one thread. The runs are interleaved
// (each figure once, then again) after one warm-up pass of each, so that
// the tree is in the page cache and a change in the machine's load falls on
// every figure alike.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <dovari.h>

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

bool Searched(const WIN32_FIND_DATAA* data) {
    return data->nFileSizeHigh == 0 && data->nFileSizeLow > 0 && data->nFileSizeLow <= kLargestSearchedFile;
}

// What each pass of the floor and of the breakdown does per file.
enum class Step { Walk, Read };

struct StepPass {
    Step step;
    std::vector<char>* buffer;
    size_t bytes = 0;
    int files = 0;
};

// The engine's own open flags, so that the two differ only in what the
// engine does beyond reading.
HANDLE OpenAsTheEngineDoes(const char* path) {
    return ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

int StepCallback(const WIN32_FIND_DATAA* data, const char* path, void* state, void*) {
    auto& pass = *static_cast<StepPass*>(state);
    if (!Searched(data)) return 1;
    ++pass.files;
    if (pass.step == Step::Walk) return 1;
    const HANDLE file = OpenAsTheEngineDoes(path);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD got = 0;
    if (pass.step == Step::Read &&
        ::ReadFile(file, pass.buffer->data(), static_cast<DWORD>(pass.buffer->size()), &got, nullptr))
        pass.bytes += got;
    ::CloseHandle(file);
    return 1;
}

int ListCallback(const WIN32_FIND_DATAA* data, const char* path, void* state, void*) {
    if (Searched(data)) static_cast<std::vector<std::string>*>(state)->push_back(path);
    return 1;
}

struct Timed {
    const char* name;
    std::function<void()> run;
    // Around each run, outside its time.
    std::function<void()> prepare = [] {};
    std::function<void()> finish = [] {};
    std::vector<double> times;
    double Median() {
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        printf("usage: findinfiles_bench FOLDER WORD [RUNS [READERS...]]\n");
        return 1;
    }
    const int runs = argc > 3 ? std::max(0, atoi(argv[3])) : 5;
    std::vector<int> readerCounts;
    for (int i = 4; i < argc; ++i) readerCounts.push_back(std::max(1, atoi(argv[i])));
    if (readerCounts.empty()) readerCounts.push_back(DefaultReaderCount());
    FindInFilesRequest request;
    request.findText = argv[2];
    request.folder = argv[1];
    request.mask = 0x80;  // subfolders
    request.readers = readerCounts[0];
    const std::atomic<bool> stop{false};
    FindInFilesCounts counts;
    if (runs == 0) {
        CountingSink sink;
        counts = RunFindInFiles(request, sink, stop);
        printf("find in files with %d readers: %d hits in %d files\n", request.readers, counts.hits, counts.files);
        return counts.hits > 0 ? 0 : 1;
    }
    std::vector<char> buffer(kLargestSearchedFile);
    StepPass floorPass{Step::Read, &buffer};
    auto stepRun = [&](Step step, StepPass* out) {
        return [&, step, out] {
            StepPass pass{step, &buffer};
            ::EnumFiles(argv[1], nullptr, 1, StepCallback, &pass, nullptr);
            if (out) *out = pass;
        };
    };
    std::vector<std::string> paths;
    ::EnumFiles(argv[1], nullptr, 1, ListCallback, &paths, nullptr);
    std::vector<HANDLE> handles;
    FindInFilesRequest oneThread = request;
    oneThread.readers = 1;
    std::vector<Timed> timed;
    timed.push_back({"engine", [&] {
                         CountingSink sink;
                         counts = RunFindInFiles(request, sink, stop);
                     }});
    timed.push_back({"floor", stepRun(Step::Read, &floorPass)});
    timed.push_back({"walk alone", stepRun(Step::Walk, nullptr)});
    timed.push_back({"open and close alone", [&] {
                         for (const std::string& path : paths) {
                             const HANDLE file = OpenAsTheEngineDoes(path.c_str());
                             if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
                         }
                     }});
    Timed reads{"read alone", [&] {
                    for (HANDLE file : handles) {
                        OVERLAPPED at{};  // from the start, on a handle opened for plain reads
                        DWORD got = 0;
                        ::ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, &at);
                    }
                }};
    reads.prepare = [&] {
        for (const std::string& path : paths) {
            const HANDLE file = OpenAsTheEngineDoes(path.c_str());
            if (file != INVALID_HANDLE_VALUE) handles.push_back(file);
        }
    };
    reads.finish = [&] {
        for (HANDLE file : handles) ::CloseHandle(file);
        handles.clear();
    };
    timed.push_back(reads);
    timed.push_back({"read on threads", [&] {
                         std::atomic<size_t> next{0};
                         std::vector<std::thread> threads;
                         for (int t = 0; t < request.readers; ++t)
                             threads.emplace_back([&] {
                                 std::vector<char> own(kLargestSearchedFile);
                                 for (size_t i; (i = next++) < paths.size();) {
                                     const HANDLE file = OpenAsTheEngineDoes(paths[i].c_str());
                                     if (file == INVALID_HANDLE_VALUE) continue;
                                     DWORD got = 0;
                                     ::ReadFile(file, own.data(), static_cast<DWORD>(own.size()), &got, nullptr);
                                     ::CloseHandle(file);
                                 }
                             });
                         for (std::thread& thread : threads) thread.join();
                     }});
    // Every file's contents, read once before the first scan's clock and
    // kept: 525 MB, so that the scan is timed over the same bytes the
    // engine scans, with no read inside its time.
    std::vector<std::string> contents;
    Timed scanning{"scan alone", [&] {
                       CountingSink sink;
                       BufferSearch scan;
                       scan.pattern = request.findText;
                       scan.mask = request.mask;
                       scan.sink = &sink;
                       for (size_t i = 0; i < contents.size(); ++i)
                           SearchBuffer(scan, contents[i].data(), paths[i].c_str(), contents[i].size());
                   }};
    scanning.prepare = [&] {
        if (!contents.empty()) return;
        CSearchFileReader reader;
        for (const std::string& path : paths) {
            reader.Read(path.c_str(), kLargestSearchedFile);
            contents.emplace_back(reader.Bytes(), reader.Size());
        }
    };
    timed.push_back(scanning);
    timed.push_back({"engine on one thread", [&] {
                         CountingSink sink;
                         RunFindInFiles(oneThread, sink, stop);
                     }});
    std::vector<FindInFilesRequest> others;
    for (size_t i = 1; i < readerCounts.size(); ++i) {
        others.push_back(request);
        others.back().readers = readerCounts[i];
    }
    for (const FindInFilesRequest& other : others)
        timed.push_back({"engine with other readers", [&] {
                             CountingSink sink;
                             RunFindInFiles(other, sink, stop);
                         }});

    for (Timed& t : timed) t.prepare(), t.run(), t.finish();  // warm-up: the tree into the page cache
    for (int i = 0; i < runs; ++i) {
        for (Timed& t : timed) {
            t.prepare();
            LARGE_INTEGER start, end;
            ::QueryPerformanceCounter(&start);
            t.run();
            ::QueryPerformanceCounter(&end);
            t.finish();
            t.times.push_back(Seconds(start, end));
        }
    }
    const double engine = timed[0].Median();
    const double floor = timed[1].Median();
    printf("find in files: median %.3f s of %d runs, %d hits in %d files\n", engine, runs, counts.hits, counts.files);
    printf("ReadFile floor (the same walk, one CreateFile and ReadFile of each of the %d files searched, %.0f MB, "
           "no scan): median %.3f s; engine / floor %.2f (goal 2)\n",
           floorPass.files, floorPass.bytes / 1e6, floor, engine / floor);
    printf("  of the floor, each on one thread: walk alone %.3f s, open and close alone %.3f s, read alone %.3f s\n",
           timed[2].Median(), timed[3].Median(), timed[4].Median());
    printf("  the same opens, reads and closes over the walk's list on %d threads: median %.3f s\n", request.readers,
           timed[5].Median());
    printf("engine's scan alone, on one thread: median %.3f s\n", timed[6].Median());
    printf("engine on one thread: median %.3f s; with %d readers / on one thread %.2f\n", timed[7].Median(),
           request.readers, engine / timed[7].Median());
    for (size_t i = 0; i < others.size(); ++i)
        printf("engine with %d readers: median %.3f s\n", others[i].readers, timed[8 + i].Median());
    return counts.hits > 0 ? 0 : 1;
}
