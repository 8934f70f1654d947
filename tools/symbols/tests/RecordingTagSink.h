#pragma once
// A TagSink that keeps every record it is given, for the parser's and the
// runner's tests.
#include <vector>

#include "TagRecord.h"

class RecordingTagSink : public TagSink {
public:
    void AddTag(int kind, const TagRecord& record) override {
        kinds.push_back(kind);
        records.push_back(record);
    }
    std::vector<int> kinds;
    std::vector<TagRecord> records;
};
