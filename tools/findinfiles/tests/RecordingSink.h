#pragma once
// A sink that keeps every line a search writes, in order.
#include <string>
#include <vector>

#include "ResultLine.h"
#include "ResultSink.h"

struct RecordingSink : IFindResultSink {
    std::vector<std::string> lines;
    void AddResultLine(const char* path, int line, const char* text) override {
        lines.push_back(FormatResultLine(path, line, text));
    }
    void AddText(const char* text) override { lines.push_back(text); }
};
