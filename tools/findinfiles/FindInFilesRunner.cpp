#include "FindInFilesRunner.h"

#include <algorithm>

#include "AppSettings.h"
#include "PaneResultSink.h"

struct CFindInFilesRunner::Job {
    FindInFilesRequest request;
    CPaneResultSink sink;
    std::atomic<bool> stop{false};
    FindInFilesCounts counts;  // written by the worker, read once it has ended
    HWND notify = nullptr;
    HANDLE thread = nullptr;

    Job(const FindInFilesRequest& r, HWND pane, HWND runner) : request(r), sink(pane), notify(runner) {}
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
    job->thread = ::CreateThread(nullptr, 0, FindInFilesSearch, job.get(), 0, nullptr);
    if (!job->thread) return false;
    m_jobs.push_back(std::move(job));
    return true;
}

DWORD WINAPI CFindInFilesRunner::FindInFilesSearch(void* parameter) {
    auto* job = static_cast<Job*>(parameter);
    job->counts = RunFindInFiles(job->request, job->sink, job->stop);
    ::PostMessageA(job->notify, kFinishedMessage, 0, reinterpret_cast<LPARAM>(job));
    return 0;
}

LRESULT CFindInFilesRunner::OnFinished(UINT, WPARAM, LPARAM lParam, bool&) {
    // Only a job still listed: StopAll may have reaped it already.
    auto* job = reinterpret_cast<Job*>(lParam);
    if (std::any_of(m_jobs.begin(), m_jobs.end(), [&](const auto& j) { return j.get() == job; })) Reap(job);
    return 0;
}

void CFindInFilesRunner::Reap(Job* job) {
    ::WaitForSingleObject(job->thread, INFINITE);
    m_counts.matchCount = job->counts.hits;
    m_counts.fileCount = job->counts.files;
    m_jobs.erase(std::find_if(m_jobs.begin(), m_jobs.end(), [&](const auto& j) { return j.get() == job; }));
}

void CFindInFilesRunner::StopAll() {
    for (const auto& job : m_jobs) job->stop = true;
    while (!m_jobs.empty()) {
        Job* job = m_jobs.front().get();
        // A worker may be waiting in a send to a pane of this thread: take
        // sent messages only, so nothing else runs while we close.
        while (::MsgWaitForMultipleObjects(1, &job->thread, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
            MSG msg;
            ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
        Reap(job);
    }
}
