#include "FindInFilesRunner.h"

#include <algorithm>

#include "AppSettings.h"
#include "PaneResultSink.h"

struct CFindInFilesRunner::Job {
    FindInFilesRequest request;
    CPaneResultSink sink;
    std::atomic<bool> stop{false};
    FindInFilesCounts counts;  // written by the worker, read once it has ended
    HWND pane = nullptr;
    HWND notify = nullptr;
    unsigned id = 0;
    HANDLE thread = nullptr;

    Job(const FindInFilesRequest& r, HWND resultPane, HWND runner)
        : request(r), sink(resultPane), pane(resultPane), notify(runner) {}
    ~Job() {
        if (thread) ::CloseHandle(thread);
    }
};

CFindInFilesRunner::CFindInFilesRunner(SearchOptions& counts) : m_counts(counts) {}

CFindInFilesRunner::~CFindInFilesRunner() {
    StopAll();
    if (IsWindow()) DestroyWindow();
}

WindowClassInfo CFindInFilesRunner::GetWindowClassInfo() const {
    WindowClassInfo info;
    info.name = "TwFindInFilesRunner";
    return info;
}

bool CFindInFilesRunner::Start(const FindInFilesRequest& request, HWND resultPane) {
    if (!IsWindow() && !Create(HWND_MESSAGE, nullptr, nullptr, 0)) return false;
    auto job = std::make_unique<Job>(request, resultPane, m_hWnd);
    job->id = ++m_lastId;
    job->thread = ::CreateThread(nullptr, 0, FindInFilesSearch, job.get(), 0, nullptr);
    if (!job->thread) return false;
    m_jobs.push_back(std::move(job));
    return true;
}

DWORD WINAPI CFindInFilesRunner::FindInFilesSearch(void* parameter) {
    auto* job = static_cast<Job*>(parameter);
    job->counts = RunFindInFiles(job->request, job->sink, job->stop);
    ::PostMessageA(job->notify, kFinishedMessage, job->id, 0);
    return 0;
}

LRESULT CFindInFilesRunner::OnFinished(UINT, WPARAM wParam, LPARAM, bool&) {
    // By id: a stopped job is reaped already, and its memory may hold a new one.
    const auto found = std::find_if(m_jobs.begin(), m_jobs.end(), [&](const auto& j) { return j->id == wParam; });
    if (found != m_jobs.end()) Reap(found->get());
    return 0;
}

void CFindInFilesRunner::Reap(Job* job) {
    ::WaitForSingleObject(job->thread, INFINITE);
    // The counts are those of the last search that ran to its end.
    if (!job->stop) {
        m_counts.matchCount = job->counts.hits;
        m_counts.fileCount = job->counts.files;
    }
    m_jobs.erase(std::find_if(m_jobs.begin(), m_jobs.end(), [&](const auto& j) { return j.get() == job; }));
}

void CFindInFilesRunner::Stop(HWND resultPane) {
    std::vector<Job*> stopping;
    for (const auto& job : m_jobs) {
        if (resultPane && job->pane != resultPane) continue;
        job->stop = true;
        stopping.push_back(job.get());
    }
    for (Job* job : stopping) {
        // A worker may be waiting in a send to a pane of this thread: take
        // sent messages only, so nothing else runs meanwhile.
        while (::MsgWaitForMultipleObjects(1, &job->thread, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
            MSG msg;
            ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
        Reap(job);
    }
}
