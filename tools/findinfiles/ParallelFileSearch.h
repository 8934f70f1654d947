#pragma once
// Find in files on several threads. Under Wine every open, read and close
// is a round trip to the server, so one thread spends most of a search
// waiting; here one thread walks the folder, several read and scan the
// files it lists, and the calling thread hands each file's lines to the
// sink strictly in the walk's order, so that the sink gets exactly what one
// thread walking and reading in turn would have written.
//
// Memory stays bounded: the walk runs at most a window of files ahead of
// the lines handed on, and a reader whose file is not the next to hand on
// waits once the lines held back grow past a budget.
#include <atomic>
#include <string>

#include "FindInFilesSearch.h"

// Walks folder (types as EnumFiles takes them, or null for every file)
// with readers threads reading, and sets counts to what reached the sink.
// Once stop is set the threads end after the file each is on, and no line
// is handed on after it. False, with nothing written, when the threads
// could not be started.
bool SearchFilesOnThreads(const std::string& folder, const char* types, bool subfolders, const BufferSearch& scan,
                          int readers, IFindResultSink& sink, const std::atomic<bool>& stop,
                          FindInFilesCounts& counts);
