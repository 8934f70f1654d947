// Replace All of a common word in a 50 MB file, driven from outside in our
// program (from its program folder as shipped) and, when one is named, in
// the peer the same way in the same run, interleaved: the median time from
// the Replace All click until the component holds the new text and the
// program answers, and the peak commit beyond the document as loaded. The
// peer runs drawing like ours with its change history off and its undo
// state updated lazily (the like peer of the ratio), and with its defaults.
// The in-process bench of the view's Replace All times the same text and
// pattern without the program around it.
// Usage: replace_bench FOLDER FILE [RUNS [PEER_EXE]].
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchTable.h"
#include "RemoteEditor.h"

#include "ProgramProcess.h"
#include "ReplaceDrive.h"
#include "resource.h"

namespace {

// The same pattern as the in-process bench's plain case.
const std::string kFind = "value";
const std::string kReplace = "amount";

// The peer's own ids for its Replace command and the fields of its replace
// strip (its default over the dialog), which has the dialog's ids.
constexpr ReplaceControls kPeerControls{216, 222, 231, 233, 232, 237};
constexpr ReplaceControls kOurControls{ID_SEARCH_REPLACE,     IDC_SEARCH_FIND_TEXT,  IDC_SEARCH_REPLACE_TEXT,
                                       IDC_SEARCH_MATCH_CASE, IDC_SEARCH_WHOLE_WORD, IDC_SEARCH_REPLACE_ALL};

// The component's word characters: letters, digits, '_' and every byte of a
// multi-byte character.
bool IsWordByte(unsigned char c) { return c >= 0x80 || c == '_' || std::isalnum(c); }

// Whole-word, case-sensitive matches, as the search counts them.
long long CountWholeWords(const std::string& text, const std::string& word) {
    long long count = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + word.size())) {
        const bool startsWord = at == 0 || !IsWordByte(static_cast<unsigned char>(text[at - 1]));
        const size_t end = at + word.size();
        if (startsWord && (end == text.size() || !IsWordByte(static_cast<unsigned char>(text[end])))) ++count;
    }
    return count;
}

std::string Grouped(long long n) {
    const std::string digits = std::to_string(n);
    std::string grouped;
    for (size_t at = 0; at < digits.size(); ++at) {
        if (at > 0 && (digits.size() - at) % 3 == 0) grouped += ',';
        grouped += digits[at];
    }
    return grouped;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::printf("usage: replace_bench FOLDER FILE [RUNS [PEER_EXE]]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::string file = argv[2];
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    const std::string text = ReadAll(file);
    const long long matches = CountWholeWords(text, kFind);
    if (matches == 0) {
        std::printf("%s holds no \"%s\" to replace\n", file.c_str(), kFind.c_str());
        return 1;
    }
    const double documentMB = static_cast<double>(text.size()) / 1e6;
    const std::string row = "Replace All (plain, " + Grouped(matches) + " matches in " +
                            std::to_string(static_cast<int>(documentMB + 0.5)) + " MB)";

    // The runs write their settings into the folder: the script hands over a
    // copy of the shipped one.
    std::vector<BenchProgram> programs{{"ours", folder + "\\Tarnwick.exe", folder, "", "CMainFrame", "languagewnd"}};
    if (argc > 4) {
        programs.push_back(PeerProgram("lazy peer", argv[4],
                                       "-technology=0 -code.page=65001 -change.history=0 -undo.redo.lazy=1"));
        programs.push_back(PeerProgram("peer defaults", argv[4], ""));
    } else {
        std::printf("(no peer: only ours is timed)\n");
    }
    std::vector<std::vector<double>> peaks(programs.size());
    std::vector<std::string> trouble(programs.size());
    const std::vector<double> times = InterleavedMedians(runs, programs, [&](const BenchProgram& program) {
        const size_t which = static_cast<size_t>(&program - programs.data());
        const ReplaceFigures figures = ReplaceAllOnce(program, file, which == 0 ? kOurControls : kPeerControls,
                                                      kFind, kReplace, matches);
        if (!figures.trouble.empty()) trouble[which] = figures.trouble;
        if (figures.milliseconds >= 0 && figures.peakBytes >= 0) peaks[which].push_back(figures.peakBytes / 1e6);
        return figures.milliseconds;
    });
    const auto column = [&](const std::vector<double>& values, size_t i) { return i < values.size() ? values[i] : -1; };
    std::vector<double> peak;
    for (const std::vector<double>& values : peaks) peak.push_back(values.empty() ? -1 : Median(values));
    PrintRow(row, "ms", times[0], column(times, 1), column(times, 2), 0.7);
    PrintRow("Replace All: peak memory beyond the document", "MB", peak[0], column(peak, 1), column(peak, 2));
    // Its goal is against the document, not a peer: that column holds the document's size.
    PrintRow("Replace All: our peak memory beyond the document, beside the document's size", "MB", peak[0],
             documentMB, -1, 2.0);
    for (size_t i = 0; i < programs.size(); ++i)
        if (!trouble[i].empty()) std::printf("  %s: %s\n", programs[i].label.c_str(), trouble[i].c_str());
    return times[0] < 0 ? 1 : 0;
}
