// The api list against a plain keystroke on a real view: the time from the
// typed start character to the list shown over a 10,000-entry api file,
// beside the time of a character that starts nothing.
#include <windows.h>

#include <cstdio>
#include <string>

#include "BenchClock.h"
#include "LanguageFixture.h"
#include "TypingAids.h"

namespace {

constexpr int kApiEntries = 10000;
constexpr int kRounds = 50;

// One character typed and drawn; milliseconds.
double TypeAndDraw(const CEditorView& view, wchar_t c) {
    const double start = Now();
    ::SendMessageW(view, WM_CHAR, c, 1);
    ::UpdateWindow(view);
    return (Now() - start) * 1000;
}

}  // namespace

int main() {
    StyledView v;
    std::string api;
    char line[64];
    for (int i = 0; i < kApiEntries; ++i) {
        std::snprintf(line, sizeof(line), "api.function%05d(int first, const char* second)\n", i);
        api += line;
    }
    v.source.folder.Write("bench.api", api);
    v.source.Load(
        "menu.language=C++|cpp|\nlexer.*.cpp=cpp\napi.*.cpp=bench.api\n"
        "autocomplete.cpp.start.characters=.\n"
        "calltip.cpp.word.characters=._abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789\n");
    CTypingAids aids(v.source.folder.Path());
    v.View().ApplyLanguageForFile("bench.cpp");
    v.View().SetHooks(&aids);
    v.SetText("int main() {\r\n    api");
    v.Send(SCI_GOTOPOS, static_cast<uptr_t>(v.Send(SCI_GETLENGTH)));
    PumpMessagesFor(50);

    // The first start character reads the api file too.
    const double first = TypeAndDraw(v.View(), L'.');
    if (!v.Send(SCI_AUTOCACTIVE)) {
        std::printf("the list did not open\n");
        return 1;
    }
    v.Send(SCI_AUTOCCANCEL);
    v.Send(SCI_DELETEBACK);

    double list = 0, plain = 0;
    for (int round = 0; round < kRounds; ++round) {
        list += TypeAndDraw(v.View(), L'.');
        v.Send(SCI_AUTOCCANCEL);
        v.Send(SCI_DELETEBACK);
        plain += TypeAndDraw(v.View(), L'q');
        v.Send(SCI_DELETEBACK);
        PumpMessages();
    }
    // The part of it that is the look-up in the api list.
    double lookUp = 0;
    for (int round = 0; round < kRounds; ++round) {
        const double start = Now();
        const auto words = aids.ApiList().NearestWords("api.", false, '(', false);
        lookUp += (Now() - start) * 1000;
        if (!words) return 1;
    }
    std::printf("Typing over a %d-entry api file (mean of %d, typed and drawn):\n", kApiEntries, kRounds);
    std::printf("  start character to the list shown %8.2f ms  (first, reading the file: %.2f ms)\n", list / kRounds,
                first);
    std::printf("  of it the api list's look-up      %8.2f ms\n", lookUp / kRounds);
    std::printf("  plain keystroke                   %8.2f ms\n", plain / kRounds);
    return 0;
}
