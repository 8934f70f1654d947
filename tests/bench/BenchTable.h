#pragma once
// The process benches' common frame: the programs a row compares (ours from
// its program folder as shipped, the peer drawing and decoding like ours,
// the peer as it comes), their runs with one warm-up each and then
// interleaved, so that a slow spell of the machine falls on all of them
// alike, and the rows in the one form scripts/bench.sh gathers into its
// table.
#include <functional>
#include <string>
#include <vector>

// One program as a bench starts it: its switches come first on its command
// line (the peer takes its settings there).
struct BenchProgram {
    std::string label;
    std::string exe;
    std::string folder;
    std::string switches;
    const char* frameClass;
    const char* componentClass;
};

// The peer's program with settings of its own on its command line.
BenchProgram PeerProgram(const std::string& label, const std::string& exe, const std::string& switches);

// One run's figure, negative when it could not be taken.
using BenchRun = std::function<double(const BenchProgram&)>;

// Medians of each program's runs in the order given, negative for a program
// none of whose runs gave a figure. Each program runs once first, untimed,
// then each round runs every program once, the first of the round turning
// with each round.
std::vector<double> InterleavedMedians(int runs, const std::vector<BenchProgram>& programs, const BenchRun& run);

// Prints one row: "row", the work, its unit, ours, the like peer, the peer's
// defaults (or "-"), ours over the like peer, and the goal for that ratio
// (or "-"), separated by tabs.
void PrintRow(const std::string& work, const char* unit, double ours, double like, double defaults = -1,
              double goal = -1);
