// Replace All of a common word in a 50 MB document on a real view: time
// and replacements per second, for a plain and a regular-expression search.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchClock.h"
#include "FindReplace.h"
#include "MessageBoxRecorder.h"
#include "UiSeams.h"
#include "ViewFixture.h"

namespace {

constexpr size_t kDefaultSize = 50 * 1000 * 1000;


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
        const double start = Now();
        const int count = search.ReplaceAll(options);
        const double seconds = Now() - start;
        std::printf("  %-6s %9d replacements %8.1f ms %12.0f per second\n", run.name, count, seconds * 1000,
                    count / seconds);
        std::fflush(stdout);
    }
    return 0;
}
