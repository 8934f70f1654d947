#include "FindInFilesSearch.h"

#include <cstdio>

#include <dovari.h>

#include "SearchFileReader.h"

std::string SkipLeadingBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first);
}

int SearchFileCallback(const WIN32_FIND_DATAA* data, const char* path, void* state, void*) {
    auto& search = *static_cast<FileSearch*>(state);
    if (search.stop && search.stop->load(std::memory_order_relaxed)) return 0;
    if (data->nFileSizeLow == 0 && data->nFileSizeHigh == 0) return 1;
    if (data->nFileSizeHigh != 0 || data->nFileSizeLow > kLargestSearchedFile) {
        // Not read, but counted: the summary says so, rather than a bare
        // "0 found" over files it never looked in.
        ++search.skipped;
        return 1;
    }
    const FileReadResult read = search.reader.Read(path, kLargestSearchedFile);
    if (read != kReadDone) {
        char line[MAX_PATH + 64];
        snprintf(line, sizeof(line), "Cannot open file: %s error:%d", path, static_cast<int>(read));
        search.buffer.sink->AddText(line);
        return 1;
    }
    if (SearchBuffer(search.buffer, search.reader.Bytes(), path, search.reader.Size())) ++search.files;
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

    FileSearch search;
    search.buffer.pattern = request.findText;
    search.buffer.mask = request.mask;
    search.buffer.sink = &sink;
    search.stop = &stop;
    const DWORD start = ::GetTickCount();
    ::EnumFiles(folder.c_str(), types.empty() ? nullptr : types.c_str(), (request.mask & 0x80) ? 1 : 0,
                SearchFileCallback, &search, nullptr);
    const DWORD elapsed = ::GetTickCount() - start;
    const FindInFilesCounts counts{search.buffer.hits, search.files, search.skipped};
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
