// Replace All of a common word in a 50 MB document on a real view: time,
// replacements per second and the memory committed beyond the loaded
// document at its peak, for a plain and a regular-expression search, then
// the undo and the redo of each. The peak is held against the goal of twice
// the document's size. Then the regular-expression searches themselves, the
// component's own engine run inside it against the editor's watched run of
// the same engine: a find of the one match at the end, and every match of
// Replace All's pattern, interleaved after a warm-up.
#define PSAPI_VERSION 2
#include <windows.h>
#include <psapi.h>

#include <atomic>
#include <thread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchClock.h"
#include "FindReplace.h"
#include "MessageBoxRecorder.h"
#include "RegexSearch.h"
#include "UiSeams.h"
#include "ViewFixture.h"

namespace {

constexpr size_t kDefaultSize = 50 * 1000 * 1000;

size_t Committed() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PagefileUsage;
}

// The largest commit seen while it lives, sampled every millisecond.
class PeakSampler {
public:
    PeakSampler() : m_peak(Committed()), m_thread([this] {
        while (!m_done) {
            const size_t now = Committed();
            if (now > m_peak) m_peak = now;
            ::Sleep(1);
        }
    }) {}
    size_t Stop() {
        m_done = true;
        m_thread.join();
        return std::max<size_t>(m_peak, Committed());
    }

private:
    std::atomic<size_t> m_peak;
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};


// Matches of pattern from 0 to the end, each search going on after the last
// match; the end of the last. Searched by the component or by finder.
std::pair<int, sptr_t> AllMatches(const ViewWindow& w, const std::string& pattern, const CViewFinder* finder,
                                  bool firstOnly) {
    const sptr_t length = w.Send(SCI_GETLENGTH);
    int count = 0;
    sptr_t end = -1;
    for (sptr_t from = 0; from < length;) {
        sptr_t found = -1;
        if (finder) {
            found = finder->Search(from, length);
        } else {
            w.Send(SCI_SETTARGETRANGE, static_cast<uptr_t>(from), length);
            found = w.Send(SCI_SEARCHINTARGET, pattern.size(), reinterpret_cast<sptr_t>(pattern.data()));
        }
        if (found < 0) break;
        ++count;
        end = w.Send(SCI_GETTARGETEND);
        if (firstOnly) break;
        from = end > found ? end : found + 1;
    }
    return {count, end};
}

void CompareRegexSearch(ViewWindow& w, const std::string& text) {
    w.SetText(text + "zzz_end\r\n");
    w.Send(SCI_EMPTYUNDOBUFFER);
    w.Send(SCI_SETSEARCHFLAGS, SCFIND_REGEXP);
    std::printf("Regular-expression search in %.0f MB, the component's own against the editor's (best of 3):\n",
                text.size() / 1e6);
    const struct {
        const char* name;
        const char* pattern;
        bool firstOnly;
    } cases[] = {{"find at the end", "z+_e\\(n\\)d", true}, {"all matches", "v\\(alu\\)e", false}};
    for (const auto& c : cases) {
        CSearchWatch watch(*w.view);
        const CViewFinder finder(*w.view, c.pattern, &watch);
        double best[2] = {1e9, 1e9};
        std::pair<int, sptr_t> result[2];
        for (int round = 0; round <= 3; ++round) {  // round 0 warms up
            for (int side = 0; side < 2; ++side) {
                const double start = Now();
                result[side] = AllMatches(w, c.pattern, side ? &finder : nullptr, c.firstOnly);
                const double seconds = Now() - start;
                if (round > 0) best[side] = std::min(best[side], seconds);
            }
        }
        std::printf("  %-16s component %8.1f ms, editor %8.1f ms (%.2f x), %d matches%s\n", c.name, best[0] * 1000,
                    best[1] * 1000, best[1] / best[0], result[1].first,
                    result[0] == result[1] ? "" : ", NOT THE SAME AS THE COMPONENT'S");
    }
    std::fflush(stdout);
}

}  // namespace

// An argument gives another size in MB.
int main(int argc, char** argv) {
    const size_t kTextSize = argc > 1 ? static_cast<size_t>(atoi(argv[1])) * 1000 * 1000 : kDefaultSize;
    const std::string line = "int value = 42; // the value of the comment text\r\n";
    std::string text;
    text.reserve(kTextSize + line.size());
    while (text.size() < kTextSize) text += line;

    ViewWindow w;
    const MessageBoxRecorder quiet(SetMessageBoxHook);  // notices answered, not shown
    CViewSearch search(*w.view);
    const struct {
        const char* name;
        uint32_t mask;
        const char* find;
        const char* replace;
    } runs[] = {
        {"plain", kSearchDown | kSearchWrap | kSearchMatchCase | kSearchWholeWord, "value", "amount"},
        {"regex", kSearchDown | kSearchWrap | kSearchRegex, "v\\(alu\\)e", "x\\1y"},
    };
    std::printf("Replace All in %.0f MB:\n", kTextSize / 1e6);
    for (const auto& run : runs) {
        w.SetText(text);
        w.Send(SCI_EMPTYUNDOBUFFER);
        SearchOptions options;
        options.SearchMask = run.mask;
        lstrcpyA(options.FindText, run.find);
        lstrcpyA(options.ReplaceText, run.replace);
        const size_t loaded = Committed();
        PeakSampler sampler;
        const double start = Now();
        const int count = search.ReplaceAll(options);
        const double seconds = Now() - start;
        const double extra = static_cast<double>(sampler.Stop() - loaded);
        std::printf("  %-6s %9d replacements %8.1f ms %12.0f per second, peak %6.0f MB beyond the document"
                    " (%.2f x its size; goal 2)\n",
                    run.name, count, seconds * 1000, count / seconds, extra / 1e6, extra / kTextSize);
        // Its one undo step and the redo, each measured from where it starts.
        for (const auto& [step, message] : {std::pair{"undo", SCI_UNDO}, std::pair{"redo", SCI_REDO}}) {
            const size_t before = Committed();
            PeakSampler stepSampler;
            const double stepStart = Now();
            w.Send(message);
            const double stepSeconds = Now() - stepStart;
            const double stepExtra = static_cast<double>(stepSampler.Stop() - before);
            std::printf("  %-6s %-4s %8.1f ms, peak %6.0f MB beyond the text before it (%.2f x)\n", "", step,
                        stepSeconds * 1000, stepExtra / 1e6, stepExtra / kTextSize);
            if (message == SCI_UNDO && w.view->Component().Length() != text.size())
                std::printf("  %-6s the undo did not give the text back\n", "");
        }
        std::fflush(stdout);
    }
    CompareRegexSearch(w, text);
    return 0;
}
