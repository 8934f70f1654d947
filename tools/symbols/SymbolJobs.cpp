#include "SymbolJobs.h"

#include <algorithm>

#include "UniqueHandle.h"

struct CSymbolJobs::Job {
    SymbolRequest request;
    SymbolResult result;  // written by the worker, read once it has ended
    std::atomic<bool> stop{false};
    HWND notify = nullptr;
    UINT message = 0;
    unsigned id = 0;
    UniqueHandle thread;
};

CSymbolJobs::CSymbolJobs(UINT message) : m_message(message) {}

CSymbolJobs::~CSymbolJobs() { StopAll(); }

unsigned CSymbolJobs::Start(const SymbolRequest& request, HWND notify) {
    auto job = std::make_unique<Job>();
    job->request = request;
    job->notify = notify;
    job->message = m_message;
    // Wraps past the largest id without giving 0, which means none.
    job->id = ++m_lastId ? m_lastId : ++m_lastId;
    job->thread.reset(::CreateThread(nullptr, 0, RunCtagsJob, job.get(), 0, nullptr));
    if (!job->thread) return 0;
    m_jobs.push_back(std::move(job));
    return m_lastId;
}

DWORD WINAPI CSymbolJobs::RunCtagsJob(void* parameter) {
    auto* job = static_cast<Job*>(parameter);
    const SymbolRequest& request = job->request;
    job->result.parsed = RunCtags(job->result.tags, request.path, request.mask, request.lexer, request.program,
                                  nullptr, &job->stop);
    ::PostMessageA(job->notify, job->message, job->id, 0);
    return 0;
}

void CSymbolJobs::Stop(unsigned id) {
    for (const auto& job : m_jobs)
        if (job->id == id) job->stop = true;
}

std::unique_ptr<CSymbolJobs::Job> CSymbolJobs::Reap(unsigned id) {
    const auto found = std::find_if(m_jobs.begin(), m_jobs.end(), [&](const auto& j) { return j->id == id; });
    if (found == m_jobs.end()) return nullptr;
    std::unique_ptr<Job> job = std::move(*found);
    m_jobs.erase(found);
    ::WaitForSingleObject(job->thread.get(), INFINITE);
    return job;
}

std::unique_ptr<SymbolResult> CSymbolJobs::Take(unsigned id) {
    std::unique_ptr<Job> job = Reap(id);
    if (!job || job->stop) return nullptr;
    return std::make_unique<SymbolResult>(std::move(job->result));
}

void CSymbolJobs::StopAll() {
    for (const auto& job : m_jobs) job->stop = true;
    // A worker only posts, never sends, so a plain wait cannot deadlock.
    while (!m_jobs.empty()) Reap(m_jobs.back()->id);
}
