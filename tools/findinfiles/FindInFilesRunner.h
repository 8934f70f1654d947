#pragma once
// Starts each find-in-files search on a worker thread of its own and keeps
// it until it ends. The worker reaches the user-interface thread only by
// sending to the result pane's window and by posting its end here; the
// counters go back to the settings on this thread.
#include <windows.h>

#include <atomic>
#include <memory>
#include <vector>

#include "FindInFilesSearch.h"
#include "Window.h"

struct SearchOptions;

class CFindInFilesRunner : public CMsgWindow {
public:
    // The hit and file counts of each finished search go to counts.
    explicit CFindInFilesRunner(SearchOptions& counts);
    ~CFindInFilesRunner() override;

    // Starts a search that writes into the result pane window; false when
    // no thread could be started.
    bool Start(const FindInFilesRequest& request, HWND resultPane);
    // Asks every running search to stop and waits for each to end, handling
    // the lines they send meanwhile.
    void StopAll() { Stop(nullptr); }
    // The same for the searches that write into one pane: a new search into
    // it replaces them rather than mixing its lines with theirs.
    void StopSearchesInto(HWND resultPane) { Stop(resultPane); }
    size_t RunningCount() const { return m_jobs.size(); }

    TW_BEGIN_MSG_MAP(CFindInFilesRunner)
        TW_MESSAGE_HANDLER(kFinishedMessage, OnFinished)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override;

private:
    struct Job;
    static constexpr UINT kFinishedMessage = WM_APP + 1;
    static DWORD WINAPI FindInFilesSearch(void* job);

    LRESULT OnFinished(UINT, WPARAM, LPARAM, bool&);
    // Waits for the job's thread, writes its counts and forgets it.
    void Reap(Job* job);
    // Every search, or those into one pane.
    void Stop(HWND resultPane);

    SearchOptions& m_counts;
    std::vector<std::unique_ptr<Job>> m_jobs;
    unsigned m_lastId = 0;
};
