// GetProcessMemoryInfo from kernel32, without psapi.
#define PSAPI_VERSION 2
#include "ReplaceDrive.h"

#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include <scintilla/Scintilla.h>

#include "RemoteEditor.h"

namespace {

// The component's search flags, which both programs set before they search.
constexpr LONG_PTR kWholeWordMatchCase = SCFIND_WHOLEWORD | SCFIND_MATCHCASE;

// Another process's commit (PagefileUsage), 0 when it cannot be read.
size_t CommitOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    return ::GetProcessMemoryInfo(process, &counters, sizeof(counters)) ? counters.PagefileUsage : 0;
}

// The largest commit of a process, sampled every millisecond on a thread of
// its own from construction, beyond the commit at construction.
class CommitPeak {
public:
    explicit CommitPeak(DWORD processId)
        : m_process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId)),
          m_base(CommitOf(m_process)),
          m_peak(m_base),
          m_thread([this] {
              while (!m_done) {
                  const size_t now = CommitOf(m_process);
                  if (now > m_peak) m_peak = now;
                  ::Sleep(1);
              }
          }) {}
    ~CommitPeak() {
        Stop();
        if (m_process) ::CloseHandle(m_process);
    }
    CommitPeak(const CommitPeak&) = delete;
    CommitPeak& operator=(const CommitPeak&) = delete;
    // Negative when the process's memory could not be read.
    double Stop() {
        if (!m_done.exchange(true)) m_thread.join();
        if (!m_base) return -1;
        return static_cast<double>(std::max<size_t>(m_peak, CommitOf(m_process)) - m_base);
    }

private:
    HANDLE m_process;
    size_t m_base;
    std::atomic<size_t> m_peak;
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

// The fields filled and the options checked; what failed, or empty.
std::string FillIn(HWND surface, const ReplaceControls& ids, const std::string& find, const std::string& replace) {
    if (!SetRemoteText(::GetDlgItem(surface, ids.findText), find)) return "the find field did not take the text";
    if (!SetRemoteText(::GetDlgItem(surface, ids.replaceText), replace))
        return "the replace field did not take the text";
    if (!CheckRemoteBox(::GetDlgItem(surface, ids.matchCase))) return "match case could not be checked";
    if (!CheckRemoteBox(::GetDlgItem(surface, ids.wholeWord))) return "whole word could not be checked";
    return {};
}

ReplaceFigures ReplaceOnce(RemoteEditor& editor, const ReplaceControls& ids, const std::string& find,
                const std::string& replace, long long matches) {
    ReplaceFigures run;
    editor.Command(ids.command);
    HWND button = nullptr;
    WaitUntil([&] { return (button = editor.FindControl(ids.replaceAll, "Button")) != nullptr; }, 10000);
    if (!button) {
        run.trouble = "its Replace command showed no Replace All button";
        return run;
    }
    const HWND surface = ::GetParent(button);
    run.trouble = FillIn(surface, ids, find, replace);
    if (!run.trouble.empty()) return run;
    editor.Answers();

    const LONG_PTR before = editor.Length();
    const LONG_PTR expected =
        before + static_cast<LONG_PTR>(matches) * static_cast<LONG_PTR>(replace.size() - find.size());
    LONG_PTR after = before;
    LARGE_INTEGER start, done;
    {
        CommitPeak peak(editor.ProcessId());
        ::QueryPerformanceCounter(&start);
        // Posted, as a click is: a program that reports the count in a modal
        // box would otherwise hold this call until the box is answered.
        ::PostMessageA(surface, WM_COMMAND, MAKEWPARAM(ids.replaceAll, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        // The window thread does not take this message while it replaces, so
        // each reading waits for the work; a program that pumps messages
        // midway shows a length that then stops changing short of the goal.
        const DWORD until = ::GetTickCount() + 120000;
        for (;;) {
            after = editor.Length();
            if (after == before) ::Sleep(1);  // the click is not taken yet
            if (after == expected || after < 0 || ::GetTickCount() > until) break;
            if (after != before && editor.Answers() && editor.Length() == after) break;
        }
        const bool answers = editor.Answers();
        ::QueryPerformanceCounter(&done);
        run.peakBytes = peak.Stop();
        if (!answers) after = -1;
    }
    editor.AnswerQuestions(surface);  // ours tells how many were replaced
    const LONG_PTR flags = editor.Ask(SCI_GETSEARCHFLAGS);
    if (after < 0) {
        run.trouble = "the program stopped answering during Replace All";
    } else if (flags < 0 || (flags & kWholeWordMatchCase) != kWholeWordMatchCase) {
        // This text has as many matches either way: the flags tell.
        run.trouble = "it searched without whole word and match case";
    } else if (after != expected) {
        const LONG_PTR step = static_cast<LONG_PTR>(replace.size() - find.size());
        run.trouble = "replaced " + std::to_string(step ? (after - before) / step : 0) + " of " +
                      std::to_string(matches) + " matches";
    } else {
        run.milliseconds = Milliseconds(start, done);
    }
    return run;
}


}  // namespace

ReplaceFigures ReplaceAllOnce(const BenchProgram& program, const std::string& file, const ReplaceControls& ids,
                              const std::string& find, const std::string& replace, long long matches) {
    RemoteEditor editor(program.frameClass, program.componentClass);
    ReplaceFigures run;
    if (editor.Open(program.exe, program.folder, program.switches, file, -1))
        run = ReplaceOnce(editor, ids, find, replace, matches);
    else
        run.trouble = "the file did not load";
    if (!editor.Close()) run.trouble += run.trouble.empty() ? "it did not close" : "; it did not close";
    return run;
}
