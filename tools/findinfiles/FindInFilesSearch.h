#pragma once
// One find-in-files search: walks a folder, reads each file that qualifies
// and scans it, on one thread or on several (ParallelFileSearch.h), with
// the same lines in the same order either way. The search works on its own
// copy of the request, so the dialogs may change the settings while it runs.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>

#include "ResultSink.h"
#include "SearchBuffer.h"
#include "SearchFileReader.h"

struct FindInFilesRequest {
    std::string findText;
    std::string fileTypes;      // ';'-separated patterns; blank means every file
    std::string folder;
    uint32_t mask = 0;          // SearchMask: bits 0, 1, 7
    std::string summaryFormat;  // "...'%s' %d ... %d ... %0.3f ..."
    // Added to the summary when files were passed over for their size: "...%d...".
    std::string skippedFormat;
    // Threads that read and scan files; 0 chooses by the machine's
    // processors, 1 walks and reads in turn on the calling thread.
    int readers = 0;
};

struct FindInFilesCounts {
    int hits = 0;
    int files = 0;
    int skipped = 0;  // files over the size limit, passed over unread
};

// The state a search hands to the folder walk's callback.
struct FileSearch {
    BufferSearch buffer;
    CSearchFileReader reader;  // one buffer for every file
    int files = 0;
    int skipped = 0;
    const std::atomic<bool>* stop = nullptr;
};

// Largest file searched; bigger ones are passed over.
constexpr DWORD kLargestSearchedFile = 0x100000;

// What a search does with a file the walk lists, by its size.
enum class ListedFile { Empty, TooLarge, Searched };
ListedFile ClassifyListedFile(const WIN32_FIND_DATAA& data);

// Reads one listed file with reader and scans it, its lines (an error line
// when it cannot be read) going to scan.sink; true when it held a match.
bool SearchListedFile(BufferSearch& scan, CSearchFileReader& reader, const char* path);

// The reader threads a search with readers = 0 uses.
int DefaultReaderCount();

// The folder walk's callback for one file. Answers 0 (ends the folder's
// listing) only once the search is asked to stop.
int SearchFileCallback(const WIN32_FIND_DATAA* data, const char* path, void* search, void* unused);

// Runs the whole search on the calling thread and answers the counts; the
// summary line is left out when it was stopped.
FindInFilesCounts RunFindInFiles(const FindInFilesRequest& request, IFindResultSink& sink,
                                 const std::atomic<bool>& stop);

// Text after leading blanks and tabs.
std::string SkipLeadingBlanks(const std::string& text);
