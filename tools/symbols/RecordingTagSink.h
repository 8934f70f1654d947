#pragma once
// A TagSink that keeps every record it is given: a ctags run off the window
// thread parses into one, and the tree is filled from it there; the
// parser's and the runner's tests read it.
#include <vector>

#include "TagRecord.h"

class RecordingTagSink : public TagSink {
public:
    void AddTag(int kind, const TagRecord& record) override {
        kinds.push_back(kind);
        records.push_back(record);
    }
    // Hands every record on, in the order they came.
    void Replay(TagSink& sink) const {
        for (size_t i = 0; i < records.size(); ++i) sink.AddTag(kinds[i], records[i]);
    }
    std::vector<int> kinds;
    std::vector<TagRecord> records;
};
