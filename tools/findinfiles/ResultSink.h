#pragma once
// Where a search writes what it finds: the result pane through its window,
// or a recorder in the tests. Called on the search's own thread.
class IFindResultSink {
public:
    virtual ~IFindResultSink() = default;
    // One match: "path(line): text".
    virtual void AddResultLine(const char* path, int line, const char* text) = 0;
    // A line of its own: an error or the summary.
    virtual void AddText(const char* text) = 0;
};
