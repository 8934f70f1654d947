#include "ParallelFileSearch.h"

#include <windows.h>

#include <cstdint>
#include <system_error>
#include <thread>
#include <vector>

#include <dovari.h>

namespace {

// Files listed but not yet handed on: enough for the walk to keep ahead of
// the readers, few enough that their paths cost nothing.
constexpr size_t kWindow = 256;
// Bytes of lines held back for files that are not the next to hand on; the
// next file's own lines are never held up, so one file of many matches
// passes whatever its size.
constexpr size_t kHeldBytesBudget = 32u << 20;
// A reader tells the coordinator of its file's lines in steps of this, so
// that a file of few matches takes the lock only when it is done.
constexpr size_t kHeldBytesStep = 64u << 10;
// How often the calling thread looks at the stop request while it waits:
// the request is a plain flag, which nothing signals. It also hands on
// what is done by then, so that readers need not wake it for each file.
constexpr DWORD kStopPollMs = 10;
// Files done that make a reader wake the calling thread before its poll:
// each wake is a thread switch, which on a virtual machine costs about as
// much as a round trip to the Wine server.
constexpr size_t kDoneWake = 32;

// A slim reader/writer lock held exclusively for one scope. The search's
// waits go through condition variables on it: under Wine these wait in
// the process, with no round trip to the server as an event's wait takes.
class SlimLock {
public:
    explicit SlimLock(SRWLOCK& lock) : m_lock(lock) { ::AcquireSRWLockExclusive(&m_lock); }
    ~SlimLock() { ::ReleaseSRWLockExclusive(&m_lock); }
    SlimLock(const SlimLock&) = delete;
    SlimLock& operator=(const SlimLock&) = delete;
    // Waits until woken or for ms; the lock is held again on return.
    void Wait(CONDITION_VARIABLE& changed, DWORD ms = INFINITE) {
        ::SleepConditionVariableSRW(&changed, &m_lock, ms, 0);
    }

private:
    SRWLOCK& m_lock;
};

class ThreadedSearch;

// One listed file on its way: its path, then, once read, its lines in the
// order the scan wrote them. The scan writes every result line with the
// file's own path, so only the line number and text are kept.
class FileSlot : public IFindResultSink {
public:
    void Begin(ThreadedSearch* search, size_t index, const char* path) {
        m_search = search;
        m_index = index;
        m_path = path;
        m_entries.clear();
        m_text.clear();
        // A file of many matches gives its memory back, rather than each
        // slot keeping the most it ever held.
        if (m_text.capacity() > kHeldBytesStep) {
            std::string().swap(m_text);
            std::vector<Entry>().swap(m_entries);
        }
        m_reported = 0;
        matched = false;
        done = false;
    }
    const std::string& Path() const { return m_path; }
    size_t Index() const { return m_index; }
    size_t HeldBytes() const { return m_reported; }

    void AddResultLine(const char*, int line, const char* text) override { Keep(line, text); }
    void AddText(const char* text) override { Keep(kOwnLine, text); }

    // Hands the lines on, counting the result lines; stops at once when
    // the search is asked to stop.
    void Replay(IFindResultSink& sink, const std::atomic<bool>& stop, int& hits) const;

    bool matched = false;
    bool done = false;  // read and scanned; guarded by the search's lock

private:
    static constexpr int kOwnLine = 0;  // an error line, not a match
    struct Entry {
        int line;
        size_t offset;
    };
    void Keep(int line, const char* text);

    ThreadedSearch* m_search = nullptr;
    size_t m_index = 0;
    std::string m_path;
    std::vector<Entry> m_entries;
    std::string m_text;      // each entry's text with its NUL
    size_t m_reported = 0;   // of m_text's size, as the search last heard it
};

class ThreadedSearch {
public:
    ThreadedSearch(const BufferSearch& scan, const std::atomic<bool>& stop) : m_scan(scan), m_stop(stop) {
        m_slots.resize(kWindow);
    }

    // False, with nothing handed on, when its threads could not be started.
    bool Run(const std::string& folder, const char* types, bool subfolders, int readers, IFindResultSink& sink,
             FindInFilesCounts& counts);

    // From a reader whose file has grown by its bytes: waits while the
    // held lines are over budget, unless its file is the next to hand on.
    void Hold(const FileSlot& slot, size_t bytes);
    bool Stopping() const { return m_abort.load(std::memory_order_relaxed); }

private:
    static int Listed(const WIN32_FIND_DATAA* data, const char* path, void* state, void*);
    int List(const WIN32_FIND_DATAA& data, const char* path);
    void WalkDone();
    void ReadFiles();
    void HandOn(IFindResultSink& sink);
    void Abort();
    FileSlot& Slot(size_t index) { return m_slots[index % kWindow]; }

    const BufferSearch& m_scan;
    const std::atomic<bool>& m_stop;
    std::atomic<bool> m_abort{false};  // set once the stop is seen; ends every thread

    SRWLOCK m_lock = SRWLOCK_INIT;
    CONDITION_VARIABLE m_fileListed = CONDITION_VARIABLE_INIT;   // readers wait on it
    CONDITION_VARIABLE m_fileDone = CONDITION_VARIABLE_INIT;     // the calling thread
    CONDITION_VARIABLE m_fileHandedOn = CONDITION_VARIABLE_INIT; // the walk and held readers
    std::vector<FileSlot> m_slots;
    size_t m_listed = 0;     // files the walk has listed
    size_t m_taken = 0;      // of them, taken by a reader
    size_t m_handedOn = 0;   // of them, handed on to the sink
    bool m_walkDone = false;
    size_t m_heldBytes = 0;
    size_t m_doneUnseen = 0;   // files done since the calling thread last took one
    bool m_walkWaiting = false;
    int m_holding = 0;         // readers held for the budget

    int m_skipped = 0;  // the walk's own
    FindInFilesCounts m_counts;
};

void FileSlot::Keep(int line, const char* text) {
    if (m_search->Stopping()) return;  // nobody will see it
    m_entries.push_back({line, m_text.size()});
    m_text.append(text);
    m_text.push_back('\0');
    if (m_text.size() - m_reported >= kHeldBytesStep) {
        const size_t grown = m_text.size() - m_reported;
        m_reported = m_text.size();
        m_search->Hold(*this, grown);
    }
}

void FileSlot::Replay(IFindResultSink& sink, const std::atomic<bool>& stop, int& hits) const {
    for (const Entry& entry : m_entries) {
        if (stop.load(std::memory_order_relaxed)) return;
        const char* text = m_text.c_str() + entry.offset;
        if (entry.line == kOwnLine) {
            sink.AddText(text);
        } else {
            sink.AddResultLine(m_path.c_str(), entry.line, text);
            ++hits;
        }
    }
}

int ThreadedSearch::Listed(const WIN32_FIND_DATAA* data, const char* path, void* state, void*) {
    return static_cast<ThreadedSearch*>(state)->List(*data, path);
}

// The walk's callback, on the walk's thread.
int ThreadedSearch::List(const WIN32_FIND_DATAA& data, const char* path) {
    if (m_stop.load(std::memory_order_relaxed) || Stopping()) return 0;
    switch (ClassifyListedFile(data)) {
    case ListedFile::Empty:
        return 1;
    case ListedFile::TooLarge:
        ++m_skipped;
        return 1;
    case ListedFile::Searched:
        break;
    }
    SlimLock hold(m_lock);
    if (m_listed - m_handedOn >= kWindow) {
        // The window is full: the walk goes on once half of it is handed
        // on, so that it wakes once for many files rather than for each.
        m_walkWaiting = true;
        while (m_listed - m_handedOn > kWindow / 2 && !Stopping()) hold.Wait(m_fileHandedOn);
        m_walkWaiting = false;
    }
    if (Stopping()) return 0;
    Slot(m_listed).Begin(this, m_listed, path);
    ++m_listed;
    ::WakeConditionVariable(&m_fileListed);
    return 1;
}

void ThreadedSearch::WalkDone() {
    SlimLock hold(m_lock);
    m_walkDone = true;
    ::WakeAllConditionVariable(&m_fileListed);
    ::WakeAllConditionVariable(&m_fileDone);
}

// A reader thread: takes the listed files in order, each read into its own
// buffer and scanned into the file's slot.
void ThreadedSearch::ReadFiles() {
    CSearchFileReader reader;
    BufferSearch scan = m_scan;
    for (;;) {
        FileSlot* slot;
        {
            SlimLock hold(m_lock);
            while (m_taken == m_listed && !m_walkDone && !Stopping()) hold.Wait(m_fileListed);
            if (Stopping() || m_taken == m_listed) return;
            slot = &Slot(m_taken++);
        }
        if (m_stop.load(std::memory_order_relaxed)) return;
        scan.sink = slot;
        const bool matched = SearchListedFile(scan, reader, slot->Path().c_str());
        SlimLock hold(m_lock);
        slot->matched = matched;
        slot->done = true;
        ++m_doneUnseen;
        // The calling thread waits only when the next file is not done;
        // woken for a run of files, or for the last, or by its poll.
        const bool last = m_walkDone && m_taken == m_listed;
        if (slot->Index() == m_handedOn && (m_doneUnseen >= kDoneWake || last || m_holding > 0))
            ::WakeConditionVariable(&m_fileDone);
    }
}

void ThreadedSearch::Hold(const FileSlot& slot, size_t bytes) {
    SlimLock hold(m_lock);
    m_heldBytes += bytes;
    while (m_heldBytes > kHeldBytesBudget && slot.Index() != m_handedOn && !Stopping()) {
        // A held reader waits for the lines before its own to be handed on.
        ++m_holding;
        ::WakeConditionVariable(&m_fileDone);
        hold.Wait(m_fileHandedOn);
        --m_holding;
    }
}

// On the calling thread: each file's lines as soon as it and every file
// listed before it are done.
void ThreadedSearch::HandOn(IFindResultSink& sink) {
    for (;;) {
        FileSlot* slot;
        {
            SlimLock hold(m_lock);
            for (;;) {
                if (m_stop.load(std::memory_order_relaxed)) return;
                if (m_handedOn < m_listed && Slot(m_handedOn).done) break;
                if (m_walkDone && m_handedOn == m_listed) return;
                hold.Wait(m_fileDone, kStopPollMs);
            }
            slot = &Slot(m_handedOn);
            m_doneUnseen = 0;
        }
        slot->Replay(sink, m_stop, m_counts.hits);
        if (slot->matched) ++m_counts.files;
        SlimLock hold(m_lock);
        m_heldBytes -= slot->HeldBytes();
        ++m_handedOn;
        if ((m_walkWaiting && m_listed - m_handedOn <= kWindow / 2) || m_holding > 0)
            ::WakeAllConditionVariable(&m_fileHandedOn);
    }
}

void ThreadedSearch::Abort() {
    SlimLock hold(m_lock);
    m_abort = true;
    ::WakeAllConditionVariable(&m_fileListed);
    ::WakeAllConditionVariable(&m_fileHandedOn);
}

bool ThreadedSearch::Run(const std::string& folder, const char* types, bool subfolders, int readers,
                         IFindResultSink& sink, FindInFilesCounts& counts) {
    std::thread walk;
    std::vector<std::thread> reading;
    try {
        walk = std::thread([&] {
            ::EnumFiles(folder.c_str(), types, subfolders ? 1 : 0, Listed, this, nullptr);
            WalkDone();
        });
        for (int i = 0; i < readers; ++i) reading.emplace_back([this] { ReadFiles(); });
    } catch (const std::system_error&) {
        // Fewer readers only make it slower; with none nothing would read.
    }
    const bool ran = walk.joinable() && !reading.empty();
    if (ran) HandOn(sink);
    // Every file is handed on, or the search was stopped, or it could not
    // start: either way the threads that still wait or read are ended.
    Abort();
    if (walk.joinable()) walk.join();
    for (std::thread& reader : reading) reader.join();
    m_counts.skipped = m_skipped;
    counts = m_counts;
    return ran;
}

}  // namespace

bool SearchFilesOnThreads(const std::string& folder, const char* types, bool subfolders, const BufferSearch& scan,
                          int readers, IFindResultSink& sink, const std::atomic<bool>& stop,
                          FindInFilesCounts& counts) {
    ThreadedSearch search(scan, stop);
    return search.Run(folder, types, subfolders, readers, sink, counts);
}
