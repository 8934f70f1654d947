// Median time to load and to save a 50 MB UTF-8 and a 50 MB UTF-16 file
// through a real, shown editing component, beside plain block reads of the
// same file (the floor), with each figure's ratio to it. The peer's figures
// are not measured here: its build is not part of this tree.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "ComponentWindow.h"
#include "DocumentFile.h"
#include "EncodingCodes.h"
#include "UniqueHandle.h"
#include "MemoryStreams.h"

namespace {

constexpr size_t kFileSize = 50 * 1000 * 1000;
constexpr int kRuns = 5;

template <typename F>
double Median(F run) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const double start = Now();
        run();
        times.push_back(Now() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void WriteFile(const std::string& path, const std::string& bytes) {
    UniqueHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void ReadAll(const std::string& path) {
    UniqueHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    std::vector<char> block(kFileBlockSize);
    DWORD read = 0;
    while (::ReadFile(file.get(), block.data(), static_cast<DWORD>(block.size()), &read, nullptr) && read > 0) {
    }
}

void Report(const char* what, double seconds, size_t bytes, double floor = 0) {
    std::printf("  %-8s %8.1f ms  %8.1f MB/s", what, seconds * 1000, static_cast<double>(bytes) / 1e6 / seconds);
    if (floor > 0) std::printf("  %5.2f x the ReadFile floor", seconds / floor);
    std::printf("\n");
    std::fflush(stdout);
}

}  // namespace

int main() {
    // Mixed ASCII and Chinese lines of about 60 bytes.
    const std::string line = "int value = 42; // " + std::string("\xE4\xB8\xAD\xE6\x96\x87\xE6\xB3\xA8\xE9\x87\x8A") +
                             " comment text\r\n";
    std::string text;
    text.reserve(kFileSize + line.size());
    while (text.size() < kFileSize) text += line;

    char folder[MAX_PATH];
    ::GetTempPathA(sizeof(folder), folder);
    const std::string base = std::string(folder) + "tw_bench_" + std::to_string(::GetCurrentProcessId());

    ComponentWindow view;
    // Shown, as a document is: painting is part of what a load costs.
    ::ShowWindow(view.Window(), SW_SHOWNOACTIVATE);
    CDocumentFile document(view.component);
    const struct {
        const char* name;
        EncodingCode code;
    } files[] = {{"UTF-8", kEncodingUtf8NoBom}, {"UTF-16", kEncodingUtf16Le}};
    for (const auto& f : files) {
        std::string bytes = SaveBytes(text, f.code);
        if (f.code == kEncodingUtf16Le) bytes.resize(kFileSize & ~size_t(1));  // 50 MB of file either way
        const std::string path = base + "_" + std::to_string(f.code) + ".txt";
        const std::string copy = path + ".saved";
        WriteFile(path, bytes);

        std::printf("%s file, %zu bytes\n", f.name, bytes.size());
        const double floor = Median([&] { ReadAll(path); });
        Report("ReadFile", floor, bytes.size());
        Report("load", Median([&] {
                   // Into an empty document with no history, as a file opens.
                   view.Send(SCI_CLEARALL);
                   view.Send(SCI_EMPTYUNDOBUFFER);
                   document.OpenFile(path.c_str(), kEncodingDefault);
               }), bytes.size(), floor);
        Report("save", Median([&] { document.SaveFile(copy.c_str()); }), bytes.size(), floor);
        ::DeleteFileA(path.c_str());
        ::DeleteFileA(copy.c_str());
    }
    return 0;
}
