#include "BenchTable.h"

#include <cstdio>

#include "RemoteEditor.h"

namespace {

const char kPeerFrameClass[] = "SciTEWindow";
const char kPeerComponentClass[] = "Scintilla";

std::string Figure(double value) {
    if (value < 0) return "-";
    char text[32];
    std::snprintf(text, sizeof text, value >= 100 ? "%.0f" : "%.1f", value);
    return text;
}

}  // namespace

BenchProgram PeerProgram(const std::string& label, const std::string& exe, const std::string& switches) {
    return {label, exe, exe.substr(0, exe.find_last_of('\\')), switches, kPeerFrameClass, kPeerComponentClass};
}

std::vector<double> InterleavedMedians(int runs, const std::vector<BenchProgram>& programs, const BenchRun& run) {
    std::vector<std::vector<double>> figures(programs.size());
    for (const BenchProgram& program : programs) run(program);
    for (int round = 0; round < runs; ++round) {
        for (size_t i = 0; i < programs.size(); ++i) {
            const size_t which = (i + round) % programs.size();
            const double figure = run(programs[which]);
            if (figure >= 0) figures[which].push_back(figure);
        }
    }
    std::vector<double> medians;
    for (const std::vector<double>& values : figures) medians.push_back(values.empty() ? -1 : Median(values));
    return medians;
}

void PrintRow(const std::string& work, const char* unit, double ours, double like, double defaults, double goal) {
    const std::string ratio = ours >= 0 && like > 0 ? [&] {
        char text[16];
        std::snprintf(text, sizeof text, "%.2f", ours / like);
        return std::string(text);
    }() : "-";
    char goalText[16] = "-";
    if (goal > 0) std::snprintf(goalText, sizeof goalText, "%.1f", goal);
    std::printf("row\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", work.c_str(), unit, Figure(ours).c_str(), Figure(like).c_str(),
                Figure(defaults).c_str(), ratio.c_str(), goalText);
    std::fflush(stdout);
}
