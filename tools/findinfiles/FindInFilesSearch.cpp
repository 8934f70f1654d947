#include "FindInFilesSearch.h"

#include <algorithm>
#include <cstdio>

#include <dovari.h>

#include "ParallelFileSearch.h"
#include "SearchFileReader.h"

std::string SkipLeadingBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first);
}

ListedFile ClassifyListedFile(const WIN32_FIND_DATAA& data) {
    if (data.nFileSizeLow == 0 && data.nFileSizeHigh == 0) return ListedFile::Empty;
    if (data.nFileSizeHigh != 0 || data.nFileSizeLow > kLargestSearchedFile) return ListedFile::TooLarge;
    return ListedFile::Searched;
}

bool SearchListedFile(BufferSearch& scan, CSearchFileReader& reader, const char* path) {
    const FileReadResult read = reader.Read(path, kLargestSearchedFile);
    if (read != kReadDone) {
        char line[MAX_PATH + 64];
        snprintf(line, sizeof(line), "Cannot open file: %s error:%d", path, static_cast<int>(read));
        scan.sink->AddText(line);
        return false;
    }
    return SearchBuffer(scan, reader.Bytes(), path, reader.Size());
}

int DefaultReaderCount() {
    // Every open, first read and close is answered by the one server
    // process in turn, and under Wine a handle's first read and its close
    // also wait for the server inside one lock of the whole process, so of a
    // file's three round trips only the open overlaps with other readers'.
    // Three readers keep that lock busy while others open, read and scan;
    // over 10,000 files they beat two and four, and eight or more only
    // queue on the lock and the server.
    SYSTEM_INFO info;
    ::GetSystemInfo(&info);
    return static_cast<int>(std::min<DWORD>(3, std::max<DWORD>(1, info.dwNumberOfProcessors)));
}

int SearchFileCallback(const WIN32_FIND_DATAA* data, const char* path, void* state, void*) {
    auto& search = *static_cast<FileSearch*>(state);
    if (search.stop && search.stop->load(std::memory_order_relaxed)) return 0;
    switch (ClassifyListedFile(*data)) {
    case ListedFile::Empty:
        return 1;
    case ListedFile::TooLarge:
        // Not read, but counted: the summary says so, rather than a bare
        // "0 found" over files it never looked in.
        ++search.skipped;
        return 1;
    case ListedFile::Searched:
        break;
    }
    if (SearchListedFile(search.buffer, search.reader, path)) ++search.files;
    return 1;
}

FindInFilesCounts RunFindInFiles(const FindInFilesRequest& request, IFindResultSink& sink,
                                 const std::atomic<bool>& stop) {
    const std::string folder = SkipLeadingBlanks(request.folder);
    const std::string types = SkipLeadingBlanks(request.fileTypes);
    if (folder.empty() || !::CheckFileExists(folder.c_str())) {
        const std::string line = "Invalid search path: " + folder;
        sink.AddText(line.c_str());
        return {};
    }

    BufferSearch scan;
    scan.pattern = request.findText;
    scan.mask = request.mask;
    scan.sink = &sink;
    const bool subfolders = (request.mask & 0x80) != 0;
    const char* patterns = types.empty() ? nullptr : types.c_str();
    const int readers = request.readers > 0 ? request.readers : DefaultReaderCount();
    const DWORD start = ::GetTickCount();
    FindInFilesCounts counts;
    // On one thread when threads are not wanted or could not be had.
    if (readers <= 1 || !SearchFilesOnThreads(folder, patterns, subfolders, scan, readers, sink, stop, counts)) {
        FileSearch search;
        search.buffer = scan;
        search.stop = &stop;
        ::EnumFiles(folder.c_str(), patterns, subfolders ? 1 : 0, SearchFileCallback, &search, nullptr);
        counts = {search.buffer.hits, search.files, search.skipped};
    }
    const DWORD elapsed = ::GetTickCount() - start;
    if (stop.load() || request.summaryFormat.empty()) return counts;

    char summary[512];
    snprintf(summary, sizeof(summary), request.summaryFormat.c_str(), request.findText.c_str(), counts.hits,
             counts.files, static_cast<unsigned>(elapsed) * 0.001);
    std::string line = summary;
    if (counts.skipped > 0 && !request.skippedFormat.empty()) {
        snprintf(summary, sizeof(summary), request.skippedFormat.c_str(), counts.skipped);
        line += summary;
    }
    sink.AddText(line.c_str());
    return counts;
}
