#pragma once
// Runs ctags for the symbol pane on worker threads, one for each request,
// so that the window thread never waits for a child process. A worker has
// only the request's values: it parses into a record list of its own and
// posts the request's id to a window, whose thread then takes the result
// here. The results stay owned here until taken, so one whose message never
// arrives (the window went first) is freed all the same.
#include <windows.h>

#include <atomic>
#include <memory>
#include <vector>

#include "FillSymbols.h"
#include "RecordingTagSink.h"

struct SymbolResult {
    RecordingTagSink tags;
    bool parsed = false;  // false: ctags could not run, failed or was stopped
};

class CSymbolJobs {
public:
    // Each worker posts message, its request's id in wParam, when it ends.
    explicit CSymbolJobs(UINT message);
    // Stops and waits for every worker.
    ~CSymbolJobs();
    CSymbolJobs(const CSymbolJobs&) = delete;
    CSymbolJobs& operator=(const CSymbolJobs&) = delete;

    // The request's id (never 0), or 0 when no thread could be started.
    unsigned Start(const SymbolRequest& request, HWND notify);
    // Asks a request's ctags to end early; its message still comes.
    void Stop(unsigned id);
    // For the message: the request's result once its worker has ended, or
    // null for a request stopped or already taken.
    std::unique_ptr<SymbolResult> Take(unsigned id);
    // Stops every worker and waits for each; their messages find nothing.
    void StopAll();
    size_t RunningCount() const { return m_jobs.size(); }

private:
    struct Job;
    static DWORD WINAPI RunCtagsJob(void* job);
    // Waits for the job's thread, which has nothing left to do but end.
    std::unique_ptr<Job> Reap(unsigned id);

    UINT m_message;
    std::vector<std::unique_ptr<Job>> m_jobs;
    unsigned m_lastId = 0;
};
